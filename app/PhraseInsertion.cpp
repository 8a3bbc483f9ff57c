#include "app/PhraseInsertion.h"

#include "editor/TEditor.h"
#include "toolkit/core/Cp932.h"

#include <string>

namespace kes {

size_t PhraseSelectionMark(std::string_view phrase) {
    for (size_t i = 0; i < phrase.size(); i += CharLength(phrase, i))
        if (phrase[i] == '|')
            return i;
    return std::string_view::npos;
}

void InsertPhrase(TEditor& editor, std::string_view phrase, bool editable) {
    const size_t mark = editable ? PhraseSelectionMark(phrase) : std::string_view::npos;
    if (mark == std::string_view::npos) {
        editor.SetSelText(phrase);
    } else {
        std::string wrapped(phrase.substr(0, mark));
        wrapped += editor.SelText();
        wrapped += phrase.substr(mark + 1);
        editor.SetSelText(wrapped);
    }
    editor.activateWindow();
    editor.setFocus();
    editor.ScrollCaret();
}

} // namespace kes
