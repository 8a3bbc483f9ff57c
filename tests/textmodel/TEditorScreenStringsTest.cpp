#include "ScreenTestSupport.h"

#include "textmodel/TEditorScreen.h"
#include "textmodel/TEditorUndoObj.h"

#include <gtest/gtest.h>

namespace kes {
namespace {

using test::Dump;
using test::FakeView;
using test::Letters;
using Rows = std::vector<std::string>;

TEST(TEditorScreenStrings, UpdateRowsOnAnEmptyListEndsTheTextAsTheTextEnds) {
    FakeView view;
    TEditorScreenStrings& rows = view.Rows();
    rows.UpdateRows(0, 0, "a\r\nb");
    EXPECT_EQ(Dump(rows), (Rows{"a|L", "b|T"}));
    EXPECT_EQ(view.changes, 1) << "one notification per edit";
    EXPECT_TRUE(view.lastInfo.Valid);
    EXPECT_EQ(view.lastInfo.NewCount, 2);
    EXPECT_FALSE(rows.UpdateInfo().Valid) << "the record is cleared when the update ends";

    FakeView other;
    other.Rows().UpdateRows(0, 0, "a\r\n");
    EXPECT_EQ(Dump(other.Rows()), Rows{"a|L"});
    // A text ending in a lone CR ends with a line break too.
    other.Rows().UpdateRows(1, 0, "b\r");
    EXPECT_EQ(Dump(other.Rows()), (Rows{"a|L", "b|L"}));
}

TEST(TEditorScreenStrings, InvalidRangesAreIgnored) {
    FakeView view;
    TEditorScreenStrings& rows = view.Rows();
    rows.UpdateRows(0, 0, "a\r\nb\r\n");
    rows.UpdateRows(-1, 0, "x");
    rows.UpdateRows(3, 0, "x");
    rows.UpdateRows(1, 2, "x");
    rows.UpdateRows(1, 0, "");
    EXPECT_EQ(Dump(rows), (Rows{"a|L", "b|L"}));
    EXPECT_EQ(rows.UndoObj().UndoList().Count(), 1);
}

TEST(TEditorScreenStrings, TextAppendedAfterAnUnbrokenLastRowJoinsIt) {
    FakeView view;
    TEditorScreenStrings& rows = view.Rows();
    rows.UpdateRows(0, 0, "a\r\nb");
    rows.UpdateRows(2, 0, "c\r\nd");
    EXPECT_EQ(Dump(rows), (Rows{"a|L", "bc|L", "d|T"}));
    rows.Undo();
    EXPECT_EQ(Dump(rows), (Rows{"a|L", "b|T"}));
}

TEST(TEditorScreenStrings, ALineBreakBeforeAnEmptyLastRowIsKept) {
    FakeView view;
    TEditorScreenStrings& rows = view.Rows();
    rows.WrapOption().SetWrapByte(20);
    rows.SetWordWrap(true);
    // A full row leaves an empty last row; text put in before it ends with a line break.
    rows.UpdateRows(0, 0, Letters(20));
    ASSERT_EQ(Dump(rows), (Rows{Letters(20) + "|C", "|T"}));
    rows.UpdateRows(1, 0, "\r\nxyz\r\n");
    EXPECT_EQ(rows.GetRowsText(0, rows.GetCount()).text, Letters(20) + "\r\nxyz\r\n");
    EXPECT_EQ(rows.RowAttributes(rows.GetCount() - 1), raTextEnd);
    rows.Undo();
    EXPECT_EQ(Dump(rows), (Rows{Letters(20) + "|C", "|T"}));
}

TEST(TEditorScreenStrings, RemovingALineBreakRewrapsTheFollowingLine) {
    FakeView view;
    TEditorScreenStrings& rows = view.Rows();
    rows.WrapOption().SetWrapByte(20);
    rows.SetWordWrap(true);
    rows.UpdateRows(0, 0, Letters(15) + "\r\n" + Letters(15, 'A') + "\r\n");
    EXPECT_EQ(rows.GetCount(), 2);
    // Row 0 rewritten without its line break.
    rows.UpdateRows(0, 1, Letters(15));
    EXPECT_EQ(Dump(rows),
              (Rows{Letters(15) + Letters(5, 'A') + "|C", Letters(15, 'A').substr(5) + "|L"}));
    EXPECT_EQ(rows.FirstRowOfLine(1), 0);
    EXPECT_EQ(rows.LastRowOfLine(0), 1);
    // Typing in the second row of a wrapped line re-cuts from the row above.
    rows.UpdateRows(1, 1, "xx" + Letters(15, 'A').substr(5) + "\r\n");
    EXPECT_EQ(Dump(rows), (Rows{Letters(15) + Letters(5, 'A') + "|C",
                                "xx" + Letters(15, 'A').substr(5) + "|L"}));
    rows.UpdateRows(0, 1, Letters(14));
    EXPECT_EQ(Dump(rows), (Rows{Letters(14) + "xx" + Letters(15, 'A').substr(5, 4) + "|C",
                                Letters(15, 'A').substr(9) + "|L"}));
}

TEST(TEditorScreenStrings, GetRowsTextAndLineBounds) {
    FakeView view;
    TEditorScreenStrings& rows = view.Rows();
    rows.WrapOption().SetWrapByte(20);
    rows.SetWordWrap(true);
    rows.UpdateRows(0, 0, "x\r\n" + Letters(45) + "\r\ny");
    ASSERT_EQ(Dump(rows), (Rows{"x|L", Letters(20) + "|C", Letters(40).substr(20) + "|C",
                                Letters(45).substr(40) + "|L", "y|T"}));
    auto line = rows.GetRowsText(2, -1);
    EXPECT_EQ(line.text, Letters(45).substr(20) + "\r\n");
    EXPECT_EQ(line.rows, 2);
    EXPECT_EQ(line.attribute, raLineEnd);
    auto all = rows.GetRowsText(0, 100);
    EXPECT_EQ(all.text, "x\r\n" + Letters(45) + "\r\ny");
    EXPECT_EQ(all.attribute, raTextEnd);
    EXPECT_EQ(rows.GetRowsText(5, 1).attribute, raNone);
    EXPECT_EQ(rows.GetRowsText(-1, 1).rows, 0);
    EXPECT_EQ(rows.FirstRowOfLine(3), 1);
    EXPECT_EQ(rows.FirstRowOfLine(-3), -3);
    EXPECT_EQ(rows.LastRowOfLine(1), 3);
    EXPECT_EQ(rows.LastRowOfLine(-1), -1);
    EXPECT_EQ(rows.LastRowOfLine(4), 4);
    EXPECT_EQ(rows.WrapCount(Letters(45)), 3);
    EXPECT_EQ(rows.WrapCount(Letters(40)), 3) << "a full last row leaves an empty row";
    rows.WrapOption().SetFollowRetMark(true);
    EXPECT_EQ(rows.WrapCount(Letters(40)), 2);
}

TEST(TEditorScreenStrings, MarksFollowTheirText) {
    FakeView view;
    TEditorScreenStrings& rows = view.Rows();
    rows.UpdateRows(0, 0, "a\r\nb\r\nc\r\n");
    rows.SetRowMarks(1, 0x2);
    rows.IncludeRowMarks(0x2);
    // Deleting a whole line carries its marks to the row that follows.
    rows.UpdateRows(1, 1, "");
    EXPECT_EQ(Dump(rows), (Rows{"a|L", "c|L"}));
    EXPECT_EQ(rows.RowMarks(1), 0x2);
    // Deleting the last rows carries them to the new last row.
    rows.SetRowMarks(1, 0x6);
    rows.UpdateRows(1, 1, "");
    EXPECT_EQ(rows.RowMarks(0), 0x6);
    // Emptying the text removes them from the used marks.
    rows.IncludeRowMarks(0x6);
    rows.UpdateRows(0, 1, "");
    EXPECT_EQ(rows.GetCount(), 0);
    EXPECT_EQ(rows.UsedRowMarks(), 0);

    // Enter at column 0 pushes the mark down with its text; elsewhere it stays on top.
    rows.UpdateRows(0, 0, "line\r\n");
    rows.SetRowMarks(0, 0x1);
    view.col = 0;
    rows.UpdateRows(0, 1, "\r\nline\r\n");
    EXPECT_EQ(rows.RowMarks(0), 0);
    EXPECT_EQ(rows.RowMarks(1), 0x1);
    view.col = 2;
    rows.UpdateRows(1, 1, "li\r\nne\r\n");
    EXPECT_EQ(rows.RowMarks(1), 0x1);
    EXPECT_EQ(rows.RowMarks(2), 0);
    // Replacing rows by fewer rows gives the removed rows' marks to the first new row.
    rows.SetRowMarks(2, 0x8);
    rows.UpdateRows(1, 2, "line\r\n");
    EXPECT_EQ(Dump(rows), (Rows{"|L", "line|L"}));
    EXPECT_EQ(rows.RowMarks(1), 0x9);
}

TEST(TEditorScreenStrings, ClearResetsRowsHistoryCaretsAndMarks) {
    FakeView view;
    TEditorScreenStrings& rows = view.Rows();
    rows.UpdateRows(0, 0, "a\r\nb\r\n");
    rows.IncludeRowMarks(0x3);
    view.row = 1;
    view.col = 1;
    view.selection = true;
    int changes = view.changes;
    rows.Clear();
    EXPECT_EQ(rows.GetCount(), 0);
    EXPECT_EQ(view.changes, changes + 1);
    EXPECT_EQ(view.lastInfo.OldCount, 2);
    EXPECT_EQ(view.lastInfo.NewCount, 0);
    EXPECT_FALSE(rows.UpdateInfo().Valid);
    EXPECT_FALSE(view.selection);
    EXPECT_EQ(view.row + view.col, 0);
    EXPECT_EQ(rows.UsedRowMarks(), 0);
    EXPECT_FALSE(rows.UndoObj().CanUndo());
}

TEST(TEditorScreenStrings, EditorsAreClampedToTheEndOfTheText) {
    FakeView view;
    FakeView second(&view.Rows());
    TEditorScreenStrings& rows = view.Rows();
    EXPECT_EQ(rows.OwnerEditor(), &view);
    second.focused = true;
    EXPECT_EQ(rows.ActiveEditor(), &second);
    rows.UpdateRows(0, 0, "a\r\nb\r\nc\r\n");
    view.row = 3;
    second.topRow = 3;
    rows.UpdateRows(1, 2, "");
    EXPECT_EQ(view.row, 1) << "the empty row after the final line break";
    EXPECT_EQ(second.topRow, 1);
    EXPECT_EQ(second.changes, view.changes) << "every view hears of every edit";
    rows.UpdateRows(0, 1, "x");
    EXPECT_EQ(view.row, 0) << "the last row, which has no line break";
}

// States as a parse from the top computes them, for rows whose state is stored.
void ExpectParseStateConsistent(TEditorScreenStrings& rows, TFountain& fountain) {
    auto parser = fountain.CreateParser();
    TRowAttributeData data = TRowAttributeData::TextStart();
    for (int i = 0; i < rows.GetCount(); ++i) {
        data.RowAttribute = rows.RowAttributes(i);
        if (rows.ParseStateComputed(i)) {
            TRowAttributeData stored = rows.RowData(i);
            EXPECT_EQ(stored.BracketIndex, data.BracketIndex) << "row " << i;
            EXPECT_EQ(stored.PrevRowAttribute, data.PrevRowAttribute) << "row " << i;
            EXPECT_EQ(stored.StartToken, data.StartToken) << "row " << i;
            EXPECT_EQ(stored.Remain, data.Remain) << "row " << i;
        }
        parser->NextRowData(i, rows, data);
        data.PrevRowAttribute = rows.RowAttributes(i);
    }
}

TEST(TEditorScreenStrings, ParseStateIsRecomputedUntilItAgreesAndAtMostTwoScreensAhead) {
    test::TPlainFountain fountain;
    FakeView view;
    view.fountain = &fountain;
    view.visibleRows = 5;
    TEditorScreenStrings& rows = view.Rows();
    std::string text;
    for (int i = 0; i < 40; ++i)
        text += "row " + std::to_string(i) + "\r\n";
    rows.UpdateRows(0, 0, text);
    EXPECT_TRUE(rows.ParseStateComputed(10));
    EXPECT_FALSE(rows.ParseStateComputed(11)) << "two screens of five rows past row 0";
    ExpectParseStateConsistent(rows, fountain);

    // A typed letter changes no state: only the rows rewritten (its line and the next, which
    // an edit at a line end re-wraps with it) are parsed.
    rows.UpdateParseState(39, false);
    view.invalidatedRows.clear();
    rows.UpdateRows(3, 1, "row 3x\r\n");
    EXPECT_EQ(view.lastInfo.ParsedCount, 2);
    EXPECT_EQ(view.invalidatedRows, (std::vector<int>{3, 4}));
    EXPECT_TRUE(rows.ParseStateComputed(39));

    // An opened bracket changes every later state: the window ends two screens on and the
    // rows beyond are left not computed.
    rows.UpdateRows(3, 1, "(* row 3\r\n");
    EXPECT_EQ(view.lastInfo.ParsedCount, 11);
    EXPECT_EQ(rows.BracketIndexes(4), 0);
    EXPECT_TRUE(rows.ParseStateComputed(13));
    for (int i = 14; i < 40; ++i)
        EXPECT_FALSE(rows.ParseStateComputed(i)) << i;
    ExpectParseStateConsistent(rows, fountain);

    // The painter's request for a far row parses from the last known state up to it.
    rows.UpdateParseState(30, false);
    EXPECT_TRUE(rows.ParseStateComputed(30));
    EXPECT_EQ(rows.BracketIndexes(30), 0);
    ExpectParseStateConsistent(rows, fountain);

    view.bracketsFull = true;
    rows.InitParseState();
    EXPECT_TRUE(rows.ParseStateComputed(39));
    view.bracketsFull = false;
    view.topRow = 20;
    rows.InitParseState();
    EXPECT_TRUE(rows.ParseStateComputed(30));
    EXPECT_FALSE(rows.ParseStateComputed(31));
    ExpectParseStateConsistent(rows, fountain);
}

TEST(TEditorScreenStrings, ToggleWrapReturnsTheSameRowsAttributesAndMarks) {
    test::TPlainFountain fountain;
    FakeView view;
    view.fountain = &fountain;
    TEditorScreenStrings& rows = view.Rows();
    rows.WrapOption().SetWrapByte(20);
    rows.WrapOption().SetLeading(true);
    std::string text = Letters(50) + "\r\n\r\nshort\r\n" + Letters(19) + "\x81\x76\r\n" + "\t" +
                       Letters(30) + "\r\n" + Letters(60);
    rows.UpdateRows(0, 0, text);
    rows.SetRowMarks(0, 0x1);
    rows.SetRowMarks(2, 0x2);
    rows.SetRowMarks(5, 0x4);
    Rows unwrapped = Dump(rows);
    view.row = 4;
    view.col = 7;
    rows.SetWordWrap(true);
    Rows wrapped = Dump(rows);
    EXPECT_EQ(wrapped.size(), 13u);
    EXPECT_EQ(view.col, 0);
    EXPECT_EQ(view.relayouts, 1);
    EXPECT_FALSE(rows.UndoObj().CanUndo());
    EXPECT_EQ(rows.GetRowsText(0, rows.GetCount()).text, text);
    std::vector<TRowMarks> marks;
    for (int i = 0; i < rows.GetCount(); ++i)
        marks.push_back(rows.RowMarks(i));
    rows.SetWordWrap(false);
    EXPECT_EQ(Dump(rows), unwrapped);
    EXPECT_EQ(rows.RowMarks(0), 0x1);
    EXPECT_EQ(rows.RowMarks(2), 0x2);
    EXPECT_EQ(rows.RowMarks(5), 0x4);
    rows.SetWordWrap(true);
    EXPECT_EQ(Dump(rows), wrapped);
    for (int i = 0; i < rows.GetCount(); ++i)
        EXPECT_EQ(rows.RowMarks(i), marks[static_cast<size_t>(i)]) << i;
    ExpectParseStateConsistent(rows, fountain);

    // A narrower width re-wraps at once; marks of surplus rows go to the line's last row.
    rows.SetRowMarks(2, 0x10);
    rows.WrapOption().SetWrapByte(30);
    EXPECT_EQ(rows.GetRowsText(0, rows.GetCount()).text, text);
    EXPECT_EQ(rows.RowMarks(1), 0x10) << "three rows of 20 became two rows of 30";
}

TEST(TEditorScreenStrings, WideningKeepsTheMarksOfEverySurplusRow) {
    FakeView view;
    TEditorScreenStrings& rows = view.Rows();
    rows.WrapOption().SetWrapByte(20);
    rows.SetWordWrap(true);
    rows.UpdateRows(0, 0, Letters(70) + "\r\n");
    ASSERT_EQ(rows.GetCount(), 4);
    rows.SetRowMarks(0, 0x1);
    rows.SetRowMarks(1, 0x2);
    rows.SetRowMarks(2, 0x4);
    rows.SetRowMarks(3, 0x8);
    rows.WrapOption().SetWrapByte(80);
    ASSERT_EQ(Dump(rows), Rows{Letters(70) + "|L"});
    EXPECT_EQ(rows.RowMarks(0), 0xF) << "four rows became one; no mark may be lost";
}

TEST(TEditorScreen, RepaintsOnlyWhatTheEditChanged) {
    FakeView view;
    TEditorScreenStrings& rows = view.Rows();
    std::string text;
    for (int i = 0; i < 30; ++i)
        text += "r\r\n";
    rows.UpdateRows(0, 0, text);
    TEditorScreen screen(view);

    view.calls.clear();
    screen.Update({5, 1, 1, 1, true}, rows.GetCount());
    EXPECT_EQ(view.calls, (std::vector<std::string>{"rows 5..5"}));

    view.calls.clear();
    screen.Update({5, 1, 3, 3, true}, rows.GetCount());
    EXPECT_EQ(view.calls,
              (std::vector<std::string>{"rows 5..7", "imagebar by 2", "scroll 8 by 2"}));

    view.calls.clear();
    view.numbers = TLeftbarNumbers::Line;
    screen.Update({29, 1, 1, 1, true}, rows.GetCount());
    EXPECT_EQ(view.calls, (std::vector<std::string>{"rows 29..31", "leftbar 30..49"}));

    view.calls.clear();
    view.numbers = TLeftbarNumbers::Row;
    screen.Update({3, 4, 2, 2, true}, rows.GetCount());
    EXPECT_EQ(view.calls,
              (std::vector<std::string>{"rows 3..4", "imagebar by -2", "scroll 5 by -2"}))
        << "the end of the text is not on screen: row numbers stay";

    view.calls.clear();
    screen.Update({0, 1, 40, 40, true}, rows.GetCount());
    EXPECT_EQ(view.calls, (std::vector<std::string>{"rows 0..20"}));

    view.calls.clear();
    screen.Update({0, 1, 40, 40, false}, rows.GetCount());
    EXPECT_TRUE(view.calls.empty());
}

} // namespace
} // namespace kes
