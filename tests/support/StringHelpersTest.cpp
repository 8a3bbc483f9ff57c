#include "support/StringHelpers.h"
#include "toolkit/core/TStringList.h"

#include <gtest/gtest.h>

namespace kes {
namespace {

// "あaい" in CP932: 0x82 0xA0, 'a', 0x82 0xA2. "\x83\x41" is "ア", whose trail byte is 'A'.
const std::string kMixed = "\x82\xA0"
                           "a\x82\xA2";

TEST(StringHelpers, PositionsAreOneBasedAndSafeOutside) {
    EXPECT_EQ(Larger(3, -4), 3);
    EXPECT_EQ(Smaller(3, -4), -4);
    EXPECT_EQ(ByteAt("abc", 1), 'a');
    EXPECT_EQ(ByteAt("abc", 3), 'c');
    EXPECT_EQ(ByteAt("abc", 0), 0);
    EXPECT_EQ(ByteAt("abc", 4), 0);
    EXPECT_EQ(ByteAt("", 1), 0);
    EXPECT_EQ(CountOfByte("a,b,c,", ',', 4), 2);
    EXPECT_EQ(CountOfByte("a,b,c,", ',', 100), 3);
    EXPECT_EQ(CountOfByte("a,b", ',', 0), 0);
    EXPECT_EQ(CountOfByte("a,b", ',', -5), 0);
}

TEST(StringHelpers, LeadAndTrailFollowTheCharacterWalk) {
    const bool lead[] = {true, false, false, true, false};
    const bool trail[] = {false, true, false, false, true};
    for (int i = 1; i <= 5; ++i) {
        EXPECT_EQ(IsLeadByteAt(kMixed, i), lead[i - 1]) << i;
        EXPECT_EQ(IsTrailByteAt(kMixed, i), trail[i - 1]) << i;
    }
    for (int i : {0, 6, -1}) {
        EXPECT_FALSE(IsLeadByteAt(kMixed, i)) << i;
        EXPECT_FALSE(IsTrailByteAt(kMixed, i)) << i;
    }
    // 0x82 0x82: the second 0x82 is a trail byte although it is in the lead range.
    EXPECT_TRUE(IsTrailByteAt("\x82\x82\x82", 2));
    EXPECT_TRUE(IsLeadByteAt("\x82\x82\x82", 3)) << "a lead byte at the very end still counts";
}

TEST(StringHelpers, ContainsMatchesOnlyAtCharacterStarts) {
    EXPECT_TRUE(Contains("a", kMixed));
    EXPECT_TRUE(Contains("\x82\xA2", kMixed));
    EXPECT_FALSE(Contains("", kMixed));
    EXPECT_FALSE(Contains("A", "\x83\x41")) << "'A' is the trail byte of a katakana letter";
    EXPECT_FALSE(Contains("\xA0"
                          "a",
                          kMixed));
    EXPECT_TRUE(Contains("abc", "xabc"));
    EXPECT_FALSE(Contains("abcd", "abc"));
}

TEST(StringHelpers, TextToLinesSplitsAtEveryBreakInOneUpdate) {
    struct Case {
        std::string text;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\rb", {"a", "b"}},
        {"a\n\nb", {"a", "", "b"}},
        {"a\r\rb\n", {"a", "", "b"}},
        {"\n", {""}},
        {"\r\n\r\n", {"", ""}},
        {"x", {"x"}},
        {std::string("a\0b\nc", 5), {std::string("a\0b", 3), "c"}}, // a NUL byte is text
    };
    for (const Case& k : cases) {
        TStringList list;
        list.Add("old");
        int changes = 0;
        struct Counter : TObject {
            int* n;
            void Change(TObject*) { ++*n; }
        } counter;
        counter.n = &changes;
        list.OnChange = MethodOf<&Counter::Change>(&counter);
        TextToLines(k.text, &list);
        ASSERT_EQ(list.Count(), static_cast<int>(k.lines.size())) << k.text;
        for (int i = 0; i < list.Count(); ++i)
            EXPECT_EQ(list.Get(i), k.lines[static_cast<size_t>(i)]) << k.text << " line " << i;
        EXPECT_EQ(changes, 1) << "one update for the whole replacement";
    }
    TStringList list;
    list.Add("old");
    TextToLines("", &list);
    EXPECT_EQ(list.Count(), 0);
}

} // namespace
} // namespace kes
