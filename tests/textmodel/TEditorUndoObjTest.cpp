#include "ScreenTestSupport.h"

#include "textmodel/TEditorUndoObj.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace kes {
namespace {

using test::Dump;
using test::FailingView;
using test::FakeView;
using Rows = std::vector<std::string>;

std::string Text(TEditorScreenStrings& rows) {
    return rows.GetRowsText(0, rows.GetCount()).text;
}

TEST(TEditorUndoObj, TheHistoryKeepsAtLeast64Entries) {
    FakeView view;
    TEditorScreenStrings& rows = view.Rows();
    TEditorUndoObj& undo = rows.UndoObj();
    EXPECT_EQ(undo.UndoListMax(), 64);
    for (int i = 0; i < 65; ++i)
        rows.UpdateRows(0, 0, "x");
    EXPECT_EQ(undo.UndoList().Count(), 64);
    EXPECT_EQ(undo.HeldBytes(), test::HistoryBytes(undo)) << "the trimmed entry left the count";
    undo.SetUndoListMax(10);
    EXPECT_EQ(undo.UndoListMax(), 64);
    undo.SetUndoListMax(100);
    for (int i = 0; i < 50; ++i)
        rows.UpdateRows(0, 0, "x");
    EXPECT_EQ(undo.UndoList().Count(), 100);
    while (undo.CanUndo())
        rows.Undo();
    EXPECT_EQ(Text(rows), std::string(15, 'x')) << "the 15 oldest typings were trimmed";
}

TEST(TEditorUndoObj, UndoAndRedoAlternateAndANewEditEndsTheRedoHistory) {
    FakeView view;
    TEditorScreenStrings& rows = view.Rows();
    TEditorUndoObj& undo = rows.UndoObj();
    rows.UpdateRows(0, 0, "abc");
    rows.UpdateRows(0, 1, "abXc");
    for (int i = 0; i < 3; ++i) {
        rows.Undo();
        EXPECT_EQ(Text(rows), "abc");
        EXPECT_TRUE(undo.CanRedo());
        rows.Redo();
        EXPECT_EQ(Text(rows), "abXc");
    }
    rows.Undo();
    rows.UpdateRows(0, 1, "abcd");
    EXPECT_FALSE(undo.CanRedo());
    rows.Redo();
    EXPECT_EQ(Text(rows), "abcd");
    EXPECT_EQ(undo.UndoList().Count(), 2);
}

TEST(TEditorUndoObj, UndoingAnAppendRestoresTheLastRowAttribute) {
    FakeView view;
    TEditorScreenStrings& rows = view.Rows();
    rows.UpdateRows(0, 0, "a\r\n");
    rows.UpdateRows(1, 0, "b\r\nc");
    EXPECT_EQ(Dump(rows), (Rows{"a|L", "b|L", "c|T"}));
    rows.Undo();
    EXPECT_EQ(Dump(rows), Rows{"a|L"});
    rows.Undo();
    EXPECT_EQ(rows.GetCount(), 0);
    rows.Redo();
    rows.Redo();
    EXPECT_EQ(Dump(rows), (Rows{"a|L", "b|L", "c|T"}));

    FakeView second;
    TEditorScreenStrings& other = second.Rows();
    other.UpdateRows(0, 0, "a");
    other.UpdateRows(1, 0, "\r\nb");
    EXPECT_EQ(Dump(other), (Rows{"a|L", "b|T"}));
    other.Undo();
    EXPECT_EQ(Dump(other), Rows{"a|T"});
}

TEST(TEditorUndoObj, UndoingALineDeletionBringsItBackWithoutMovingMarks) {
    FakeView view;
    TEditorScreenStrings& rows = view.Rows();
    rows.UpdateRows(0, 0, "a\r\nb\r\nc\r\n");
    rows.SetRowMarks(1, 0x4);
    rows.UpdateRows(1, 1, "");
    EXPECT_EQ(rows.RowMarks(1), 0x4);
    rows.Undo();
    EXPECT_EQ(Dump(rows), (Rows{"a|L", "b|L", "c|L"}));
    EXPECT_EQ(rows.RowMarks(1), 0);
    EXPECT_EQ(rows.RowMarks(2), 0x4) << "the mark stays with the row it moved to";
    rows.Redo();
    EXPECT_EQ(Dump(rows), (Rows{"a|L", "c|L"}));
}

TEST(TEditorUndoObj, TheCaretReturnsToWhereItStood) {
    test::TPlainFountain fountain;
    FakeView view;
    FakeView focused(&view.Rows());
    view.fountain = &fountain;
    focused.focused = true;
    TEditorScreenStrings& rows = view.Rows();
    rows.UpdateRows(0, 0, "one\r\ntwo\r\n");
    focused.row = 1;
    focused.col = 2;
    rows.UpdateRows(1, 1, "twXo\r\n");
    focused.col = 3;
    rows.Undo();
    EXPECT_EQ(focused.row, 1);
    EXPECT_EQ(focused.col, 2) << "where it stood before the undone edit";
    EXPECT_EQ(view.col, 0) << "only the focused editor's caret moves";
    EXPECT_EQ(focused.hidden, 0) << "every hide is paired with a show";
    focused.col = 1;
    rows.Redo();
    EXPECT_EQ(focused.col, 3) << "where it stood before the undo";
    EXPECT_EQ(focused.hidden, 0);
    EXPECT_EQ(focused.lastInfo.StartRow, 1);
    EXPECT_TRUE(rows.ParseStateComputed(1));
}

TEST(TEditorUndoObj, AnEditorFailingOnTheNoticeLeavesTheHistoryWhole) {
    FailingView view;
    TEditorScreenStrings& rows = view.Rows();
    TEditorUndoObj& undo = rows.UndoObj();
    rows.UpdateRows(0, 0, "abc");
    rows.UpdateRows(0, 1, "abXc");
    view.armed = true;
    EXPECT_THROW(rows.Undo(), std::runtime_error);
    EXPECT_EQ(Text(rows), "abc");
    EXPECT_EQ(view.hidden, 0);
    EXPECT_EQ(undo.UndoList().Count(), 1) << "the undone entry is gone";
    EXPECT_EQ(undo.RedoList().Count(), 1);
    rows.Undo();
    EXPECT_EQ(Text(rows), "");
    rows.Redo();
    view.armed = true;
    EXPECT_THROW(rows.Redo(), std::runtime_error);
    EXPECT_EQ(Text(rows), "abXc");
    EXPECT_FALSE(undo.CanRedo());
    rows.Undo();
    EXPECT_EQ(Text(rows), "abc");
    EXPECT_EQ(view.hidden, 0);
}

TEST(TEditorUndoObj, AnEditorFailingOnTheNoticeOfAnEditGetsItsErrorBackAfterTheEdit) {
    FailingView view;
    TEditorScreenStrings& rows = view.Rows();
    rows.UpdateRows(0, 0, "abc\r\ndef");
    view.armed = true;
    EXPECT_THROW(rows.UpdateRows(0, 1, "abXc\r\n"), std::runtime_error);
    EXPECT_EQ(Text(rows), "abXc\r\ndef");
    EXPECT_FALSE(rows.UpdateInfo().Valid);
    view.armed = true;
    EXPECT_THROW(rows.UpdateRows(0, 1, ""), std::runtime_error);
    EXPECT_EQ(Text(rows), "def");
    rows.Undo();
    rows.Undo();
    EXPECT_EQ(Text(rows), "abc\r\ndef");

    view.row = 1;
    view.armed = true;
    EXPECT_THROW(rows.Clear(), std::runtime_error);
    EXPECT_EQ(view.row, 0);
    EXPECT_FALSE(rows.UpdateInfo().Valid);
    EXPECT_FALSE(rows.UndoObj().CanUndo());
    rows.UpdateRows(0, 0, "new\r\n");
    EXPECT_EQ(Text(rows), "new\r\n");
}

TEST(TEditorUndoObj, SwitchingWordWrapEndsTheHistory) {
    FakeView view;
    TEditorScreenStrings& rows = view.Rows();
    rows.UpdateRows(0, 0, "abc");
    rows.UpdateRows(0, 1, "abcd");
    rows.Undo();
    rows.SetWordWrap(true);
    EXPECT_FALSE(rows.UndoObj().CanUndo());
    EXPECT_FALSE(rows.UndoObj().CanRedo());
    rows.UpdateRows(0, 1, "abcd");
    rows.WrapOption().SetWrapByte(30);
    EXPECT_FALSE(rows.UndoObj().CanUndo());
    rows.Undo();
    rows.Redo();
    EXPECT_EQ(Text(rows), "abcd");
}

} // namespace
} // namespace kes
