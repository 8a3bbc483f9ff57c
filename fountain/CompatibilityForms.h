#pragma once

#include <string_view>

namespace kes {

// The compatibility form (Unicode NFKC) of a character that code page 932 holds only at a
// platform-dependent code, as UTF-8: "(株)" for ㈱, "IV" for Ⅳ, "ミリ" for ㍉, the unified kanji
// for a compatibility kanji. Empty when the form is the character itself (≒, 髙, 﨑, ...) or the
// character has no platform-dependent code.
std::string_view CompatibilityForm(char32_t c);

} // namespace kes
