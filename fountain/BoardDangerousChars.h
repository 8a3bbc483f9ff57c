#pragma once

#include <cstddef>
#include <string_view>

namespace kes {

// The characters that web boards garble, which the mail fountain paints in their own colours
// and the post-safe conversion replaces: half-width katakana and punctuation, and the
// platform-dependent double-byte codes of code page 932 (the NEC special characters, the NEC
// and IBM extension kanji, the user-defined area and the unassigned codes around them).

// Half-width katakana and punctuation, 0xA1-0xDF.
constexpr bool IsHalfWidthKana(unsigned char b) {
    return b >= 0xA1 && b <= 0xDF;
}

// Whether a character starting with `first`, followed by `second`, is platform-dependent.
// Only the lead bytes 0x85-0x88 and 0xEB-0xFF can give true; the trail byte counts for 0x85,
// 0x88, 0xEB, 0xEF and 0xF0.
bool IsPlatformDependent(unsigned char first, unsigned char second);

// Whether the character that starts at text[i] (i < text.size()) is one that boards garble.
bool IsBoardDangerous(std::string_view text, size_t i);

// The number of characters of the text that boards garble.
size_t CountBoardDangerous(std::string_view text);

} // namespace kes
