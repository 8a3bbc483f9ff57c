#pragma once

#include <string>
#include <string_view>

namespace kes {

// Conversion between code page 932 bytes and Unicode, used only at the program's edges
// (painting, clipboard, input method, file names, Qt widgets). The table is Microsoft's code
// page 932 with the NEC and IBM extensions, committed in Cp932Table.cpp.
//
// Nothing is lost in either direction:
// - A byte that is not valid code page 932 (0x80, 0xA0, 0xFD-0xFF, a lead byte at the end of
//   the text or before a byte that cannot follow it, the bytes of an unassigned double-byte
//   code from 0x80 up) decodes to U+F700 + byte, a private-use character that shows as a box,
//   and encodes back to that very byte. The range U+F780-U+F7FF is kept for this; code page
//   932's own private-use characters are U+E000-U+E757.
// - A character that code page 932 cannot hold encodes as a numeric character reference,
//   "&#x" + upper-case hex digits without leading zeros + ";" (an emoji becomes "&#x1F600;"),
//   which is also what browsers send to Shift_JIS boards. Decoding turns exactly that form
//   back into the character when code page 932 cannot hold it; every other "&#..." text stays
//   as it is, so decoding and encoding again gives the same bytes.
// - Malformed UTF-8 or UTF-16 (a stray byte, a lone surrogate) encodes as "&#xFFFD;".

constexpr char32_t kRawByteBase = 0xF700; // raw byte b (0x80-0xFF) <-> U+F700 + b

// The character of a double-byte code (lead << 8 | trail), or 0 when it is unassigned.
char32_t Cp932CharOfCode(unsigned code);
// The code that encodes c: a single byte (< 0x100) or a double-byte code; -1 when code page
// 932 cannot hold c. Raw-byte characters give their byte.
int Cp932CodeOfChar(char32_t c);

std::u32string Cp932ToUtf32(std::string_view bytes, bool restoreReferences = true);
std::string Utf32ToCp932(std::u32string_view text);

std::string Cp932ToUtf8(std::string_view bytes, bool restoreReferences = true);
std::string Utf8ToCp932(std::string_view utf8);
// Whether the bytes are UTF-8 throughout: Utf8ToCp932 meets no malformed sequence in them.
bool IsWellFormedUtf8(std::string_view bytes);

std::u16string Cp932ToUtf16(std::string_view bytes, bool restoreReferences = true);
std::string Utf16ToCp932(std::u16string_view utf16);

} // namespace kes
