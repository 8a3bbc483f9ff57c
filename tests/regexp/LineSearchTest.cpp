#include "regexp/ERegExpParser.h"
#include "regexp/TLineSearch.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace kes {
namespace {

using Hits = std::vector<std::tuple<int, int, std::string>>;

Hits Find(TLineSearch& search, const std::string& line, bool lineBreakFollows = true) {
    std::vector<TSearchInfo> list{{9, 9, "stale"}};
    const int count = search.FindInLine(line, lineBreakFollows, list);
    EXPECT_EQ(count, static_cast<int>(list.size()));
    Hits hits;
    for (const TSearchInfo& info : list)
        hits.emplace_back(info.position, info.length, info.text);
    return hits;
}

TLineSearch& Configure(TLineSearch& search, const std::string& pattern, TExSearchOptions options) {
    search.SetFindString(pattern);
    search.SetExSearchOptions(options);
    return search;
}

TEST(LineSearchTest, OptionsAreStoredNormalised) {
    TLineSearch search;
    EXPECT_TRUE(search.SetExSearchOptions(soFuzzy));
    EXPECT_EQ(search.ExSearchOptions(), 0u);
    search.SetExSearchOptions(soRegexp | soWholeWord | soMatchCase);
    EXPECT_EQ(search.ExSearchOptions(), soRegexp | soMatchCase);
    search.SetExSearchOptions(soRegexp | soFuzzy);
    EXPECT_EQ(search.ExSearchOptions(), soRegexp | soFuzzy);
    EXPECT_TRUE(search.Matcher().UseFuzzyCharDic());
    search.SetExSearchOptions(soRegexp);
    EXPECT_FALSE(search.Matcher().UseFuzzyCharDic());
    search.SetExSearchOptions(soWholeWord | soMatchCase);
    EXPECT_EQ(search.ExSearchOptions(), soWholeWord | soMatchCase);
    EXPECT_FALSE(search.SetExSearchOptions(soWholeWord | soMatchCase));
}

TEST(LineSearchTest, PlainSearchFindsNonOverlappingHitsAtCharacterStarts) {
    TLineSearch search;
    EXPECT_EQ(Find(Configure(search, "aa", 0), "aaaa"), (Hits{{1, 2, "aa"}, {3, 2, "aa"}}));
    EXPECT_EQ(Find(Configure(search, "", 0), "abc"), Hits{});
    // 'a' is also the trail byte of Ｂ (0x82 0x61).
    EXPECT_EQ(Find(Configure(search, "a", 0), "\x82\x61"
                                              "a\x82\x61"),
              (Hits{{3, 1, "a"}}));
    // A trail-byte hit does not hide a real one right after it.
    EXPECT_EQ(Find(Configure(search, "aa", 0), "\x82"
                                               "aa"),
              Hits{});
    EXPECT_EQ(Find(Configure(search, "aa", 0), "\x82"
                                               "aaa"),
              (Hits{{3, 2, "aa"}}));
    // Without soMatchCase both sides are folded; the record keeps the line's letters.
    EXPECT_EQ(Find(Configure(search, "ABC", 0), "xabc AbC"), (Hits{{2, 3, "abc"}, {6, 3, "AbC"}}));
    EXPECT_EQ(Find(Configure(search, "ABC", soMatchCase), "xabc ABC"), (Hits{{6, 3, "ABC"}}));
}

TEST(LineSearchTest, WholeWordsChangeClassAtBothEnds) {
    TLineSearch search;
    Configure(search, "foo", soWholeWord);
    EXPECT_EQ(Find(search, "foo bar").size(), 1u);
    EXPECT_EQ(Find(search, "foo-bar").size(), 0u);
    EXPECT_EQ(Find(search, "foobar").size(), 0u);
    EXPECT_EQ(Find(search, "foo\x81\x41"
                           "bar")
                  .size(),
              1u); // 、
    EXPECT_EQ(Find(search, "(foo)").size(), 1u);
    EXPECT_EQ(Find(search, "\x82\xA0"
                           "foo\x8C\x66")
                  .size(),
              1u); // あfoo掲
    // Full-width letters are their own class, so ＦＯＯ next to ASCII letters is no boundary
    // between words of the same class.
    Configure(search, "\x82\x65", soWholeWord); // Ｆ
    EXPECT_EQ(Find(search, "\x82\x65\x82\x66").size(), 0u);
    EXPECT_EQ(Find(search, "a\x82\x65"
                           "b")
                  .size(),
              1u);
}

TEST(LineSearchTest, CharClassesOfBytesAndDoubleByteCharacters) {
    TLineSearch search;
    const std::string text = "a-_ \xB1\xA4\x82\xA0\x83\x41\x82\x60\x8C\x66\x81\x41\x81\x52\x87\x40";
    // a - _ space ｱ ､ あ ア Ａ 掲 、 ヽ ①
    const std::string expected = "11002055443366000000";
    ASSERT_EQ(text.size(), expected.size());
    for (int p = 1; p <= static_cast<int>(text.size()); ++p)
        EXPECT_EQ(search.CharClass(text, p), expected[p - 1]) << "position " << p;
    EXPECT_EQ(search.CharClass(text, 0), '0');
    EXPECT_EQ(search.CharClass(text, 99), '0');
    EXPECT_FALSE(search.IsWholeWord(text, -1, 1));
}

TEST(LineSearchTest, RegexpMatchesAreRecordedAndEmptyOnesSkipped) {
    TLineSearch search;
    Configure(search, "[0-9]+", soRegexp);
    EXPECT_EQ(Find(search, "a12b345"), (Hits{{2, 2, "12"}, {5, 3, "345"}}));
    Configure(search, "x*", soRegexp);
    EXPECT_EQ(Find(search, "axxbx"), (Hits{{2, 2, "xx"}, {5, 1, "x"}}));
    Configure(search, "", soRegexp);
    EXPECT_EQ(Find(search, "abc"), Hits{});
    Configure(search, "$", soRegexp);
    EXPECT_EQ(Find(search, "abc"), Hits{});
    Configure(search, "a$", soRegexp);
    EXPECT_EQ(Find(search, "aba"), (Hits{{3, 1, "a"}}));
    EXPECT_EQ(Find(search, "aba", false), (Hits{{3, 1, "a"}}));
    // '^' holds only at the start of the line: later searches never start at a line head.
    Configure(search, "^a", soRegexp);
    EXPECT_EQ(Find(search, "aaa"), (Hits{{1, 1, "a"}}));
    Configure(search, "ABC", soRegexp);
    EXPECT_EQ(Find(search, "xAbc"), (Hits{{2, 3, "Abc"}}));
    Configure(search, "\xB6\xDE", soRegexp | soFuzzy); // ｶﾞ
    EXPECT_EQ(Find(search, "\x82\xAA\x83\x4B\x82\xA9\x81\x4A"),
              (Hits{{1, 2, "\x82\xAA"}, {3, 2, "\x83\x4B"}, {5, 4, "\x82\xA9\x81\x4A"}}));
}

TEST(LineSearchTest, PatternFaultsPropagateAndTheNextPatternWorks) {
    TLineSearch search;
    Configure(search, "a(", soRegexp);
    std::vector<TSearchInfo> list;
    EXPECT_THROW(search.FindInLine("a(", true, list), ERegExpParser);
    EXPECT_EQ(search.Matcher().RegExp(), "");
    Configure(search, "a\\(", soRegexp);
    EXPECT_EQ(Find(search, "a("), (Hits{{1, 2, "a("}}));
}

TEST(LineSearchTest, FindAllGoesOnPastEmptyMatchesAndNulBytes) {
    TAWKStrEx awk(nullptr);
    awk.SetRegExp("b*$");
    std::vector<TSearchInfo> list;
    const std::string line("ab\0cbb", 6);
    EXPECT_EQ(awk.FindAll(line, line + "\r\n", list), 2);
    EXPECT_EQ(list[0].position, 2);
    EXPECT_EQ(list[1].position, 5);
    EXPECT_EQ(list[1].text, "bb");
    // A long line of empty matches is searched in one pass, not once per character.
    list.clear();
    awk.SetRegExp("$");
    EXPECT_EQ(awk.FindAll(std::string(200000, 'x'), std::string(200000, 'x') + "\r\n", list), 0);
}

} // namespace
} // namespace kes
