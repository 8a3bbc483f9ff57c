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
using Calls = std::vector<std::string>;

void Replace(TEditorScreenStrings& rows, int row, int count, const Rows& texts) {
    TEditorStringList list;
    for (const std::string& text : texts)
        list.Add(text);
    rows.ReplaceRows(row, count, list);
}

std::vector<int> MarksOf(const TEditorScreenStrings& rows) {
    std::vector<int> marks;
    for (int i = 0; i < rows.GetCount(); ++i)
        marks.push_back(rows.RowMarks(i));
    return marks;
}

TEST(TEditorScreenStringsRules, ReplaceRowsCarriesMarksFromTheEndOfTheRange) {
    FakeView view;
    TEditorScreenStrings& rows = view.Rows();
    auto reset = [&] {
        rows.Clear();
        rows.UpdateRows(0, 0, "a\r\nb\r\nc\r\nd\r\ne\r\n");
        for (int i = 0; i < 5; ++i)
            rows.SetRowMarks(i, static_cast<TRowMarks>(1 << i));
        rows.IncludeRowMarks(0x1F);
    };

    // More rows: the old rows behind the first keep their marks counted from the end.
    reset();
    view.col = 3;
    Replace(rows, 1, 3, {"1", "2", "3", "4", "5"});
    EXPECT_EQ(Dump(rows), (Rows{"a|L", "1|L", "2|L", "3|L", "4|L", "5|L", "e|L"}));
    EXPECT_EQ(MarksOf(rows), (std::vector<int>{0x1, 0x2, 0, 0, 0x4, 0x8, 0x10}));
    reset();
    view.col = 0;
    Replace(rows, 1, 3, {"1", "2", "3", "4", "5"});
    EXPECT_EQ(MarksOf(rows), (std::vector<int>{0x1, 0, 0, 0x2, 0x4, 0x8, 0x10}));

    // As many rows: marks stay by index.
    reset();
    Replace(rows, 1, 2, {"1", "2"});
    EXPECT_EQ(MarksOf(rows), (std::vector<int>{0x1, 0x2, 0x4, 0x8, 0x10}));

    // Fewer rows: the first rows of the range go, their marks join the first new row.
    reset();
    Replace(rows, 1, 3, {"1"});
    EXPECT_EQ(Dump(rows), (Rows{"a|L", "1|L", "e|L"}));
    EXPECT_EQ(MarksOf(rows), (std::vector<int>{0x1, 0xE, 0x10}));

    // No rows: the marks are no longer used.
    reset();
    Replace(rows, 1, 2, {});
    EXPECT_EQ(MarksOf(rows), (std::vector<int>{0x1, 0x8, 0x10}));
    EXPECT_EQ(rows.UsedRowMarks(), 0x19);

    reset();
    EXPECT_EQ(rows.DeleteRows(1, 2), 0x6);
    EXPECT_EQ(rows.DeleteRows(1, 0), 0);
    EXPECT_EQ(rows.DeleteRows(3, 1), 0);
    EXPECT_EQ(rows.GetCount(), 3);
}

TEST(TEditorScreenStringsRules, AnEditRecordsWhatItChangedAndWhatItRemoved) {
    FakeView view;
    TEditorScreenStrings& rows = view.Rows();
    rows.WrapOption().SetWrapByte(20);
    rows.SetWordWrap(true);
    rows.UpdateRows(0, 0, "x\r\n" + Letters(30) + "\r\ny");
    ASSERT_EQ(rows.GetCount(), 4);
    const TUndoDataList& undo = rows.UndoObj().UndoList();

    // Typing in the second row of a wrapped line rewrites from the row above.
    rows.UpdateRows(2, 1, Letters(10).substr(0, 9) + "z\r\n");
    EXPECT_EQ(view.lastInfo.StartRow, 1);
    EXPECT_EQ(view.lastInfo.OldCount, 3) << "the wrapped line and the line after it";
    EXPECT_EQ(view.lastInfo.NewCount, 3);
    EXPECT_EQ(undo.Last()->StartRow, 1);
    EXPECT_EQ(undo.Last()->RowCount, 3);
    EXPECT_EQ(undo.Last()->Text, Letters(30) + "\r\ny");
    EXPECT_EQ(undo.Last()->Attribute, raTextEnd);

    // Whole lines deleted: the record starts at the first removed row.
    rows.UpdateRows(1, 2, "");
    EXPECT_EQ(Dump(rows), (Rows{"x|L", "y|T"}));
    EXPECT_EQ(view.lastInfo.StartRow, 1);
    EXPECT_EQ(view.lastInfo.OldCount, 2);
    EXPECT_EQ(view.lastInfo.NewCount, 0);
    EXPECT_EQ(undo.Last()->StartRow, 1);
    EXPECT_EQ(undo.Last()->RowCount, 0);
    EXPECT_EQ(undo.Last()->Attribute, raLineEnd);
    rows.Undo();
    EXPECT_EQ(rows.GetRowsText(0, rows.GetCount()).text,
              "x\r\n" + Letters(20) + Letters(10).substr(0, 9) + "z\r\ny");
}

TEST(TEditorScreenStringsRules, RewrappingWaitsForTheLoaderAndForWordWrap) {
    FakeView view;
    TEditorScreenStrings& rows = view.Rows();
    rows.WrapOption().SetWrapByte(20);
    rows.UpdateRows(0, 0, Letters(30) + "\r\n");
    ASSERT_TRUE(rows.UndoObj().CanUndo());

    // With word wrap off a new width changes nothing, not even the history.
    rows.WrapOption().SetWrapByte(25);
    EXPECT_EQ(rows.GetCount(), 1);
    EXPECT_TRUE(rows.UndoObj().CanUndo());

    // While loading the switch is only stored.
    view.loading = true;
    rows.SetWordWrap(true);
    EXPECT_TRUE(rows.WordWrap());
    EXPECT_EQ(rows.GetCount(), 1);
    EXPECT_TRUE(rows.UndoObj().CanUndo());
    rows.WrapOption().SetWrapByte(20);
    EXPECT_EQ(rows.GetCount(), 1);
    rows.WrapAll();
    EXPECT_EQ(rows.GetCount(), 1);
    view.loading = false;
    rows.WrapAll();
    EXPECT_EQ(Dump(rows), (Rows{Letters(20) + "|C", Letters(30).substr(20) + "|L"}));
}

TEST(TEditorScreenStringsRules, SwitchingWrapClampsEveryEditorAndPutsItsCaretInColumnZero) {
    FakeView view;
    FakeView second(&view.Rows());
    TEditorScreenStrings& rows = view.Rows();
    rows.WrapOption().SetWrapByte(20);
    rows.SetWordWrap(true);
    rows.UpdateRows(0, 0, Letters(70));
    ASSERT_EQ(rows.GetCount(), 4);
    view.row = 3;
    view.col = 5;
    second.topRow = 2;
    second.col = 4;
    second.selection = true;
    rows.SetWordWrap(false);
    EXPECT_EQ(Dump(rows), Rows{Letters(70) + "|T"});
    EXPECT_EQ(view.row, 0) << "one raTextEnd row";
    EXPECT_EQ(second.topRow, 0);
    EXPECT_EQ(view.col + second.col, 0);
    EXPECT_FALSE(second.selection);
    EXPECT_EQ(second.relayouts, view.relayouts) << "every editor lays out again";
}

TEST(TEditorScreenStringsRules, ParsingResumesAfterTheNearestKnownRowAndStopsWhereStatesAgree) {
    test::TPlainFountain fountain;
    FakeView view;
    view.fountain = &fountain;
    view.visibleRows = 3;
    TEditorScreenStrings& rows = view.Rows();
    std::string text;
    for (int i = 0; i < 20; ++i)
        text += "r" + std::to_string(i) + "\r\n";
    rows.UpdateRows(0, 0, text);
    ASSERT_TRUE(rows.ParseStateComputed(6));
    ASSERT_FALSE(rows.ParseStateComputed(7));

    // Asked for row 15, the parse starts at row 7 and ends two screens past row 15.
    EXPECT_EQ(rows.UpdateParseState(15, true), 13);
    EXPECT_TRUE(rows.ParseStateComputed(19));
    // Nothing changed: the first row already agrees.
    EXPECT_EQ(rows.UpdateParseState(4, true), 0);
    EXPECT_EQ(rows.UpdateParseState(4, false), 0);

    // Loading or being destroyed leaves the states alone.
    view.loading = true;
    rows.InitParseState();
    EXPECT_TRUE(rows.ParseStateComputed(19));
    view.loading = false;
    rows.InitParseState();
    EXPECT_FALSE(rows.ParseStateComputed(19));
    EXPECT_TRUE(rows.ParseStateComputed(6));
}

TEST(TEditorScreenStringsRules, ScreenRepaintsAndScrollsByTheRecord) {
    FakeView view;
    TEditorScreenStrings& rows = view.Rows();
    std::string text;
    for (int i = 0; i < 10; ++i)
        text += "r\r\n";
    rows.UpdateRows(0, 0, text);
    TEditorScreen screen(view);
    view.visibleRows = 5;

    // A re-parse that runs past the new rows widens what is repainted.
    view.calls.clear();
    screen.Update({2, 1, 1, 4, true}, 10);
    EXPECT_EQ(view.calls, Calls{"rows 2..5"});

    // Rows added at the end: the rows after the new end are repainted too.
    view.calls.clear();
    screen.Update({8, 1, 2, 2, true}, 10);
    EXPECT_EQ(view.calls, (Calls{"rows 8..9", "imagebar by 1", "scroll 10 by 1", "rows 10..11"}));

    // As many rows changed as are visible is still a scroll.
    view.calls.clear();
    screen.Update({0, 0, 5, 5, true}, 10);
    EXPECT_EQ(view.calls, (Calls{"rows 0..4", "imagebar by 5", "scroll 5 by 5"}));

    // Row numbers change when the row count changes with the end of the text on screen.
    view.numbers = TLeftbarNumbers::Row;
    view.topRow = 6;
    view.calls.clear();
    screen.Update({7, 2, 1, 1, true}, 9);
    EXPECT_EQ(view.calls,
              (Calls{"rows 7..7", "imagebar by -1", "scroll 8 by -1", "leftbar 8..12"}));
    view.calls.clear();
    screen.Update({7, 1, 1, 1, true}, 9);
    EXPECT_EQ(view.calls, Calls{"rows 7..7"}) << "no change of the row count";
}

// An editor whose width measure fails once it is armed.
class FailingMeasureView : public FakeView {
public:
    using FakeView::FakeView;
    int DisplayWidth(std::string_view text) const override {
        if (armed)
            throw std::runtime_error("measure failed");
        return FakeView::DisplayWidth(text);
    }
    bool armed = false;
};

TEST(TEditorScreenStringsRules, AFailedRewrapLeavesTheEditorsListening) {
    FailingMeasureView view;
    TEditorScreenStrings& rows = view.Rows();
    rows.UpdateRows(0, 0, "a\r\nb\r\n");
    view.armed = true;
    EXPECT_THROW(rows.SetWordWrap(true), std::runtime_error);
    view.armed = false;
    int changes = view.changes;
    rows.UpdateRows(0, 1, "x\r\n");
    EXPECT_EQ(view.changes, changes + 1) << "the change event is attached again";
}

} // namespace
} // namespace kes
