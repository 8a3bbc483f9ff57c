#pragma once

#include <string_view>

namespace kes {

class TStrings;

// Small helpers over CP932 byte strings. Positions are 1-based byte indices.

int Larger(int a, int b);
int Smaller(int a, int b);

// The byte at position i, or 0 when i is outside s.
unsigned char ByteAt(std::string_view s, int i);

// How many of the first min(length(s), n) bytes equal b.
int CountOfByte(std::string_view s, char b, int n);

// Walking s character by character from position 1: whether position i is the first byte
// (lead) or the second byte (trail) of a double-byte character. False beyond s.
bool IsLeadByteAt(std::string_view s, int i);
bool IsTrailByteAt(std::string_view s, int i);

// Whether sub is not empty and occurs in s starting at a character start, so that a match
// never begins on the trail byte of a double-byte character.
bool Contains(std::string_view sub, std::string_view s);

// Replaces the lines of list with the lines of text, inside one update of the list. A line
// ends at CR, LF, CR LF or the end of the text; a final line break adds no empty line; an
// empty text leaves the list empty.
void TextToLines(std::string_view text, TStrings* list);

} // namespace kes
