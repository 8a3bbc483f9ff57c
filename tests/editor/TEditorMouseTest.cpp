#include "EditingTestSupport.h"

#include "fountain/TEditorFountain.h"
#include "textmodel/TEditorCursors.h"

#include <QMouseEvent>
#include <QScrollBar>

namespace kes::test {
namespace {

// Mouse events as the desktop delivers them to the editor's viewport, with the buttons held
// after the event.
void Send(TEditor& editor, QEvent::Type type, QPoint p, Qt::MouseButton button,
          Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* viewport = editor.viewport();
    QMouseEvent event(type, QPointF(p), viewport->mapToGlobal(QPointF(p)), button, buttons,
                      modifiers);
    QApplication::sendEvent(viewport, &event);
}

void Press(TEditor& editor, QPoint p, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
           Qt::MouseButton button = Qt::LeftButton) {
    Send(editor, QEvent::MouseButtonPress, p, button, button, modifiers);
}

void MoveHeld(TEditor& editor, QPoint p, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    Send(editor, QEvent::MouseMove, p, Qt::NoButton, Qt::LeftButton, modifiers);
}

void Hover(TEditor& editor, QPoint p) {
    Send(editor, QEvent::MouseMove, p, Qt::NoButton, Qt::NoButton);
}

void Release(TEditor& editor, QPoint p, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    Send(editor, QEvent::MouseButtonRelease, p, Qt::LeftButton, Qt::NoButton, modifiers);
}

// The middle of a cell, and a point a quarter column right of its left edge (which rounds to
// the cell itself) or three quarters (which rounds to the next).
QPoint Cell(const TEditor& editor, int row, int col, int quarters = 2) {
    return {editor.ColLeft(col) + editor.ColWidth() * quarters / 4,
            editor.RowTop(row) + editor.RowHeight() / 2};
}

std::string Text(const TEditor& editor) {
    return editor.Lines()->GetTextStr();
}

TEST(TEditorMouse, PressPlacesTheCaretAndADragSelectsOnceHalfAColumnAway) {
    auto editor = MakeShownEditor(400, 200, "abcdef\r\nghijkl\r\nmnopqr");
    Press(*editor, Cell(*editor, 0, 2, 3));
    EXPECT_EQ(editor->Col(), 3) << "the press rounds to the nearer column boundary";
    EXPECT_EQ(editor->SelectionState(), TEditorSelectionState::Anchored);

    MoveHeld(*editor, Cell(*editor, 0, 2, 3) + QPoint(editor->ColWidth() / 2 - 1, 0));
    EXPECT_FALSE(editor->Selected()) << "a tremble of the hand selects nothing";
    MoveHeld(*editor, Cell(*editor, 1, 4, 1));
    EXPECT_EQ(editor->SelText(), "def\r\nghij");
    Release(*editor, Cell(*editor, 1, 4, 1));

    // Shift extends the selection from its anchor to the clicked cell.
    Press(*editor, Cell(*editor, 2, 1, 1), Qt::ShiftModifier);
    EXPECT_EQ(editor->SelText(), "def\r\nghijkl\r\nm");
    Release(*editor, Cell(*editor, 2, 1, 1), Qt::ShiftModifier);

    // A plain press clears it; Shift then starts one at the caret.
    Press(*editor, Cell(*editor, 0, 1, 1));
    Release(*editor, Cell(*editor, 0, 1, 1));
    EXPECT_FALSE(editor->Selected());
    Press(*editor, Cell(*editor, 0, 4, 1), Qt::ShiftModifier);
    EXPECT_EQ(editor->SelText(), "bcd");

    // A drag from the second press of a double click selects from the first.
    Press(*editor, Cell(*editor, 1, 1, 1));
    Release(*editor, Cell(*editor, 1, 1, 1));
    Send(*editor, QEvent::MouseButtonDblClick, Cell(*editor, 1, 1, 1), Qt::LeftButton,
         Qt::LeftButton);
    MoveHeld(*editor, Cell(*editor, 1, 4, 1));
    EXPECT_EQ(editor->SelText(), "hij");
    Release(*editor, Cell(*editor, 1, 4, 1));

    // Held above the text, every move scrolls one row further up.
    editor->Lines()->SetTextStr(NumberedLines(100));
    editor->SetTopRow(50);
    editor->SetRowCol(55, 0);
    Press(*editor, Cell(*editor, 55, 0));
    MoveHeld(*editor, QPoint(Cell(*editor, 55, 0).x(), editor->TopMargin() - 1));
    EXPECT_EQ(editor->Row(), 49);
    EXPECT_EQ(editor->TopRow(), 49);
    Release(*editor, QPoint(Cell(*editor, 55, 0).x(), editor->TopMargin() - 1));
}

TEST(TEditorMouse, TheLeftMarginSelectsWholeRowsOrPlacesTheCaretAtTheirStart) {
    auto editor = MakeShownEditor(400, 200, "first\r\nsecond\r\nthird");
    editor->Leftbar()->SetVisible(true);
    const int marginX = editor->LeftMargin() / 2;
    const QPoint second(marginX, Cell(*editor, 1, 0).y());
    Press(*editor, second);
    EXPECT_EQ(editor->SelText(), "second\r\n") << "the row with its line break";
    MoveHeld(*editor, QPoint(marginX, Cell(*editor, 2, 0).y()));
    EXPECT_EQ(editor->SelText(), "second\r\nthird");
    Release(*editor, QPoint(marginX, Cell(*editor, 2, 0).y()));
    // Moves after the release no longer select.
    Hover(*editor, QPoint(marginX, Cell(*editor, 0, 0).y()));
    EXPECT_EQ(editor->SelText(), "second\r\nthird");

    editor->Caret()->SetRowSelect(false);
    editor->SetRowCol(2, 3);
    Press(*editor, second);
    Release(*editor, second);
    EXPECT_FALSE(editor->Selected());
    EXPECT_EQ(editor->Row(), 1);
    EXPECT_EQ(editor->Col(), 0);
}

TEST(TEditorMouse, DraggingASelectionMovesItOrCopiesItWithControl) {
    auto editor = MakeShownEditor(400, 200, "abc def\r\nxy");
    editor->SetSelection(4, 7); // "def"
    const int undo = UndoSteps(*editor);
    const QPoint inside = Cell(*editor, 0, 5);
    Press(*editor, inside);
    EXPECT_EQ(editor->DragState(), TEditorDragState::Pending);
    MoveHeld(*editor, Cell(*editor, 1, 6));
    EXPECT_EQ(editor->DragState(), TEditorDragState::Dragging);
    EXPECT_EQ(editor->CursorKind(), TEditorCursorKind::DragMove);
    EXPECT_EQ(editor->Col(), 6) << "the caret marks the drop point";
    Release(*editor, Cell(*editor, 1, 6));
    EXPECT_EQ(Text(*editor), "abc \r\nxy    def") << "the short row is padded up to the drop";
    EXPECT_EQ(UndoSteps(*editor), undo + 1);
    EXPECT_EQ(editor->Row(), 1);
    EXPECT_EQ(editor->Col(), 9) << "the caret after the moved text";
    editor->Undo();
    EXPECT_EQ(Text(*editor), "abc def\r\nxy");

    // Moved to the front of its own row.
    editor->SetSelection(4, 7);
    Press(*editor, Cell(*editor, 0, 5));
    MoveHeld(*editor, Cell(*editor, 0, 0, 1));
    Release(*editor, Cell(*editor, 0, 0, 1));
    EXPECT_EQ(Text(*editor), "defabc \r\nxy");
    EXPECT_EQ(editor->Col(), 3);

    // Control held at the drop copies; pressing and releasing it during the drag switches.
    editor->SetSelection(0, 3); // "def"
    Press(*editor, Cell(*editor, 0, 1));
    MoveHeld(*editor, Cell(*editor, 1, 2), Qt::ControlModifier);
    EXPECT_EQ(editor->CursorKind(), TEditorCursorKind::DragCopy);
    QTest::keyRelease(editor.get(), Qt::Key_Control);
    EXPECT_EQ(editor->CursorKind(), TEditorCursorKind::DragMove);
    QTest::keyPress(editor.get(), Qt::Key_Control, Qt::ControlModifier);
    Release(*editor, Cell(*editor, 1, 2), Qt::ControlModifier);
    EXPECT_EQ(Text(*editor), "defabc \r\nxydef");
    QTest::keyRelease(editor.get(), Qt::Key_Control);
}

TEST(TEditorMouse, ADragThatEndsOnItsSelectionOrIsCancelledChangesNoText) {
    auto editor = MakeShownEditor(400, 200, "abc def\r\nxy");
    const std::string text = Text(*editor);
    // A press and release in place is a click: the selection goes, the caret stays there.
    editor->SetSelection(4, 7);
    Press(*editor, Cell(*editor, 0, 5, 1));
    Release(*editor, Cell(*editor, 0, 5, 1));
    EXPECT_FALSE(editor->Selected());
    EXPECT_EQ(editor->Col(), 5);
    EXPECT_EQ(editor->DragState(), TEditorDragState::None);

    // Dropped inside the selection itself.
    editor->SetSelection(4, 7);
    Press(*editor, Cell(*editor, 0, 4, 1));
    MoveHeld(*editor, Cell(*editor, 0, 6, 1));
    Release(*editor, Cell(*editor, 0, 6, 1));
    EXPECT_EQ(Text(*editor), text);
    EXPECT_FALSE(editor->Selected());

    // Escape cancels; keys other than Control and Escape are dropped during the drag.
    editor->SetSelection(4, 7);
    Press(*editor, Cell(*editor, 0, 5));
    MoveHeld(*editor, Cell(*editor, 1, 1));
    TypeText(*editor, "z");
    QTest::keyClick(editor.get(), Qt::Key_Escape);
    EXPECT_EQ(editor->DragState(), TEditorDragState::None);
    Release(*editor, Cell(*editor, 1, 1));
    EXPECT_EQ(Text(*editor), text);
    EXPECT_FALSE(editor->Selected());

    // Dropped outside the client area.
    editor->SetSelection(4, 7);
    Press(*editor, Cell(*editor, 0, 5));
    MoveHeld(*editor, Cell(*editor, 1, 1));
    Release(*editor, QPoint(-30, 5));
    EXPECT_EQ(Text(*editor), text);

    // Nothing is dragged out of a read-only text or a box.
    editor->SetReadOnly(true);
    editor->SetSelection(4, 7);
    Press(*editor, Cell(*editor, 0, 5));
    EXPECT_EQ(editor->DragState(), TEditorDragState::None);
}

TEST(TEditorMouse, TheCursorShowsThePointersAreaOnlyWithAutoCursor) {
    auto editor = MakeShownEditor(400, 200, "abc def\r\nxy");
    editor->Ruler()->SetVisible(true);
    editor->SetSelection(4, 7);
    const TEditorCursors* cursors = editor->Caret()->Cursors();
    Hover(*editor, QPoint(editor->LeftMargin() - 2, Cell(*editor, 1, 0).y()));
    EXPECT_EQ(editor->CursorId(), cursors->LeftMarginCursor());
    Hover(*editor, QPoint(Cell(*editor, 0, 1).x(), editor->TopMargin() - 2));
    EXPECT_EQ(editor->CursorId(), cursors->TopMarginCursor());
    Hover(*editor, Cell(*editor, 0, 5));
    EXPECT_EQ(editor->CursorId(), cursors->InSelCursor());
    Hover(*editor, Cell(*editor, 1, 1));
    EXPECT_EQ(editor->CursorId(), cursors->DefaultCursor());

    editor->Caret()->SetAutoCursor(false);
    Hover(*editor, QPoint(editor->LeftMargin() - 2, Cell(*editor, 1, 0).y()));
    EXPECT_EQ(editor->CursorId(), cursors->DefaultCursor());
}

TEST(TEditorMouse, ThePointsCharacterAndTokenAreFoundInTheirLogicalLine) {
    auto editor = MakeShownEditor(600, 200, Sjis("\tab 日本 http://example.jp/x end"));
    int row = -1;
    int index = -1;
    ASSERT_TRUE(
        editor->PosToRowIndex({Cell(*editor, 0, 3, 1).x(), Cell(*editor, 0, 3).y()}, row, index));
    EXPECT_EQ(index, 0) << "a padding column belongs to its tab";
    ASSERT_TRUE(
        editor->PosToRowIndex({Cell(*editor, 0, 12, 1).x(), Cell(*editor, 0, 12).y()}, row, index));
    EXPECT_EQ(index, 4) << "a trail byte belongs to its character";
    const int width = editor->RowWidth(0);
    EXPECT_FALSE(editor->PosToRowIndex(
        {Cell(*editor, 0, width, 1).x(), Cell(*editor, 0, width).y()}, row, index));
    EXPECT_FALSE(
        editor->PosToRowIndex({Cell(*editor, 3, 1).x(), Cell(*editor, 3, 1).y()}, row, index))
        << "below the rows";

    TEditorFountain fountain(nullptr);
    fountain.SetUrl(true);
    editor->SetFountain(&fountain);
    const QPoint url = Cell(*editor, 0, 20);
    EXPECT_EQ(editor->TokenKindAtPos({url.x(), url.y()}), ttUrl);
    EXPECT_EQ(editor->TokenTextAtPos({url.x(), url.y()}), "http://example.jp/x");

    // A word cut by the wrap is one token, found from either row.
    editor->WrapOption()->SetWrapByte(20);
    editor->SetWordWrap(true);
    editor->Lines()->SetTextStr("abcdefghijklmnopqrstuvwxyz tail");
    ASSERT_EQ(editor->ListRow(0), raContinued);
    editor->SetFountain(nullptr);
    const QPoint cut = Cell(*editor, 1, 2, 1);
    editor->SelectTokenAtPos({cut.x(), cut.y()}, false, false);
    EXPECT_EQ(editor->SelText(), "abcdefghijklmnopqrstuvwxyz");
}

TEST(TEditorMouse, ScrollBarRequestsMoveTheViewAndTheCaretOnlyWithLockScroll) {
    auto editor = MakeShownEditor(300, 200, NumberedLines(200));
    editor->SetScrollBars(ssBoth);
    QApplication::processEvents();
    QScrollBar* bar = editor->verticalScrollBar();
    const int page = editor->RowCount();
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(editor->TopRow(), page);
    EXPECT_EQ(editor->Row(), 0) << "the caret stays";
    EXPECT_EQ(bar->value(), page);

    editor->Caret()->SetLockScroll(true);
    editor->SetRowCol(page + 2, 0);
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(editor->TopRow(), 2 * page);
    EXPECT_EQ(editor->Row(), 2 * page + 2) << "the caret moves with the view";
    bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(editor->Row(), 2 * page + 1);
    bar->setSliderPosition(150);
    EXPECT_EQ(editor->TopRow(), 150);
    bar->triggerAction(QAbstractSlider::SliderToMaximum);
    EXPECT_EQ(editor->TopRow(), editor->ListCount());
    EXPECT_EQ(bar->value(), editor->TopRow());
    bar->triggerAction(QAbstractSlider::SliderToMinimum);
    EXPECT_EQ(editor->TopRow(), 0);
    EXPECT_EQ(editor->Row(), 0) << "the caret is clamped with the view at the top";

    QScrollBar* horizontal = editor->horizontalScrollBar();
    horizontal->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(editor->TopCol(), editor->ColCount());
    horizontal->triggerAction(QAbstractSlider::SliderToMaximum);
    EXPECT_EQ(horizontal->value(), editor->TopCol());
    EXPECT_EQ(editor->Col(), 0);
}

TEST(TEditorMouse, TheMouseEventsFireAfterThePressAndBeforeTheRelease) {
    auto editor = MakeShownEditor(400, 200, "abc\r\ndef");
    std::vector<std::string> heard;
    struct Listener {
        TEditor* editor;
        std::vector<std::string>* heard;
        void Down(TObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
            heard->push_back("down at col " + std::to_string(editor->Col()));
        }
        void Up(TObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
            heard->push_back(std::string("up, ") + (editor->Selected() ? "selected" : "none"));
        }
        void Click(TObject*) { heard->push_back("click"); }
    } listener{editor.get(), &heard};
    editor->OnMouseDown = MethodOf<&Listener::Down>(&listener);
    editor->OnMouseUp = MethodOf<&Listener::Up>(&listener);
    editor->OnClick = MethodOf<&Listener::Click>(&listener);
    editor->SetSelection(0, 3);
    Press(*editor, Cell(*editor, 1, 2, 1));
    Release(*editor, Cell(*editor, 1, 2, 1));
    EXPECT_EQ(heard, (std::vector<std::string>{"down at col 2", "up, none", "click"}));

    // Any button gives the focus.
    editor->clearFocus();
    ASSERT_FALSE(editor->hasFocus());
    Press(*editor, Cell(*editor, 0, 0), Qt::NoModifier, Qt::RightButton);
    EXPECT_TRUE(editor->hasFocus());
}

} // namespace
} // namespace kes::test
