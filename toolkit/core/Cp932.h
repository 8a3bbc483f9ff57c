#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kes {

// Code page 932 (Shift_JIS as Windows uses it). The program keeps all text as CP932 bytes;
// these are the services every loop over text relies on.

// The value of an ASCII hexadecimal digit (0-9, A-F, a-f), or -1 for any other character.
constexpr int HexDigitValue(char32_t c) {
    if (c >= '0' && c <= '9')
        return static_cast<int>(c - '0');
    if (c >= 'A' && c <= 'F')
        return static_cast<int>(c - 'A' + 10);
    if (c >= 'a' && c <= 'f')
        return static_cast<int>(c - 'a' + 10);
    return -1;
}

// A lead byte starts a double-byte character: 0x81-0x9F and 0xE0-0xFC.
constexpr bool IsLeadByte(unsigned char b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}
constexpr bool IsLeadByte(char c) {
    return IsLeadByte(static_cast<unsigned char>(c));
}

// A byte that can stand second in a double-byte character: 0x40-0x7E and 0x80-0xFC.
constexpr bool IsTrailByte(unsigned char b) {
    return b >= 0x40 && b <= 0xFC && b != 0x7F;
}
constexpr bool IsTrailByte(char c) {
    return IsTrailByte(static_cast<unsigned char>(c));
}

// The one definition of a character, which every loop over text follows: a lead byte and a
// byte after it that can be a trail byte form one double-byte character. A lead byte before
// any other byte (CR, LF and NUL among them) or at the end of the text is a lone lead byte, a
// character of one byte, so a line break or the end of a row is never taken into a character.
constexpr bool IsDoubleByteChar(char lead, char next) {
    return IsLeadByte(lead) && IsTrailByte(next);
}

// The length (1 or 2) of the character that starts at text[i], i < text.size().
constexpr size_t CharLength(std::string_view text, size_t i) {
    return i + 1 < text.size() && IsDoubleByteChar(text[i], text[i + 1]) ? 2 : 1;
}
// The same in a NUL-ended text, p before its NUL.
constexpr size_t CharLength(const char* p) {
    return IsDoubleByteChar(p[0], p[1]) ? 2 : 1;
}

// Whether text[i] is the second byte of a double-byte character, text[0] starting one. Only
// the run of lead-byte values right before i is read: a byte of any other value ends a
// character, so the run pairs up from its first byte.
constexpr bool IsSecondByte(std::string_view text, size_t i) {
    if (i == 0 || i >= text.size() || !IsTrailByte(text[i]))
        return false;
    size_t run = 0;
    while (run < i && IsLeadByte(text[i - 1 - run]))
        ++run;
    return run % 2 == 1;
}

// Upper- and lower-case conversion of a CP932 string: only ASCII letters at character starts
// change; the trail byte of a double-byte character is never touched.
std::string Cp932UpperCase(std::string_view s);
std::string Cp932LowerCase(std::string_view s);

// Compares two CP932 strings ignoring the case of ASCII letters; <0, 0, >0.
int Cp932CompareText(std::string_view a, std::string_view b);

} // namespace kes
