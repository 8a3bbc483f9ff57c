#pragma once

#include <cstddef>
#include <string_view>

namespace kes {

class TEditor;

// Where a phrase is wrapped around the selection: the first "|" that is a character of its own
// (never the second byte of a double-byte character such as "－"); npos when there is none.
size_t PhraseSelectionMark(std::string_view phrase);

// Puts a confirmed phrase (code page 932) into the editor in place of its selection, or at the
// caret. An editable phrase with a "|" is wrapped around the selected text, the "|" taking its
// place; a picked date text goes in as it is. Afterwards the editor has the focus and its
// caret is in view.
void InsertPhrase(TEditor& editor, std::string_view phrase, bool editable);

} // namespace kes
