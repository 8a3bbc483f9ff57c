#include "EditorTestSupport.h"

#include "textmodel/TEditorScreenStrings.h"
#include "textmodel/TEditorWrapOption.h"

#include <QImage>

#include <gtest/gtest.h>

#include <utility>

namespace kes {
namespace {

// Opens what the editing commands use of the selection.
class SelectionEditor : public TEditor {
public:
    using TEditor::RowsWithoutSelection;
};

std::unique_ptr<SelectionEditor> MakeShownEditor(int width, int height,
                                                 std::string_view text = {}) {
    return test::MakeShownEditor<SelectionEditor>(width, height, text);
}

// What Shift with a movement key does: anchor at the caret, move, extend.
template <class Move> void ShiftMove(TEditor& editor, Move move) {
    if (!editor.Selected())
        editor.StartSelection();
    move();
    editor.ExtendSelection();
}

void SelectStream(TEditor& editor, int row, int col, int toRow, int toCol) {
    editor.SetRowCol(row, col);
    editor.StartSelection();
    editor.SetRowCol(toRow, toCol);
    editor.ExtendSelection();
}

struct SelectionEvents {
    int selected = 0;
    int cleared = 0;
    void Changed(TObject*, bool on) { ++(on ? selected : cleared); }
};

TEST(TEditorSelectionTest, ShiftRightSelectsOneByteAndClearingReportsIt) {
    auto editor = MakeShownEditor(400, 200, "abc\r\ndef");
    SelectionEvents events;
    editor->OnSelectionChange = MethodOf<&SelectionEvents::Changed>(&events);
    ShiftMove(*editor, [&] { editor->MoveRight(); });
    EXPECT_TRUE(editor->Selected());
    EXPECT_EQ(editor->SelStart(), 0);
    EXPECT_EQ(editor->SelLength(), 1);
    EXPECT_EQ(editor->SelText(), "a");
    EXPECT_TRUE(editor->IsInSelection(0, 0));
    EXPECT_FALSE(editor->IsInSelection(0, 1));
    EXPECT_EQ(events.selected, 1);

    editor->SetRowCol(1, 2);
    editor->ExtendSelection();
    EXPECT_EQ(editor->SelText(), "abc\r\nde");
    EXPECT_EQ(editor->SelStart(), 0);
    EXPECT_EQ(events.selected, 2);

    editor->CleanSelection();
    EXPECT_FALSE(editor->Selected());
    EXPECT_EQ(editor->SelLength(), 0);
    EXPECT_EQ(editor->SelText(), "");
    EXPECT_EQ(editor->SelStart(), 5 + 2); // the caret's offset
    EXPECT_EQ(events.cleared, 1);
}

TEST(TEditorSelectionTest, StreamTextHasABreakOnlyWhereALineEnds) {
    auto editor = MakeShownEditor(600, 200, "abcdef\r\nghijkl\r\n" + std::string(30, 'x') + "y");
    SelectStream(*editor, 0, 3, 1, 2);
    EXPECT_EQ(editor->SelText(), "def\r\ngh");
    EXPECT_EQ(editor->SelLength(), 7);
    EXPECT_EQ(editor->SelStart(), 3);

    // Row 2 is one logical line cut at 20 columns: no break between its rows.
    editor->CleanSelection();
    editor->WrapOption()->SetWrapByte(20);
    editor->SetWordWrap(true);
    ASSERT_EQ(editor->ListRow(2), raContinued);
    SelectStream(*editor, 2, 15, 3, 5);
    EXPECT_EQ(editor->SelText(), std::string(10, 'x'));
    EXPECT_EQ(editor->SelLength(), 10);
    EXPECT_EQ(editor->SelStart(), 16 + 15);

    // The row after the last exists after a final line break: selecting up to it takes the
    // break.
    editor->CleanSelection();
    editor->Lines()->SetTextStr("ab\r\n");
    SelectStream(*editor, 0, 1, 1, 0);
    EXPECT_EQ(editor->SelText(), "b\r\n");
}

TEST(TEditorSelectionTest, BoxTakesWholeCharactersOfEveryRowWithABreakEach) {
    // Row 1 holds a double-byte character in columns 1-2, row 3 a tab in columns 0-7.
    auto editor = MakeShownEditor(600, 200,
                                  "abcdefg\r\na\x82\xa0"
                                  "defg\r\nABCDEFG\r\n\tz\r\nxy");
    editor->SetSelectionMode(smBox);
    SelectStream(*editor, 0, 2, 2, 5);
    EXPECT_EQ(editor->SelStartCol(), 2);
    EXPECT_EQ(editor->SelEndCol(), 5);
    // The left edge on the trail byte of row 1 leaves that character out.
    EXPECT_EQ(editor->SelText(), "cde\r\nde\r\nCDE\r\n");
    EXPECT_EQ(editor->SelLength(), 3 + 2 + 3 + 6);
    EXPECT_FALSE(editor->IsInSelection(1, 2));
    EXPECT_TRUE(editor->IsInSelection(1, 3));
    EXPECT_FALSE(editor->IsInSelection(1, 5));
    EXPECT_FALSE(editor->IsInSelection(3, 3));

    // A right edge after a lead byte takes the whole character.
    editor->CleanSelection();
    SelectStream(*editor, 1, 0, 0, 2);
    EXPECT_EQ(editor->SelText(), "ab\r\na\x82\xa0\r\n");

    // A tab cut by both edges is neither taken nor removed; a row shorter than the box gives
    // an empty part.
    editor->CleanSelection();
    SelectStream(*editor, 1, 5, 4, 7);
    EXPECT_EQ(editor->SelText(), "fg\r\nFG\r\n\r\n\r\n");
    const auto rest = editor->RowsWithoutSelection();
    ASSERT_EQ(rest.rows.size(), 4u);
    EXPECT_EQ(rest.rows[0], "a\x82\xa0"
                            "de");
    EXPECT_EQ(rest.rows[1], "ABCDE");
    EXPECT_EQ(rest.rows[2], "\tz");
    EXPECT_EQ(rest.rows[3], "xy");
    // Where the box stood in each row, beyond the end of a row shorter than its left edge.
    EXPECT_EQ(rest.boxIndexes, (std::vector<int>{5, 5, 1, 5}));
    EXPECT_EQ(rest.attributes[3], raTextEnd);
    EXPECT_EQ(rest.text, "a\x82\xa0"
                         "de\r\nABCDE\r\n\tz\r\nxy");
}

TEST(TEditorSelectionTest, RowsWithoutAStreamSelectionJoinHeadAndTail) {
    auto editor = MakeShownEditor(600, 200, "abcdef\r\nghijkl\r\nmn");
    SelectStream(*editor, 0, 2, 1, 3);
    const auto rest = editor->RowsWithoutSelection();
    ASSERT_EQ(rest.rows.size(), 1u);
    EXPECT_EQ(rest.rows[0], "abjkl");
    EXPECT_EQ(rest.attributes[0], raLineEnd);
    EXPECT_EQ(rest.insertIndex, 2);
    EXPECT_EQ(rest.text, "abjkl\r\n");

    // Up to the row after the last: the tail is empty and the row has no break after it.
    editor->CleanSelection();
    editor->Lines()->SetTextStr("abc\r\n");
    SelectStream(*editor, 0, 1, 1, 0);
    const auto toEnd = editor->RowsWithoutSelection();
    ASSERT_EQ(toEnd.rows.size(), 1u);
    EXPECT_EQ(toEnd.rows[0], "a");
    EXPECT_EQ(toEnd.attributes[0], raTextEnd);
}

TEST(TEditorSelectionTest, SelLengthSelectsForwardFromTheStartInStreamMode) {
    auto editor = MakeShownEditor(600, 200, "abcdef\r\nghijkl\r\nmnopqr");
    editor->SetSelectionMode(smBox);
    SelectStream(*editor, 2, 4, 0, 2);
    editor->SetSelLength(5);
    EXPECT_EQ(editor->SelectionMode(), smLine);
    EXPECT_EQ(editor->SelStart(), 2);
    // Five bytes end inside the line break, which the caret cannot split.
    EXPECT_EQ(editor->SelText(), "cdef");
    EXPECT_EQ(editor->SelLength(), 4);
    EXPECT_EQ(editor->Row(), 0);
    EXPECT_EQ(editor->Col(), 6);

    // A box drawn from its top-right corner starts at its top-left one.
    editor->SetSelectionMode(smBox);
    SelectStream(*editor, 0, 5, 2, 1);
    editor->SetSelLength(2);
    EXPECT_EQ(editor->SelStart(), 1);
    EXPECT_EQ(editor->SelText(), "bc");

    editor->SetSelStart(3);
    EXPECT_FALSE(editor->Selected());
    editor->SetSelLength(7);
    EXPECT_EQ(editor->SelText(), "def\r\ngh");
    editor->SetSelLength(1000);
    EXPECT_EQ(editor->SelText(), "def\r\nghijkl\r\nmnopqr");
    editor->SetSelLength(0);
    EXPECT_FALSE(editor->Selected());
    EXPECT_EQ(editor->SelStart(), 3);

    editor->SetSelStart(-5);
    EXPECT_EQ(editor->Row(), 0);
    EXPECT_EQ(editor->Col(), 0);
}

TEST(TEditorSelectionTest, RowSelectionTakesWholeRowsAroundItsAnchor) {
    auto editor = MakeShownEditor(600, 200, "one\r\ntwo\r\nthree\r\nlast");
    editor->StartRowSelection(1);
    EXPECT_EQ(editor->SelText(), "two\r\n");
    EXPECT_EQ(editor->Row(), 1);
    EXPECT_EQ(editor->Col(), 0);
    editor->MoveRowSelection(2);
    EXPECT_EQ(editor->SelText(), "two\r\nthree\r\n");
    EXPECT_EQ(editor->Row(), 3);
    editor->MoveRowSelection(0); // over the anchor: the anchor row stays selected
    EXPECT_EQ(editor->SelText(), "one\r\ntwo\r\n");
    EXPECT_EQ(editor->Row(), 0);
    editor->MoveRowSelection(3); // the last row has no break: up to its end
    EXPECT_EQ(editor->SelText(), "two\r\nthree\r\nlast");
    editor->EndRowSelection();
    editor->MoveRowSelection(0);
    EXPECT_EQ(editor->SelText(), "two\r\nthree\r\nlast");

    // Pressed on the last row (or below it) of a text without a final break: its text only.
    editor->StartRowSelection(3);
    EXPECT_EQ(editor->SelText(), "last");
    editor->StartRowSelection(9);
    EXPECT_EQ(editor->SelText(), "last");
    editor->MoveRowSelection(2);
    EXPECT_EQ(editor->SelText(), "three\r\nlast");
    editor->EndRowSelection();
}

TEST(TEditorSelectionTest, AHitIsNoSelectionForTheTextButHasAStart) {
    auto editor = MakeShownEditor(600, 200, "find the needle here");
    editor->SetHitStyle(hsDraw);
    editor->SetRowCol(0, 9);
    editor->ShowHit(6);
    EXPECT_EQ(editor->SelectionState(), TEditorSelectionState::Hit);
    EXPECT_TRUE(editor->HasSelection());
    EXPECT_EQ(editor->SelLength(), 0);
    EXPECT_EQ(editor->SelText(), "");
    EXPECT_EQ(editor->SelStart(), 9);
    EXPECT_FALSE(editor->CanSelDrag());
    EXPECT_EQ(editor->SystemCaret().Rect().width(), 2);

    // Shown as a caret block, the caret covers the hit until the hit goes.
    editor->CleanSelection();
    editor->SetHitStyle(hsCaret);
    editor->SetRowCol(0, 9);
    editor->ShowHit(6);
    EXPECT_EQ(editor->Col(), 9);
    EXPECT_EQ(editor->SystemCaret().Rect().width(), 6 * editor->ColWidth());
    EXPECT_EQ(editor->SystemCaret().Rect().height(), editor->FontHeight());
    editor->CleanSelection();
    EXPECT_EQ(editor->SystemCaret().Rect().width(), 2);
    EXPECT_TRUE(editor->SystemCaret().Shown());
    editor->SetRowCol(0, 9);
    editor->ShowHit(6);

    // Undo clears it before it undoes.
    editor->Undo();
    EXPECT_EQ(editor->SelectionState(), TEditorSelectionState::None);
}

TEST(TEditorSelectionTest, NothingIsSelectedInAnEmptyText) {
    auto editor = MakeShownEditor(400, 200);
    editor->StartSelection();
    editor->ExtendSelection();
    EXPECT_FALSE(editor->HasSelection());
    editor->SetSelLength(3);
    EXPECT_FALSE(editor->HasSelection());
    editor->StartRowSelection(0);
    EXPECT_FALSE(editor->HasSelection());
}

TEST(TEditorSelectionTest, DragNeedsAStreamSelectionThatMayMove) {
    auto editor = MakeShownEditor(400, 200, "abc");
    SelectStream(*editor, 0, 0, 0, 2);
    EXPECT_TRUE(editor->CanSelDrag());
    editor->SetReadOnly(true);
    EXPECT_FALSE(editor->CanSelDrag());
    editor->SetReadOnly(false);
    editor->Caret()->SetSelMove(false);
    EXPECT_FALSE(editor->CanSelDrag());
    editor->Caret()->SetSelMove(true);
    editor->SetSelectionMode(smBox);
    EXPECT_FALSE(editor->CanSelDrag());
    EXPECT_TRUE(editor->Selected()); // the mode change keeps the selection
    EXPECT_EQ(editor->SelText(), "ab");
}

// After every step of a selection the cells painted so far equal a full paint.
TEST(TEditorSelectionTest, RepaintingTheChangeLeavesNoStaleCell) {
    for (TEditorSelectionMode mode : {smLine, smBox}) {
        SCOPED_TRACE(mode == smBox ? "box" : "stream");
        auto editor =
            MakeShownEditor(400, 300, "abcdefgh\r\nij\x82\xa0klmn\r\nopq\r\n\trstuvw\r\nxyz");
        editor->SetSelectionMode(mode);
        editor->SetRowCol(3, 9);
        editor->UpdateNow();
        const QImage unselected = editor->Surface().copy();
        ASSERT_FALSE(unselected.isNull());
        editor->StartSelection();
        const std::pair<int, int> steps[] = {{3, 11}, {4, 2}, {1, 4}, {0, 6}, {2, 1},
                                             {4, 3},  {4, 1}, {2, 2}, {1, 6}};
        for (auto [row, col] : steps) {
            SCOPED_TRACE(testing::Message() << row << "," << col);
            editor->SetRowCol(row, col);
            editor->ExtendSelection();
            editor->UpdateNow();
            const QImage incremental = editor->Surface().copy();
            editor->Invalidate();
            editor->UpdateNow();
            EXPECT_TRUE(incremental == editor->Surface());
        }
        EXPECT_FALSE(unselected == editor->Surface()); // the selection shows
        editor->CleanSelection();
        editor->UpdateNow();
        const QImage cleared = editor->Surface().copy();
        EXPECT_TRUE(cleared == unselected);
        editor->Invalidate();
        editor->UpdateNow();
        EXPECT_TRUE(cleared == editor->Surface());
    }
}

} // namespace
} // namespace kes
