#pragma once

#include "textmodel/TRowAttribute.h"
#include "toolkit/core/TTextFormat.h"

#include <cstdint>
#include <string>

namespace kes {

// One step of the undo or redo history: the text an edit removed, where it began, how many
// rows the text now in its place takes, and where the caret stood.
struct TUndoData {
    int32_t Row = 0;
    int32_t Col = 0;
    int32_t StartRow = -1;
    int32_t RowCount = 0;
    // Attribute of the last row of Text; raNone when the edit rewrote no existing row.
    TRowAttribute Attribute = raNone;
    // Rows joined with CR LF after every raLineEnd row.
    std::string Text;
    // The edit replaced every row (a whole-text write): re-applying the entry rebuilds all
    // rows from Text.
    bool WholeText = false;
    // The format of the text a whole-text entry brings back.
    TTextFormat Format;
};

} // namespace kes
