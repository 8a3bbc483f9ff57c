#pragma once

#include "textmodel/TRowAttribute.h"

#include <cstdint>
#include <string>

namespace kes {

// The parse state at the start of one screen row, unpacked. A fountain parser starts a row
// from it and turns it into the state at the start of the next row; the row list keeps it
// packed beside every row (bracket index -2..13, the integers one byte each).
struct TRowAttributeData {
    TRowAttribute RowAttribute = raLineEnd;     // how this row ends
    TRowAttribute PrevRowAttribute = raLineEnd; // how the row above ends
    // -1: outside any bracket; -2: bracket starts are not recognised (and, stored in a row,
    // "state not computed yet"); 0..13: inside the body of bracket item n.
    int32_t BracketIndex = -1;
    int32_t ParserState = 0; // parser-defined, copied back after every token ending in the row
    int32_t Remain = 0;      // bytes at the row start that finish a token cut by word wrap
    int32_t ParserValue = 0; // parser-defined, read only
    uint8_t StartToken = 0;  // token kind carried over from the row above (0: none)
    uint8_t ParserFlag = 0;  // parser-defined, copied back like ParserState
    std::string ParserText;  // parser-defined, read only

    // The state at the start of a text's first row.
    static TRowAttributeData TextStart() { return TRowAttributeData(); }
    // The state for scanning one row on its own, with no bracket recognised.
    static TRowAttributeData SingleRow() {
        TRowAttributeData data;
        data.BracketIndex = -2;
        return data;
    }

    friend bool operator==(const TRowAttributeData&, const TRowAttributeData&) = default;
};

} // namespace kes
