#pragma once

#include <cstdint>

namespace kes {

// The character tables of the plain-text search. A character is held as a code: a single byte
// as its value (below 0x100), a double-byte character as lead * 0x100 + trail.

// Bytes that end a word for a whole-word search: control bytes and ASCII punctuation, the
// underscore among them, 0x7F and 0x80, the half-width punctuation 0xA0 to 0xA5 and 0xFD to 0xFF.
bool IsSearchDelimiter(unsigned char b);

// A single byte as the search upper-cases it: ASCII letters change, every other byte stays.
unsigned char SearchUpperCase(unsigned char b);

// The full-width form of a single byte (JIS X 0201 to JIS X 0208), or the byte itself when it
// has none (control bytes, 0x7F, 0x80, 0xA0, 0xE0 to 0xFF).
std::uint16_t SearchFullWidth(unsigned char b);

// The full-width katakana that a half-width katakana and a following voiced (0xDE) or
// semi-voiced (0xDF) sound mark make together, or 0 when the two do not compose.
std::uint16_t SearchComposeVoiced(unsigned char kana, unsigned char mark);

// The upper-case form of a double-byte letter: full-width Latin, Greek and Cyrillic lower-case
// letters and the small Roman numerals; any other code is returned unchanged.
std::uint16_t SearchUpperCaseDouble(std::uint16_t code);

// Whether a double-byte text character equals a double-byte pattern character when case does
// not matter: equal, or the text holds the lower-case form of the pattern's letter.
inline bool SearchDoubleEqual(std::uint16_t text, std::uint16_t pattern) {
    return text == pattern || SearchUpperCaseDouble(text) == pattern;
}

} // namespace kes
