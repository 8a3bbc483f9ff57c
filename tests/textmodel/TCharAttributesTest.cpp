#include "textmodel/TCharAttributes.h"
#include "textmodel/TEditorAttributeArray.h"

#include <gtest/gtest.h>

namespace kes {
namespace {

TEST(TCharAttributes, DefaultDelimitersAreAsciiPunctuationAndHalfWidthMarks) {
    TDelimiters d = DefaultDelimiters();
    for (int b : {0x00, 0x09, 0x20, 0x2F, 0x3A, 0x40, 0x5B, 0x5E, 0x60, 0x7B, 0x7F, 0x80, 0xA0,
                  0xA5, 0xFD, 0xFF})
        EXPECT_TRUE(d.test(b)) << b;
    for (int b : {0x30, 0x39, 0x41, 0x5A, 0x5F, 0x61, 0x7A, 0x81, 0xA6, 0xDF, 0xE0, 0xFC})
        EXPECT_FALSE(d.test(b)) << b;
    EXPECT_EQ(d.count(), 0x30u + 7 + 4 + 1 + 6 + 6 + 3);
}

TEST(TCharAttributes, OneCodePerColumn) {
    TCharAttributes rule;
    rule.tabSpaceCount = 4;
    // a, あ, tab at column 3 (pads to 4), ',' and a half-width katakana.
    EXPECT_EQ(rule.Build("a\x82\xA0\t,\xB1"), "145221")
        << "a tab one column before a stop is one column";
    EXPECT_EQ(rule.Build("\t"), "2333");
    EXPECT_EQ(rule.Width("a\x82\xA0\t,\xB1"), 6);
    // A lead byte with no trail byte at the end of a text is a single column.
    EXPECT_EQ(rule.Build("a\x82"), "11");
}

// A lead byte before a line break, a NUL or another byte that cannot be a trail byte is one
// column, and the byte after it keeps its own column, in the columns and the wrap alike.
TEST(TCharAttributes, ALoneLeadByteIsOneColumn) {
    using namespace std::string_literals;
    TCharAttributes rule;
    EXPECT_EQ(rule.Build("\x82\r\x82\n"), "1212");
    EXPECT_EQ(rule.Build("\x82\0"s), "12");
    EXPECT_EQ(rule.Build("\x82 \x82\x40"), "1245");
    EXPECT_EQ(rule.Width("\x82\n"), 2);
    rule.tabSpaceCount = 4;
    EXPECT_EQ(rule.Build("\x82\t"), "1233") << "the tab starts in column 1, not inside a character";
}

TEST(TCharAttributes, TabsNeverCrossTheWrapWidthWhenWrapping) {
    TCharAttributes rule;
    rule.wordWrap = true;
    rule.wrapByte = 75;
    std::string text(72, 'x');
    text += "\tyz";
    std::string a = rule.Build(text);
    EXPECT_EQ(a.substr(72), "23311") << "the tab at column 72 takes 3 columns, not 8";
    rule.wordWrap = false;
    EXPECT_EQ(rule.Build(text).substr(72), "2333333311");
    EXPECT_EQ(rule.Width(text), 82);
}

TEST(TCharAttributes, OnlyTheHeadOfALongTextIsDescribed) {
    TCharAttributes rule;
    std::string longText(3000, 'x');
    EXPECT_EQ(rule.Build(longText).size(), 1000u);
    EXPECT_EQ(rule.Width(longText), 3000);
    rule.wordWrap = true;
    rule.wrapByte = 20;
    EXPECT_EQ(rule.Build(longText).size(), 23u);
    // Building stops after the character that reaches the limit, whole.
    std::string wide;
    for (int i = 0; i < 20; ++i)
        wide += "\x82\xA0";
    EXPECT_EQ(rule.Build("x" + wide).size(), 23u);
    EXPECT_EQ(rule.Build(wide).size(), 24u);
}

TEST(TEditorAttributeArray, ByteIndexFollowsTheColumn) {
    TCharAttributes rule;
    rule.tabSpaceCount = 6;
    std::string text = "a\x82\xA0\tb";         // a あ tab b
    std::string attributes = rule.Build(text); // 1 45 233 1
    TEditorAttributeArray c;
    c.Assign(text, attributes);
    EXPECT_EQ(c.Length(), 7);
    int expectedByte[] = {1, 2, 3, 4, 4, 4, 5, 6};
    for (int col = 1; col <= 8; ++col) {
        c.MoveTo(col);
        EXPECT_EQ(c.Col(), col);
        EXPECT_EQ(c.ByteIndex(), expectedByte[col - 1]) << "column " << col;
    }
    EXPECT_TRUE(c.AtEnd());
    EXPECT_EQ(c.CurrentChar(), "");
    EXPECT_EQ(c.NextChar(), "") << "nothing lies beyond the end marker";
    EXPECT_EQ(c.Col(), 8);
    c.MoveTo(100);
    EXPECT_EQ(c.Col(), 8);
    c.MoveTo(3);
    EXPECT_EQ(c.CurrentChar(), "\x82\xA0");
    c.MoveTo(6);
    EXPECT_EQ(c.CurrentChar(), "\t");
    c.StepBack();
    EXPECT_EQ(c.Col(), 5);
    c.MoveTo(4);
    c.StepBack();
    EXPECT_EQ(c.Col(), 3) << "from the tab back onto the trail byte of あ";
    c.MoveTo(1);
    c.StepForward();
    EXPECT_EQ(c.Col(), 3) << "forward over the lead byte onto the trail byte";
    EXPECT_EQ(c.NextChar(), "\t");
    c.MoveTo(0);
    c.Prev();
    EXPECT_EQ(c.Col(), 1);
}

} // namespace
} // namespace kes
