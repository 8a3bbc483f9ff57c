#include "regexp/ERegExpParser.h"
#include "regexp/TAWKStr.h"
#include "regexp/TREAutomatonLimits.h"
#include "regexp/TREParser.h"
#include "regexp/TRE_DFA.h"
#include "regexp/TRE_NFA.h"

#include <gtest/gtest.h>

#include <string>

namespace kes {
namespace {

// Match offsets in text, or {-1, -1}.
using Offsets = std::pair<long, long>;

Offsets Of(const char* text, TMatchRange m) {
    if (!m)
        return {-1, -1};
    return {m.start - text, m.end - text};
}

struct Matcher {
    TAWKStr awk{nullptr};
    explicit Matcher(const std::string& pattern, TMatchCORE_LineSeparator sep = mcls_CRLF) {
        awk.SetLineSeparator(sep);
        awk.SetRegExp(pattern);
    }
    Offsets First(const char* t) const { return Of(t, awk.MatchFirst(t)); }
    Offsets Anchored(const char* t) const { return Of(t, awk.MatchFirstAnchored(t)); }
    Offsets Next(const char* t) const { return Of(t, awk.MatchNext(t)); }
};

constexpr Offsets kNone{-1, -1};

TEST(MatcherTest, LeftmostLongest) {
    EXPECT_EQ(Matcher("a*").First("bbb"), Offsets(0, 0));
    EXPECT_EQ(Matcher("").First(""), Offsets(0, 0));
    EXPECT_EQ(Matcher("").First("abc"), Offsets(0, 0));
    EXPECT_EQ(Matcher("").Next(""), kNone);
    EXPECT_EQ(Matcher("ab|abcd").First("xabcde"), Offsets(1, 5));
    EXPECT_EQ(Matcher("(a|ab)(c|bcd)").First("abcd"), Offsets(0, 4));
    EXPECT_EQ(Matcher("x*").First("xxxy"), Offsets(0, 3));
    EXPECT_EQ(Matcher("b+").First("abbbc"), Offsets(1, 4));
    EXPECT_EQ(Matcher("c").First("ab"), kNone);
    // Double-byte characters are whole: "a" does not match the trail byte of Ａ (0x82 0x60 is
    // Ａ; 0x82 0x61 is Ｂ, whose trail byte is 'a').
    EXPECT_EQ(Matcher("a").First("\x82\x61"), kNone);
    EXPECT_EQ(Matcher("a").First("\x82\x61"
                                 "a"),
              Offsets(2, 3));
    EXPECT_EQ(Matcher(".").First("\x82\x61"), Offsets(0, 2));
    EXPECT_EQ(Matcher("[^a]+").First("a\x82\x61"
                                     "b\r"),
              Offsets(1, 4));
    // The any character excludes CR and LF.
    EXPECT_EQ(Matcher(".*").First("ab\r\ncd"), Offsets(0, 2));
}

TEST(MatcherTest, LineHeadOnlyWhereItIsFirst) {
    Matcher head("^a");
    EXPECT_EQ(head.Anchored("ba\nab"), Offsets(3, 4));
    EXPECT_EQ(head.Next("ba\nab"), Offsets(3, 4));
    EXPECT_EQ(head.Next("ab"), kNone);
    EXPECT_EQ(head.Anchored("ab"), Offsets(0, 1));
    EXPECT_TRUE(head.awk.DFA().LineHeadUsed());

    EXPECT_EQ(Matcher("a^").First("xa^"), Offsets(1, 3));
    EXPECT_FALSE(Matcher("a^").awk.DFA().LineHeadUsed());
    Matcher literal("(^a)*");
    EXPECT_FALSE(literal.awk.DFA().LineHeadUsed());
    EXPECT_EQ(literal.First("^a^ab"), Offsets(0, 4));
    // The non-anchored alternative is tried at a line head too.
    EXPECT_EQ(Matcher("^a|b").Anchored("b"), Offsets(0, 1));
    EXPECT_EQ(Matcher("^a|b").Anchored("ab"), Offsets(0, 1));
    EXPECT_EQ(Matcher("^ab|a").Anchored("ab"), Offsets(0, 2));
    EXPECT_EQ(Matcher("^a|ab").Anchored("ab"), Offsets(0, 2));
    EXPECT_EQ(Matcher("(^)a").Anchored("xa\na"), Offsets(3, 4));
}

TEST(MatcherTest, LineTailBeforeTheSeparator) {
    EXPECT_EQ(Matcher("a$").Anchored("xa\r\n"), Offsets(1, 2));
    EXPECT_EQ(Matcher("a$", mcls_LF).Anchored("xa\r\n"), kNone);
    EXPECT_EQ(Matcher("a$", mcls_LF).Anchored("xa\nb"), Offsets(1, 2));
    EXPECT_EQ(Matcher("a$").Anchored("xa"), Offsets(1, 2));
    EXPECT_EQ(Matcher("a$", mcls_LF).Anchored("xa"), Offsets(1, 2));
    EXPECT_EQ(Matcher("$").Anchored("ab\r\ncd"), Offsets(2, 2));
    EXPECT_EQ(Matcher("$").Anchored("abc"), Offsets(3, 3));
    EXPECT_EQ(Matcher("$").Next(""), Offsets(0, 0));
    EXPECT_EQ(Matcher("$a").First("x$a"), Offsets(1, 3));
    EXPECT_EQ(Matcher("^>.*$").Anchored(">quote\r\n"), Offsets(0, 6));
    EXPECT_EQ(Matcher("^>.*$").Anchored("a\n>b\r\n"), Offsets(2, 4));
    EXPECT_EQ(Matcher("a$|b").Anchored("ab"), Offsets(1, 2));
    EXPECT_EQ(Matcher("^$").Anchored(""), Offsets(0, 0));
    EXPECT_EQ(Matcher("^$").Anchored("a\n\r\n"), Offsets(2, 2));
}

TEST(MatcherTest, HeadAndTailCharactersAreNotConfusedWithOtherRanges) {
    // A literal '^' next to a class holding it: both must stay reachable.
    EXPECT_EQ(Matcher("a(^|[\\x5d-\\x5f])b").First("a^b"), Offsets(0, 3));
    EXPECT_EQ(Matcher("a(^|[\\x5d-\\x5f])b").First("a_b"), Offsets(0, 3));
    EXPECT_EQ(Matcher("x($|[#-%])y").First("x$y"), Offsets(0, 3));
    // Codes that no text can hold are not taken for the pseudo characters.
    EXPECT_EQ(Matcher("\\xfffd*a").Next("ba"), Offsets(1, 2));
    EXPECT_EQ(Matcher("a\\xfffe").Anchored("a"), kNone);
    EXPECT_EQ(Matcher("a\\xffff").Anchored("a"), kNone);
    EXPECT_EQ(Matcher("a\\x0").First("a"), kNone);
    EXPECT_EQ(Matcher("[^\\x01-\\xffff]|b").First("ab"), Offsets(1, 2));
}

TEST(MatcherTest, LoneLeadByteAtTheEndIsNeverPassed) {
    EXPECT_EQ(Matcher(".*").First("ab\x82"), Offsets(0, 2));
    EXPECT_EQ(Matcher("b$").Anchored("ab\x82"), kNone);
    EXPECT_EQ(Matcher("x").First("\x82"), kNone);
    EXPECT_EQ(Matcher("x").Next("\x82"), kNone);
}

TEST(MatcherTest, CacheKeepsThirtyPatternsWithTheEmptyOneFirst) {
    TAWKStr awk(nullptr);
    EXPECT_EQ(awk.CacheCount(), 1);
    EXPECT_EQ(awk.CachedPattern(0), "");
    for (int i = 0; i < 29; ++i)
        awk.SetRegExp("p" + std::to_string(i));
    EXPECT_EQ(awk.CacheCount(), 30);
    EXPECT_EQ(awk.CachedPattern(1), "p28");
    EXPECT_EQ(awk.CachedPattern(29), "p0");
    // Re-setting a cached pattern does not move it.
    awk.SetRegExp("p0");
    EXPECT_EQ(awk.CurrentIndex(), 29);
    EXPECT_EQ(awk.CachedPattern(29), "p0");
    awk.SetRegExp("new");
    EXPECT_EQ(awk.CacheCount(), 30);
    EXPECT_EQ(awk.CachedPattern(1), "new");
    EXPECT_EQ(awk.CachedPattern(29), "p1");
    EXPECT_EQ(awk.CachedPattern(0), "");
    const char* text = "xp0";
    awk.SetRegExp("p0");
    EXPECT_EQ(Of(text, awk.Match(text)), Offsets(1, 3));
}

TEST(MatcherTest, InvalidPatternLeavesTheEmptyPatternCurrent) {
    TAWKStr awk(nullptr);
    awk.SetRegExp("^ab");
    EXPECT_TRUE(awk.MatchProc() == TAWKStr::MatchRoutine(&TMatchCORE::MatchFirstAnchored));
    const int count = awk.CacheCount();
    EXPECT_THROW(awk.SetRegExp("a(b"), ERegExpParser);
    EXPECT_EQ(awk.RegExp(), "");
    EXPECT_EQ(awk.CurrentIndex(), 0);
    EXPECT_EQ(awk.CacheCount(), count);
    EXPECT_TRUE(awk.MatchProc() == TAWKStr::MatchRoutine(&TMatchCORE::MatchFirst));
    const char* text = "xab";
    EXPECT_EQ(Of(text, awk.Match(text)), Offsets(0, 0));
    awk.SetRegExp("b");
    EXPECT_EQ(awk.RegExp(), "b");
    EXPECT_EQ(Of(text, awk.Match(text)), Offsets(2, 3));
}

TEST(MatcherTest, ExplodingPatternsAreRefusedWithAClearError) {
    TAWKStr awk(nullptr);
    std::string exploding = "(a|b)*a";
    for (int i = 0; i < 16; ++i)
        exploding += "(a|b)";
    try {
        awk.SetRegExp(exploding);
        FAIL() << "no error";
    } catch (const ERegExpParser& e) {
        EXPECT_EQ(e.Message(), RegExpMessage::TooComplex);
    }
    EXPECT_EQ(awk.RegExp(), "");
    // Nested '+' double the automaton at every level.
    std::string nested = "a";
    for (int i = 0; i < 40; ++i)
        nested = "(" + nested + ")+";
    EXPECT_THROW(awk.SetRegExp(nested), ERegExpParser);
    // A moderate one still compiles.
    std::string fine = "(a|b)*a(a|b)(a|b)(a|b)(a|b)(a|b)(a|b)";
    awk.SetRegExp(fine);
    const char* text = "bbabbbbbbb";
    EXPECT_EQ(Of(text, awk.MatchFirst(text)), Offsets(0, 9));
}

TEST(MatcherTest, LoweredBoundsApplyToTheNextCompilation) {
    const TREAutomatonLimits saved = AutomatonLimits();
    TAWKStr awk(nullptr);
    AutomatonLimits().dfaStates = 4;
    EXPECT_THROW(awk.SetRegExp("abcdef"), ERegExpParser);
    awk.SetRegExp("ab");
    AutomatonLimits() = saved;
    awk.SetRegExp("abcdef");
    EXPECT_EQ(awk.RegExp(), "abcdef");
}

TEST(MatcherTest, AutomatonTransitionsAreSortedAndDisjoint) {
    TREParser parser("([a-f]|[d-k]x|\\x82\\xa0|.)*(^|[\\x5c-\\x5f])$");
    parser.Run();
    TRE_NFA nfa(parser, 0xFFFE, 0xFFFD);
    nfa.Run();
    TRE_DFA dfa;
    dfa.Run(nfa);
    for (int s = 0; s < dfa.StateCount(); ++s) {
        const auto& t = dfa.State(s).transitions;
        for (std::size_t i = 1; i < t.size(); ++i)
            EXPECT_LT(t[i - 1].hi, t[i].lo) << "state " << s;
    }
    EXPECT_TRUE(dfa.LineTailUsed());
    EXPECT_FALSE(dfa.LineHeadUsed());
}

} // namespace
} // namespace kes
