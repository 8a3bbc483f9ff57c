#include "regexp/ERegExpParser.h"
#include "regexp/FuzzyCharDic.h"
#include "regexp/TAWKStr.h"
#include "regexp/TREPreProcessor.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kes {
namespace {

using Entries = std::vector<std::string>;

std::string Fuzzy(const std::string& pattern) {
    TREPreProcessor pass;
    pass.FuzzyCharDicList().push_back(&FuzzyCharDic());
    pass.SetUseFuzzyCharDic(true);
    pass.SetText(pattern);
    pass.Run();
    return pass.TargetText();
}

const std::string& Group(int row) {
    return FuzzyCharDic().Rows(row).replacement;
}

TEST(DictionaryTest, CommaTextsSplitLikeTheStoredRows) {
    EXPECT_EQ(SplitCommaText("a,b,c"), (Entries{"a", "b", "c"}));
    EXPECT_EQ(SplitCommaText("  a , b"), (Entries{"a", "b"}));
    EXPECT_EQ(SplitCommaText("a b"), (Entries{"a", "b"}));
    EXPECT_EQ(SplitCommaText("\" \",\"x,y\""), (Entries{" ", "x,y"}));
    EXPECT_EQ(SplitCommaText("\"\"\"\",z"), (Entries{"\"", "z"}));
    EXPECT_EQ(SplitCommaText("a,"), (Entries{"a", ""}));
    EXPECT_EQ(SplitCommaText("a,,b"), (Entries{"a", "", "b"}));
    EXPECT_EQ(SplitCommaText(""), Entries{});
    EXPECT_EQ(SplitCommaText("\"open"), (Entries{"open"}));
    // ソ's trail byte is '\' and ー's is '['; neither ends an item.
    EXPECT_EQ(SplitCommaText("\x83\x5C,\x81\x5B"), (Entries{"\x83\x5C", "\x81\x5B"}));
}

TEST(DictionaryTest, FuzzyCharDicHoldsEveryRowInOrder) {
    const TREDictionary& dic = FuzzyCharDic();
    ASSERT_EQ(dic.RowCount(), 145);
    EXPECT_EQ(dic.Rows(0).entries, (Entries{"\x82\x60", "\x82\x81", "A", "a"}));  // Ａ ａ A a
    EXPECT_EQ(dic.Rows(25).entries, (Entries{"\x82\x79", "\x82\x9A", "Z", "z"})); // Ｚ ｚ Z z
    EXPECT_EQ(dic.Rows(27).entries, // 1 １ 一 ① Ⅰ 壱
              (Entries{"1", "\x82\x50", "\x88\xEA", "\x87\x40", "\x87\x54", "\x88\xEB"}));
    EXPECT_EQ(dic.Rows(36).entries, (Entries{"\x81\x40", " "}));  // full-width space
    EXPECT_EQ(dic.Rows(38).entries, (Entries{"\"", "\x81\x68"})); // " ”
    EXPECT_EQ(dic.Rows(48).entries, (Entries{"\x81\x5B", "\x81\x60", "\xB0", ""})); // ー ～ ｰ
    EXPECT_EQ(dic.Rows(49).entries, (Entries{"-", "\x81\x5B", "\x81\x7C", "\x81\x60", "\xB0"}));
    EXPECT_EQ(dic.Rows(60).entries, (Entries{"\\", "\x81\x8F"}));                    // \ ￥
    EXPECT_EQ(dic.Rows(65).entries, (Entries{"|", "\x81\x62"}));                     // | ｜
    EXPECT_EQ(dic.Rows(67).entries, (Entries{"~", "\x81\x50"}));                     // ~ ￣
    EXPECT_EQ(dic.Rows(68).entries, (Entries{",", "\xA4", "\x81\x41", "\x81\x43"})); // , ､ 、 ，
    EXPECT_EQ(dic.Rows(79).entries.size(), 10u);
    EXPECT_EQ(dic.Rows(86).entries[5], "\x83\x94\x83\x40"); // ヴァ
    EXPECT_EQ(dic.Rows(139).entries,
              (Entries{"\x82\xED", "\x83\x8F", "\xDC", "\x82\xA4\x82\x9F", "\x83\x45\x83\x40",
                       "\xB3\xA7"})); // わ ワ ﾜ うぁ ウァ ｳｧ
    EXPECT_EQ(dic.Rows(144).entries, (Entries{"\xDF", "\x81\x4B"})); // ﾟ ゜
    for (int r = 0; r < dic.RowCount(); ++r)
        EXPECT_GE(dic.Rows(r).entries.size(), 2u) << "row " << r;
}

TEST(DictionaryTest, FuzzyPassRewritesOrdinaryCharacters) {
    EXPECT_EQ(Fuzzy("a"), "(\x82\x60|\x82\x81|A|a)");
    EXPECT_EQ(Fuzzy("\\."), "(\xA1|\\.|\x81\x42|\x81\x44)");
    EXPECT_EQ(Fuzzy("\\\\"), "(\\\\|\x81\x8F)");
    EXPECT_EQ(Fuzzy("\\|"), "(\\||\x81\x62)");
    // か゛ is one entry of the が row, not か followed by ゛.
    EXPECT_EQ(Fuzzy("\x82\xA9\x81\x4A"),
              "(\x82\xAA|\x83\x4B|\xB6\xDE|\x82\xA9\x81\x4A|\x83\x4A\x81\x4A)");
    EXPECT_EQ(Fuzzy("\x82\xA9\x81\x4A*"), Group(73) + "*");
    // コーヒー: the long vowel row has an empty alternative.
    EXPECT_EQ(Fuzzy("\x83\x52\x81\x5B\x83\x71\x81\x5B"),
              Group(105) + Group(48) + Group(122) + Group(48));
    EXPECT_EQ(Group(48), "(\x81\x5B|\x81\x60|\xB0|)");
    for (const char* unchanged : {"[abc]", "[^abc]", "[a-z]", "\x8C\x66", "()|*"})
        EXPECT_EQ(Fuzzy(unchanged), unchanged);
    EXPECT_EQ(Fuzzy("a-z"), Group(0) + Group(49) + Group(25));
    // うぁ finds the う row first.
    EXPECT_EQ(Fuzzy("\x82\xA4\x82\x9F"), Group(98) + Group(96));
    EXPECT_EQ(Fuzzy("\\x41"), Group(0));
    EXPECT_EQ(Fuzzy("x[a]y"), Group(23) + "[a]" + Group(24));
}

TEST(DictionaryTest, TokenFaultsSurfaceOnlyWhenAPassIsOn) {
    TAWKStr awk(nullptr);
    try {
        awk.SetRegExp("[ab");
        FAIL();
    } catch (const ERegExpParser& e) {
        EXPECT_EQ(e.Message(), "右ブラケット\"]\"が必要です");
    }
    awk.SetRegExp("a");
    awk.SetUseFuzzyCharDic(true);
    try {
        awk.SetRegExp("x[ab");
        FAIL();
    } catch (const ERegExpParser& e) {
        EXPECT_EQ(e.Message(), "右ブラケット\"]\"が必要です");
        EXPECT_EQ(e.ErrorPos(), 5);
    }
    // The failed bracket does not leak into the next pattern.
    awk.SetRegExp("a");
    EXPECT_EQ(awk.CachedPattern(awk.CurrentIndex()), Group(0));
}

TEST(DictionaryTest, FuzzyMatchingFindsOtherSpellings) {
    TAWKStr awk(nullptr);
    awk.SetUseFuzzyCharDic(true);
    awk.SetRegExp("\xB6\xDE"); // ｶﾞ
    for (const char* text :
         {"\x82\xAA", "\x83\x4B", "\x82\xA9\x81\x4A", "\x83\x4A\x81\x4A", "\xB6\xDE"}) {
        const TMatchRange m = awk.MatchFirst(text);
        ASSERT_TRUE(m) << text;
        EXPECT_EQ(m.end - m.start, static_cast<long>(std::string(text).size()));
    }
    awk.SetRegExp("\x83\x52\x81\x5B\x83\x71\x81\x5B"); // コーヒー
    const char* short_ = "\x83\x52\x83\x71";           // コヒ
    EXPECT_TRUE(awk.MatchFirst(short_));
    EXPECT_EQ(awk.RegExp(), "\x83\x52\x81\x5B\x83\x71\x81\x5B");
    awk.SetUseFuzzyCharDic(false);
    EXPECT_FALSE(awk.MatchFirst(short_));
}

TEST(DictionaryTest, SynonymDictionariesComeFirst) {
    TREDictionary synonyms;
    synonyms.AddCommaText("\x8C\x66\x8E\xA6\x94\xC2,BBS"); // 掲示板,BBS
    TAWKStr awk(nullptr);
    awk.PreProcessor().SynonymDicList().push_back(&synonyms);
    awk.SetUseSynonymDic(true);
    awk.SetRegExp("BBS!");
    EXPECT_EQ(awk.CachedPattern(awk.CurrentIndex()), "(\x8C\x66\x8E\xA6\x94\xC2|BBS)!");
    EXPECT_TRUE(awk.MatchFirst("\x8C\x66\x8E\xA6\x94\xC2!"));
    awk.SetUseFuzzyCharDic(true);
    // The fuzzy pass then works on the synonym group's characters.
    EXPECT_TRUE(awk.MatchFirst("\x82\x61\x82\x61\x82\x72\x81\x49")); // ＢＢＳ！
}

} // namespace
} // namespace kes
