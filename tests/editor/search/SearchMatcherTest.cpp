#include "editor/search/SearchMatcher.h"
#include "editor/search/SearchTables.h"
#include "toolkit/core/Cp932.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace kes {
namespace {

using O = TSearchOption;

// Searches and returns "offset/length", or "none".
std::string Find(std::string_view text, std::string_view pattern, TSearchOptions options,
                 std::ptrdiff_t start = 0, std::ptrdiff_t skip = 0) {
    TSearchMatch match;
    if (!SearchFind(text, start, skip, pattern, options, match))
        return "none";
    return std::to_string(match.Offset) + "/" + std::to_string(match.Length);
}

std::string Up(std::string_view text, std::string_view pattern, TSearchOptions options = {}) {
    return Find(text, pattern, options, static_cast<std::ptrdiff_t>(text.size()));
}

// A lead byte before a line break, a NUL or the end of the buffer is a character of its own:
// the break and the NUL stay findable on their own, in both directions, and are never half
// of a double-byte match.
TEST(SearchMatcher, ALoneLeadByteNeverTakesALineBreakOrNul) {
    using namespace std::string_literals;
    EXPECT_EQ(Find("x\x82\r\n", "\r\n", {O::SearchDown}), "2/2");
    EXPECT_EQ(Up("x\x82\r\n", "\r\n"), "2/2");
    EXPECT_EQ(Find("\x82\n\x82\na", "\na", {O::SearchDown}), "3/2");
    EXPECT_EQ(Find("\x82\0x"s, "\0x"s, {O::SearchDown}), "1/2");
    EXPECT_EQ(Find("a\x82", "\x82", {O::SearchDown}), "1/1");
    EXPECT_EQ(Find("\x82\nA", "a", {O::SearchDown}), "2/1") << "case folding after the break";
    EXPECT_EQ(Find("\x82\n ", "\x82 ", {O::SearchDown, O::IgnoreLineBreaks}), "0/3")
        << "a lone lead byte in the pattern matches one in the text, the break passed over";
    EXPECT_EQ(Find("\x82\n\x40", "\x82\x40", {O::SearchDown, O::IgnoreLineBreaks}), "none")
        << "the lone lead byte and the byte after the break are no double-byte character";
    EXPECT_EQ(Find("\x82\n", "\x82\n", {O::SearchDown}), "0/2");
}

TEST(SearchTables, DelimitersIncludeTheUnderscoreAndHalfWidthPunctuation) {
    std::string delimiters;
    for (unsigned b = 0; b < 256; ++b) {
        bool inSet = IsSearchDelimiter(static_cast<unsigned char>(b));
        bool expected = b <= 0x2F || (b >= 0x3A && b <= 0x40) || (b >= 0x5B && b <= 0x60) ||
                        (b >= 0x7B && b <= 0x80) || (b >= 0xA0 && b <= 0xA5) || b >= 0xFD;
        EXPECT_EQ(inSet, expected) << "byte " << b;
    }
    EXPECT_TRUE(IsSearchDelimiter('_'));
    EXPECT_FALSE(IsSearchDelimiter(0xA6)) << "half-width katakana are word bytes";
}

TEST(SearchTables, FullWidthFormsFollowTheJisCorrespondence) {
    EXPECT_EQ(SearchFullWidth(' '), 0x8140);
    EXPECT_EQ(SearchFullWidth('!'), 0x8149);
    EXPECT_EQ(SearchFullWidth('"'), 0x8168);  // ”
    EXPECT_EQ(SearchFullWidth('\''), 0x8166); // ’
    EXPECT_EQ(SearchFullWidth('-'), 0x817C);  // －
    EXPECT_EQ(SearchFullWidth('\\'), 0x818F); // ￥
    EXPECT_EQ(SearchFullWidth('`'), 0x814D);  // ｀
    EXPECT_EQ(SearchFullWidth('~'), 0x8150);  // ￣
    EXPECT_EQ(SearchFullWidth('0'), 0x824F);
    EXPECT_EQ(SearchFullWidth('Z'), 0x8279);
    EXPECT_EQ(SearchFullWidth('a'), 0x8281);
    EXPECT_EQ(SearchFullWidth('}'), 0x8170);
    EXPECT_EQ(SearchFullWidth(0xA1), 0x8142); // 。
    EXPECT_EQ(SearchFullWidth(0xA5), 0x8145); // ・
    EXPECT_EQ(SearchFullWidth(0xA6), 0x8392); // ヲ
    EXPECT_EQ(SearchFullWidth(0xA7), 0x8340); // ァ
    EXPECT_EQ(SearchFullWidth(0xAF), 0x8362); // ッ
    EXPECT_EQ(SearchFullWidth(0xB0), 0x815B); // ー
    EXPECT_EQ(SearchFullWidth(0xB1), 0x8341); // ア
    EXPECT_EQ(SearchFullWidth(0xD0), 0x837E); // ミ, the last cell before the gap at 0x7F
    EXPECT_EQ(SearchFullWidth(0xD1), 0x8380); // ム
    EXPECT_EQ(SearchFullWidth(0xDD), 0x8393); // ン
    EXPECT_EQ(SearchFullWidth(0xDE), 0x814A); // ゛
    EXPECT_EQ(SearchFullWidth(0xDF), 0x814B); // ゜
    for (unsigned b : {0x00u, 0x09u, 0x1Fu, 0x7Fu, 0x80u, 0x81u, 0xA0u, 0xE0u, 0xFFu})
        EXPECT_EQ(SearchFullWidth(static_cast<unsigned char>(b)), b) << "byte " << b;
}

TEST(SearchTables, SoundMarksComposeOnlyWithTheirKatakana) {
    EXPECT_EQ(SearchComposeVoiced(0xB6, 0xDE), 0x834B); // ｶﾞ ガ
    EXPECT_EQ(SearchComposeVoiced(0xC2, 0xDE), 0x8364); // ﾂﾞ ヅ
    EXPECT_EQ(SearchComposeVoiced(0xC4, 0xDE), 0x8368); // ﾄﾞ ド
    EXPECT_EQ(SearchComposeVoiced(0xCA, 0xDE), 0x836F); // ﾊﾞ バ
    EXPECT_EQ(SearchComposeVoiced(0xCA, 0xDF), 0x8370); // ﾊﾟ パ
    EXPECT_EQ(SearchComposeVoiced(0xCE, 0xDF), 0x837C); // ﾎﾟ ポ
    EXPECT_EQ(SearchComposeVoiced(0xB3, 0xDE), 0x8394); // ｳﾞ ヴ
    EXPECT_EQ(SearchComposeVoiced(0xB3, 0xDF), 0);
    EXPECT_EQ(SearchComposeVoiced(0xB6, 0xDF), 0); // ｶﾟ
    EXPECT_EQ(SearchComposeVoiced(0xB1, 0xDE), 0); // ｱﾞ
    EXPECT_EQ(SearchComposeVoiced(0xC5, 0xDE), 0); // ﾅﾞ
    EXPECT_EQ(SearchComposeVoiced(0xCF, 0xDF), 0); // ﾏﾟ
}

TEST(SearchTables, DoubleByteLettersUpperCaseWithinTheirAlphabets) {
    EXPECT_EQ(SearchUpperCaseDouble(0x8281), 0x8260); // ａ Ａ
    EXPECT_EQ(SearchUpperCaseDouble(0x829A), 0x8279); // ｚ Ｚ
    EXPECT_EQ(SearchUpperCaseDouble(0x83BF), 0x839F); // α Α
    EXPECT_EQ(SearchUpperCaseDouble(0x83D6), 0x83B6); // ω Ω
    EXPECT_EQ(SearchUpperCaseDouble(0x8470), 0x8440); // а А
    EXPECT_EQ(SearchUpperCaseDouble(0x847E), 0x844E); // н Н
    EXPECT_EQ(SearchUpperCaseDouble(0x8480), 0x844F); // о О
    EXPECT_EQ(SearchUpperCaseDouble(0x8491), 0x8460); // я Я
    EXPECT_EQ(SearchUpperCaseDouble(0xEEEF), 0x8754); // small roman one
    EXPECT_EQ(SearchUpperCaseDouble(0xEEF8), 0x875D); // small roman ten
    for (unsigned code : {0x8260u, 0x8280u, 0x829Bu, 0x83BEu, 0x847Fu, 0x8492u, 0xEEF9u})
        EXPECT_EQ(SearchUpperCaseDouble(static_cast<std::uint16_t>(code)), code);
    EXPECT_TRUE(SearchDoubleEqual(0x8281, 0x8260));
    EXPECT_FALSE(SearchDoubleEqual(0x8260, 0x8281)) << "the pattern side is upper-cased already";
}

TEST(SearchMatcher, SearchingDownAgainSkipsThePreviousMatch) {
    TSearchOptions down{O::SearchDown};
    EXPECT_EQ(Find("abcabc", "abc", down), "0/3");
    EXPECT_EQ(Find("abcabc", "abc", down, 0, 3), "3/3");
    EXPECT_EQ(Find("abcabc", "abc", down, 3, 3), "none");
    EXPECT_EQ(Find("abcabc", "abc", down, 6), "none");
    EXPECT_EQ(Up("abcabc", "abc"), "3/3");
    EXPECT_EQ(Find("abcabc", "abc", {}, 5), "0/3") << "up: the match must end by the start";
    EXPECT_EQ(Find("abcabc", "abc", {}, 2), "none");
}

TEST(SearchMatcher, InvalidStartsAndEmptyInputsFindNothing) {
    TSearchOptions down{O::SearchDown};
    EXPECT_EQ(Find("abc", "", down), "none");
    EXPECT_EQ(Find("", "a", down), "none");
    EXPECT_EQ(Find("abc", "a", down, -1), "none");
    EXPECT_EQ(Find("abc", "a", down, 4), "none");
    EXPECT_EQ(Find("abc", "a", down, 0, -1), "none");
    EXPECT_EQ(Find("abc", "a", down, 1, PTRDIFF_MAX), "none");
    EXPECT_EQ(Find("abc", "a", {}, -1), "none");
    EXPECT_EQ(Find("abc", "abcd", down), "none");
    EXPECT_EQ(Up("abc", "abcd"), "none");
}

TEST(SearchMatcher, CaseIsIgnoredOnBothSidesUnlessMatchCase) {
    TSearchOptions down{O::SearchDown};
    TSearchOptions exact{O::SearchDown, O::MatchCase};
    EXPECT_EQ(Find("xAbC", "aBc", down), "1/3");
    EXPECT_EQ(Find("xAbC", "aBc", exact), "none");
    EXPECT_EQ(Find("xAbC", "AbC", exact), "1/3");
    // full-width Latin, Greek, Cyrillic and the small Roman numerals
    EXPECT_EQ(Find("\x82\x81\x83\xBF\x84\x70\xEE\xEF", "\x82\x60\x83\x9F\x84\x40\x87\x54", down),
              "0/8");
    EXPECT_EQ(Find("\x82\x60", "\x82\x81", down), "0/2") << "a lower-case pattern letter ａ";
    EXPECT_EQ(Find("\x82\x60", "\x82\x81", exact), "none");
    EXPECT_EQ(Find("\x87\x54", "\xEE\xEF", down), "0/2");
}

TEST(SearchMatcher, APatternNeverMatchesHalfADoubleByteCharacter) {
    TSearchOptions down{O::SearchDown};
    // ア is 0x83 0x41: its trail byte is an "A"
    EXPECT_EQ(Find("\x83\x41", "A", down), "none");
    EXPECT_EQ(Find("\x83\x41", "a", down), "none");
    EXPECT_EQ(Find("\x83\x41"
                   "A",
                   "A", down),
              "2/1");
    EXPECT_EQ(Up("A\x83\x41", "A"), "0/1");
    // a start or skip that lands on a trail byte moves past it
    EXPECT_EQ(Find("\x83\x41"
                   "A",
                   "A", down, 1),
              "2/1");
    EXPECT_EQ(Find("\x83\x41\x83\x41", "\x41\x83", down), "none");
    // ー is 0x81 0x5B: long runs of lead-range bytes pair up from the start of the text
    std::string run = "\x81\x81\x81\x81\x81\x81"
                      "A";
    EXPECT_EQ(Find(run, "\x81\x81", down), "0/2");
    EXPECT_EQ(Find(run, "\x81\x81", down, 0, 2), "2/2");
    EXPECT_EQ(Find(run,
                   "\x81"
                   "A",
                   down),
              "none");
    EXPECT_EQ(Up(run, "\x81\x81"), "4/2");
    EXPECT_EQ(Up(run, "\x81"
                      "A"),
              "none");
}

TEST(SearchMatcher, ALeadByteAtTheEndOfTheTextStandsAlone) {
    TSearchOptions down{O::SearchDown};
    EXPECT_EQ(Find("ab\x82", "\x82", down), "2/1");
    EXPECT_EQ(Find("ab\x82", "b\x82", down), "1/2");
    EXPECT_EQ(Up("ab\x82", "\x82"), "2/1");
    EXPECT_EQ(Find("\x82"
                   "a",
                   "\x82", down),
              "none")
        << "here it leads a character";
}

TEST(SearchMatcher, IgnoreWidthEqualsHalfAndFullWidthForms) {
    TSearchOptions width{O::SearchDown, O::IgnoreWidth};
    TSearchOptions exactWidth{O::SearchDown, O::IgnoreWidth, O::MatchCase};
    std::string fullABC = "\x82\x60\x82\x61\x82\x62"; // ＡＢＣ
    EXPECT_EQ(Find(fullABC, "abc", width), "0/6");
    EXPECT_EQ(Find(fullABC, "ABC", exactWidth), "0/6");
    EXPECT_EQ(Find(fullABC, "abc", exactWidth), "none");
    EXPECT_EQ(Find("xabc", fullABC, width), "1/3");
    EXPECT_EQ(Find("xabc", fullABC, exactWidth), "none");
    EXPECT_EQ(Find("abc", "abc", {O::SearchDown, O::IgnoreWidth}), "0/3");

    // ｶﾞｲﾄﾞ against ガイド: the sound marks compose, the match is five bytes
    std::string halfGuide = "\xB6\xDE\xB2\xC4\xDE";
    std::string fullGuide = "\x83\x4B\x83\x43\x83\x68";
    EXPECT_EQ(Find(halfGuide, fullGuide, width), "0/5");
    EXPECT_EQ(Find(halfGuide, halfGuide, width), "0/5");
    EXPECT_EQ(Find(fullGuide, halfGuide, width), "0/6");
    EXPECT_EQ(Up(halfGuide, fullGuide, {O::IgnoreWidth}), "0/5");
    EXPECT_EQ(Up("x" + halfGuide, fullGuide, {O::IgnoreWidth}), "1/5");
    // a composed text character does not match the plain katakana
    EXPECT_EQ(Find(halfGuide, "\x83\x4A", width), "none"); // カ
    // a mark after a katakana that does not take it stands alone
    EXPECT_EQ(Find("\xB1\xDE", "\x83\x41\x81\x4A", width), "0/2"); // ｱﾞ and ア゛
    EXPECT_EQ(Find("\xB6\xDE", "\x81\x4A", width), "1/1") << "the mark is a candidate itself";
    EXPECT_EQ(Up("\xB1\xDE", "\x81\x4A", {O::IgnoreWidth}), "1/1");
}

TEST(SearchMatcher, IgnoreLineBreaksAndSpacesSkipInsideAMatchOnly) {
    TSearchOptions breaks{O::SearchDown, O::IgnoreLineBreaks};
    TSearchOptions spaces{O::SearchDown, O::IgnoreSpaces};
    EXPECT_EQ(Find("a\r\nb", "ab", breaks), "0/4");
    EXPECT_EQ(Find("\r\nab", "ab", breaks), "2/2");
    EXPECT_EQ(Find("a\r\nb", "ab", {O::SearchDown}), "none");
    EXPECT_EQ(Find("a \tb", "ab", breaks), "none");
    EXPECT_EQ(Find("a \t\x81\x40"
                   "b",
                   "ab", spaces),
              "0/6");
    EXPECT_EQ(Find(" ab", "ab", spaces), "1/2");
    EXPECT_EQ(Find("a\r\n b", "ab", {O::SearchDown, O::IgnoreLineBreaks, O::IgnoreSpaces}), "0/5");
    EXPECT_EQ(Find("a b", "a b", spaces), "0/3") << "a space in the pattern is matched first";
    EXPECT_EQ(Find("a\r\n", "ab", breaks), "none") << "the end of the text ends the match";
    EXPECT_EQ(Up("xa\r\nb", "ab", {O::IgnoreLineBreaks}), "1/4");
    EXPECT_EQ(Find("xa\r\nb", "ab", {O::IgnoreLineBreaks}, 3), "1/4")
        << "up starts where an unbroken match would end; a broken one may reach further";
}

TEST(SearchMatcher, WholeWordNeedsAWordStartAndADelimiterAfter) {
    TSearchOptions word{O::SearchDown, O::WholeWord};
    EXPECT_EQ(Find("concat", "cat", word), "none");
    EXPECT_EQ(Find("cat-x", "cat", word), "0/3");
    EXPECT_EQ(Find("cat_x", "cat", word), "0/3");
    EXPECT_EQ(Find("cats cat", "cat", word), "5/3");
    EXPECT_EQ(Find("concat cat", "cat", word), "7/3");
    EXPECT_EQ(Find("x,cat", "cat", word), "2/3");
    EXPECT_EQ(Find("cat", "cat", word), "0/3");
    EXPECT_EQ(Find("--", "-", word), "none") << "a match must start on a word byte";
    EXPECT_EQ(Find("xcat", "cat", word), "none")
        << "the last place the pattern fits must start a word too";
    EXPECT_EQ(Up("concat", "cat", {O::WholeWord}), "none");
    EXPECT_EQ(Up("catx", "cat", {O::WholeWord}), "none");
    EXPECT_EQ(Up("cat catx", "cat", {O::WholeWord}), "0/3");
    EXPECT_EQ(Up("cat_x", "cat", {O::WholeWord}), "0/3");
    EXPECT_EQ(Up("cat x_cat_", "cat", {O::WholeWord}), "6/3");
    EXPECT_EQ(Up("cat xcat_", "cat", {O::WholeWord}), "0/3");
    EXPECT_EQ(Up("  ", "a", {O::WholeWord}), "none");
}

// Plain case-sensitive searches against a reference: the first (down) or last (up) character
// start where the pattern's bytes stand, over texts full of lead-range bytes.
TEST(SearchMatcher, MatchesThePlainByteSearchAtCharacterStarts) {
    const unsigned seed = 20240601;
    std::mt19937 random(seed);
    const std::string alphabet = "\x81\x82\x41\x61\x40\xE0\x20";
    auto randomString = [&](int maxLength) {
        std::string s(std::uniform_int_distribution<int>(0, maxLength)(random), ' ');
        for (char& c : s)
            c = alphabet[std::uniform_int_distribution<size_t>(0, alphabet.size() - 1)(random)];
        return s;
    };
    for (int round = 0; round < 4000; ++round) {
        std::string text = randomString(24);
        std::string pattern = randomString(3);
        std::vector<bool> starts(text.size() + 1, false);
        for (size_t i = 0; i < text.size(); i += CharLength(text, i))
            starts[i] = true;
        // the pattern's own characters must line up with the text's
        auto matchesAt = [&](size_t at) {
            if (!starts[at] || text.compare(at, pattern.size(), pattern) != 0)
                return false;
            for (size_t j = 0; j < pattern.size(); j += CharLength(pattern, j)) {
                if (!starts[at + j] && at + j < text.size())
                    return false;
                bool patternDouble = CharLength(pattern, j) == 2;
                bool textDouble = CharLength(text, at + j) == 2;
                if (patternDouble != textDouble)
                    return false;
            }
            return true;
        };
        auto start = std::uniform_int_distribution<size_t>(0, text.size())(random);
        std::string expectedDown = "none";
        for (size_t at = start; !pattern.empty() && at + pattern.size() <= text.size(); ++at) {
            if (matchesAt(at)) {
                expectedDown = std::to_string(at) + "/" + std::to_string(pattern.size());
                break;
            }
        }
        std::string expectedUp = "none";
        for (std::ptrdiff_t at =
                 static_cast<std::ptrdiff_t>(start) - static_cast<std::ptrdiff_t>(pattern.size());
             !pattern.empty() && at >= 0; --at) {
            if (matchesAt(static_cast<size_t>(at))) {
                expectedUp = std::to_string(at) + "/" + std::to_string(pattern.size());
                break;
            }
        }
        auto s = static_cast<std::ptrdiff_t>(start);
        ASSERT_EQ(Find(text, pattern, {O::SearchDown, O::MatchCase}, s), expectedDown)
            << "seed " << seed << " round " << round;
        ASSERT_EQ(Find(text, pattern, {O::MatchCase}, s), expectedUp)
            << "seed " << seed << " round " << round;
    }
}

} // namespace
} // namespace kes
