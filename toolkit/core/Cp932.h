#pragma once

#include <string>
#include <string_view>

namespace kes {

// Code page 932 (Shift_JIS as Windows uses it). The program keeps all text as CP932 bytes;
// these are the services every loop over text relies on.

// A lead byte starts a double-byte character: 0x81-0x9F and 0xE0-0xFC.
constexpr bool IsLeadByte(unsigned char b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}
constexpr bool IsLeadByte(char c) { return IsLeadByte(static_cast<unsigned char>(c)); }

// Upper- and lower-case conversion of a CP932 string: only ASCII letters at character starts
// change; the trail byte of a double-byte character is never touched.
std::string Cp932UpperCase(std::string_view s);
std::string Cp932LowerCase(std::string_view s);

// Compares two CP932 strings ignoring the case of ASCII letters; <0, 0, >0.
int Cp932CompareText(std::string_view a, std::string_view b);

} // namespace kes
