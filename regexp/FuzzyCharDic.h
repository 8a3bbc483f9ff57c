#pragma once

#include "regexp/TREDictionary.h"

namespace kes {

// The built-in fuzzy character dictionary: full- and half-width letters, digits and symbols,
// hiragana, katakana and half-width katakana, voiced kana written with a separate mark, small
// kana, and numerals. Built once on first use and shared by every matcher.
const TREDictionary& FuzzyCharDic();

// The rows of FuzzyCharDic as stored comma texts, in search order.
extern const char* const kFuzzyCharDicRows[145];

} // namespace kes
