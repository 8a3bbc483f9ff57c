#pragma once

#include <bitset>
#include <string>
#include <string_view>

namespace kes {

// The bytes that end a word for word breaking, word movement and selection.
using TDelimiters = std::bitset<256>;

// Every ASCII character except letters, digits and the low line, plus 0x80, 0xA0-0xA5
// (half-width punctuation) and 0xFD-0xFF. Half-width katakana are word characters.
TDelimiters DefaultDelimiters();

// The measure of columns that wrapping, the caret and the selection share: one attribute
// character per display column of a text.
//   '1' a single-byte character that is not a delimiter    '2' a delimiter
//   '3' a padding column of a tab (the tab itself is '1' or '2' in its first column)
//   '4' the lead byte of a double-byte character           '5' its trail byte
// A tab pads to the next tab stop; with word wrap on it never crosses a multiple of the wrap
// width either, so that a tab cannot push a row past the margin.
struct TCharAttributes {
    static constexpr int UnwrappedLimit = 1000;

    TDelimiters delimiters = DefaultDelimiters();
    int tabSpaceCount = 8;
    bool wordWrap = false;
    int wrapByte = 80;

    // Only the head of a long text is described: building stops as soon as the string is at
    // least wrapByte + 3 columns long with word wrap on, 1000 columns with it off.
    void Build(std::string_view text, std::string& attributes) const;
    std::string Build(std::string_view text) const;

    // Display width of the whole text with the same column rules.
    int Width(std::string_view text) const;

    // Columns a tab takes when it starts at 0-based column p.
    int TabWidth(int p) const;
};

} // namespace kes
