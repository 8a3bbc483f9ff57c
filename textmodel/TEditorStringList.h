#pragma once

#include "textmodel/TRowAttributeStringList.h"

namespace kes {

// The class of every temporary list of rows (wrapped lines, selected rows, rows rebuilt by
// undo) and the base of the editor's own row list. It adds nothing.
class TEditorStringList : public TRowAttributeStringList {};

} // namespace kes
