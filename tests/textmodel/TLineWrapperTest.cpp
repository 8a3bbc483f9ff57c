#include "textmodel/TLineWrapper.h"
#include "textmodel/TCharAttributes.h"
#include "textmodel/TEditorWrapOption.h"

#include <gtest/gtest.h>

namespace kes {
namespace {

const std::string A = "\x82\xA0";      // あ
const std::string Open = "\x81\x75";   // 「
const std::string Close = "\x81\x76";  // 」
const std::string Period = "\x81\x42"; // 。

// The rows of one line as "text|C" (continued) or "text|L" (line end).
std::vector<std::string> Wrap(const std::string& line, const TEditorWrapOption& option,
                              int tabSpaceCount = 8) {
    TCharAttributes rule;
    rule.wordWrap = true;
    rule.wrapByte = option.WrapByte();
    rule.tabSpaceCount = tabSpaceCount;
    TLineWrapper wrapper(option, [&rule](std::string_view t, std::string& a) { rule.Build(t, a); });
    std::vector<std::string> rows;
    for (const TWrapPiece& piece : wrapper.Cut(line))
        rows.push_back(line.substr(piece.start, piece.length) + (piece.continued ? "|C" : "|L"));
    return rows;
}

std::string Letters(int n) {
    std::string s;
    for (int i = 0; i < n; ++i)
        s += static_cast<char>('a' + i % 26);
    return s;
}

using Rows = std::vector<std::string>;

TEST(TLineWrapper, AFullRowLeavesAnEmptyRowUnlessTheBreakMayHang) {
    TEditorWrapOption option;
    EXPECT_EQ(Wrap(Letters(79), option), Rows{Letters(79) + "|L"});
    EXPECT_EQ(Wrap(Letters(80), option), (Rows{Letters(80) + "|C", "|L"}));
    EXPECT_EQ(Wrap("", option), Rows{"|L"});
    option.SetFollowRetMark(true);
    EXPECT_EQ(Wrap(Letters(80), option), Rows{Letters(80) + "|L"});
    EXPECT_EQ(Wrap(Letters(160), option),
              (Rows{Letters(80) + "|C", Letters(160).substr(80) + "|L"}));
    EXPECT_EQ(Wrap(Letters(170), option), (Rows{Letters(80) + "|C", Letters(160).substr(80) + "|C",
                                                Letters(170).substr(160) + "|L"}));
}

TEST(TLineWrapper, ADoubleByteCharacterNeverStraddlesTheMargin) {
    TEditorWrapOption option;
    EXPECT_EQ(Wrap(Letters(79) + A + "b", option), (Rows{Letters(79) + "|C", A + "b|L"}));
    std::string wide;
    for (int i = 0; i < 41; ++i)
        wide += A;
    Rows rows = Wrap(wide, option);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].size(), 80u + 2) << "40 characters fill the row exactly";
}

TEST(TLineWrapper, KinsokuKeepsOpeningMarksOffRowEndsAndClosingMarksOffRowStarts) {
    TEditorWrapOption option;
    option.SetLeading(true);
    // 「 at columns 79-80 moves to the next row.
    EXPECT_EQ(Wrap(Letters(78) + Open + "xy", option), (Rows{Letters(78) + "|C", Open + "xy|L"}));
    // An opening mark at column 80 pulls back too.
    EXPECT_EQ(Wrap(Letters(79) + "(xy", option), (Rows{Letters(79) + "|C", "(xy|L"}));
    // 。 that would begin the next row takes the last letter of the row with it.
    EXPECT_EQ(Wrap(Letters(80) + Period, option),
              (Rows{Letters(79) + "|C", Letters(80).substr(79) + Period + "|L"}));
    // 79 letters then 」: the double-byte mark cannot end the row, and cannot begin the next.
    EXPECT_EQ(Wrap(Letters(79) + Close, option),
              (Rows{Letters(78) + "|C", Letters(79).substr(78) + Close + "|L"}));
    // A run of closing marks pulls back no further than four fifths of the width.
    std::string closes;
    for (int i = 0; i < 20; ++i)
        closes += Close;
    Rows rows = Wrap(Letters(70) + closes, option);
    EXPECT_EQ(rows[0], Letters(69) + "|C") << "the last letter goes along with the marks";
    rows = Wrap(Letters(60) + closes, option);
    EXPECT_EQ(rows[0], Letters(60) + Close + Close + "|C") << "down to 64 columns, no further";
    // The same for a run of opening marks at the row end.
    std::string opens;
    for (int i = 0; i < 20; ++i)
        opens += Open;
    rows = Wrap(Letters(60) + opens, option);
    EXPECT_EQ(rows[0].size(), 64u + 2);
    // Without Leading nothing moves.
    option.SetLeading(false);
    EXPECT_EQ(Wrap(Letters(80) + Period, option), (Rows{Letters(80) + "|C", Period + "|L"}));
}

TEST(TLineWrapper, PunctuationHangsPastTheMargin) {
    TEditorWrapOption option;
    option.SetFollowPunctuation(true);
    EXPECT_EQ(Wrap(Letters(80) + Period + "z", option), (Rows{Letters(80) + Period + "|C", "z|L"}));
    // At most two more marks: the row ends by column W + 2, W + 3 for a double-byte mark.
    EXPECT_EQ(Wrap(Letters(80) + ",,,,z", option), (Rows{Letters(80) + ",,|C", ",,z|L"}));
    EXPECT_EQ(Wrap(Letters(80) + "," + Period + Period, option),
              (Rows{Letters(80) + "," + Period + "|C", Period + "|L"}));
    // Only a mark right at the margin hangs.
    EXPECT_EQ(Wrap(Letters(81) + Period, option), (Rows{Letters(80) + "|C", "c" + Period + "|L"}));
    // Closing marks that are not punctuation do not hang.
    EXPECT_EQ(Wrap(Letters(80) + Close, option), (Rows{Letters(80) + "|C", Close + "|L"}));
}

TEST(TLineWrapper, WordBreakCutsAfterADelimiterButKeepsAThirdOfTheRow) {
    TEditorWrapOption option;
    option.SetWordBreak(true);
    std::string line = Letters(70) + " " + "abcdefghijklmnop";
    EXPECT_EQ(Wrap(line, option), (Rows{Letters(70) + " |C", "abcdefghijklmnop|L"}));
    std::string noBreak = Letters(20) + " " + Letters(100);
    Rows rows = Wrap(noBreak, option);
    EXPECT_EQ(rows[0], noBreak.substr(0, 26) + "|C") << "no delimiter after column 26";
    // After a double-byte character the row may end too.
    std::string afterWide = Letters(60) + A + Letters(40);
    EXPECT_EQ(Wrap(afterWide, option)[0], Letters(60) + A + "|C");
    // A line that is exactly as wide as a row is not broken between words.
    option.SetFollowRetMark(true);
    std::string exact = Letters(40) + " " + Letters(39);
    EXPECT_EQ(Wrap(exact, option), Rows{exact + "|L"});
}

TEST(TLineWrapper, ATabStopsAtTheMarginAndTheRestStartsItsOwnTabStops) {
    TEditorWrapOption option;
    option.SetWrapByte(75);
    std::string line = Letters(72) + "\txyz\tq";
    EXPECT_EQ(Wrap(line, option), (Rows{Letters(72) + "\t|C", "xyz\tq|L"}));
}

TEST(TLineWrapper, MembershipNeverMatchesHalfACharacter) {
    // ー is 0x81 0x5B, and 0x5B is '['.
    EXPECT_FALSE(TLineWrapper::CharIn("[", "\x81\x5B"));
    EXPECT_FALSE(TLineWrapper::CharIn("\x81\x5B", "["));
    EXPECT_TRUE(TLineWrapper::CharIn("[", "\x81\x5B["));
    EXPECT_TRUE(TLineWrapper::CharIn("\x81\x5B", "a\x81\x5B"));
    EXPECT_FALSE(TLineWrapper::CharIn("", "abc"));
}

TEST(TLineWrapper, EveryCutTakesAtLeastOneByteAtTheNarrowestWidth) {
    TEditorWrapOption option;
    option.SetWrapByte(20);
    option.SetLeading(true);
    option.SetWordBreak(true);
    option.SetFollowPunctuation(true);
    std::string hostile;
    for (int i = 0; i < 50; ++i)
        hostile += Open + Close + "\t(" + Period;
    size_t total = 0;
    for (const std::string& row : Wrap(hostile, option)) {
        EXPECT_GT(row.size(), 2u);
        total += row.size() - 2;
    }
    EXPECT_EQ(total, hostile.size());
}

} // namespace
} // namespace kes
