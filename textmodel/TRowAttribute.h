#pragma once

#include <cstdint>
#include <string_view>

namespace kes {

// How a screen row ends. The row attributes are the only record of where the text's line
// breaks are: joining rows back into text relies on them.
enum TRowAttribute : uint8_t {
    raLineEnd = 0,   // a line break (CR LF) follows the row
    raContinued = 1, // word wrap cut the logical line here; the next row goes on with it
    raTextEnd = 2,   // the last row of the text, with no line break after it
    raNone = 3,      // no row: an empty or out-of-range span, or an empty undo record
};

// What follows a row's text when rows are joined back into text.
constexpr std::string_view RowEnding(TRowAttribute attribute) {
    return attribute == raLineEnd ? std::string_view("\r\n") : std::string_view();
}

} // namespace kes
