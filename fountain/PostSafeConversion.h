#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kes {

// A post made safe for the board: the text, how many of the original's dangerous characters
// were replaced, and where the ones that could not be replaced now stand.
struct TPostSafeResult {
    std::string text;
    size_t converted = 0;
    // Byte offsets in `text` of the dangerous characters left as they were, in text order.
    std::vector<size_t> unconvertible;
};

// Replaces the characters of code page 932 text that boards garble (IsBoardDangerous) by
// characters they keep; every other byte stays as it is.
// - Half-width katakana and punctuation become their full-width forms, a kana and a following
//   sound mark that compose one character ("ｶﾞ" → "ガ", "ﾊﾟ" → "パ", "ｳﾞ" → "ヴ"); a mark that
//   does not compose becomes "゛" or "゜".
// - The circled numbers ①-⑳ become "(1)"-"(20)".
// - Any other dangerous character becomes its compatibility form (㈱ → "(株)", Ⅳ → "IV",
//   ㍉ → "ミリ"), or else the same character at its preferred code (the NEC copy of "≒" → the
//   JIS X 0208 "≒"), provided the result holds only safe characters of code page 932. Without
//   such a result (∮, ∑, most extension kanji, the user-defined area, unassigned codes) the
//   character stays and is listed as unconvertible.
TPostSafeResult MakePostSafe(std::string_view text);

} // namespace kes
