#include "EditorTestSupport.h"

#include "fountain/TEditorFountain.h"
#include "textmodel/TEditorScreenStrings.h"
#include "textmodel/TEditorUndoObj.h"
#include "textmodel/TEditorWrapOption.h"
#include "toolkit/gui/TFont.h"

#include <QApplication>
#include <QImage>
#include <QScrollBar>
#include <QTest>

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

#include <utility>

#include <unistd.h>

#include <gtest/gtest.h>

namespace kes {
namespace {

using test::MakeShownEditor;
using test::NumberedLines;

TEST(TEditorCoreTest, GeometryFollowsFontMarginsAndOuterSize) {
    auto editor = MakeShownEditor(400, 300);
    const TFontMetrics metrics = editor->Font()->Metrics();
    EXPECT_EQ(editor->ColWidth(), metrics.AverageCharWidth);
    EXPECT_EQ(editor->FontHeight(), metrics.Height + metrics.ExternalLeading);
    EXPECT_EQ(editor->RowHeight(), editor->FontHeight());
    const int rows = (300 - editor->TopMargin() - 5) / editor->RowHeight();
    EXPECT_EQ(editor->RowCount(), rows);
    const int cols = (400 - editor->LeftMargin() - editor->ColWidth() / 2) / editor->ColWidth();
    EXPECT_EQ(editor->ColCount(), cols);

    editor->Margin()->SetCharacter(3);
    editor->Margin()->SetLine(4);
    EXPECT_EQ(editor->ColWidth(), metrics.AverageCharWidth + 3);
    EXPECT_EQ(editor->RowHeight(), editor->FontHeight() + 4);

    // A vertical bar takes its width from the columns, a horizontal one its height from the
    // rows.
    editor->SetScrollBars(ssBoth);
    EXPECT_EQ(editor->RowCount(),
              (300 - editor->TopMargin() - 5 - editor->ScrollBarHeight()) / editor->RowHeight());
    EXPECT_EQ(editor->ColCount(),
              (400 - editor->LeftMargin() - editor->ColWidth() / 2 - editor->ScrollBarWidth()) /
                  editor->ColWidth());
    EXPECT_TRUE(editor->VerticalScrollBarShown());
    EXPECT_TRUE(editor->HorizontalScrollBarShown());
    editor->SetScrollBars(ssNone);
    EXPECT_FALSE(editor->VerticalScrollBarShown());
}

TEST(TEditorCoreTest, CharacterOffsetsCountBreaksAsTheRowsHoldThem) {
    auto editor = MakeShownEditor(400, 300, "abc\r\n\x82\xa0x\tz\r\nlast");
    // Rows: "abc" (3 + 2), "\x82\xa0x\tz" (5 + 2), "last" (4 + 1).
    EXPECT_EQ(editor->CharOffset(0, 2, 0), 12);
    EXPECT_EQ(editor->CharOffset(0, 1, 2), 7);  // the trail byte's column
    EXPECT_EQ(editor->CharOffset(0, 1, 8), 9);  // after the tab (columns 3..7)
    EXPECT_EQ(editor->CharOffset(1, 2, 4), 11); // counted from row 1

    editor->PlaceCaretAtOffset(0, 7);
    EXPECT_EQ(editor->Row(), 1);
    EXPECT_EQ(editor->Col(), 2);
    editor->PlaceCaretAtOffset(0, 4); // inside the first row's line break
    EXPECT_EQ(editor->Row(), 0);
    EXPECT_EQ(editor->Col(), 3);
    editor->PlaceCaretAtOffset(0, 100);
    EXPECT_EQ(editor->Row(), 2);
    EXPECT_EQ(editor->Col(), 4);
    editor->PlaceCaretAtOffset(1, 2); // 'x' of row 1
    EXPECT_EQ(editor->Row(), 1);
    EXPECT_EQ(editor->Col(), 2);

    // Offsets follow an edit of the rows before them.
    EXPECT_EQ(editor->CharOffset(0, 2, 1), 13);
    editor->ScreenStrings().UpdateRows(0, 1, "abcdef\r\n");
    EXPECT_EQ(editor->CharOffset(0, 2, 1), 16);
    EXPECT_EQ(editor->CharOffset(0, 1, 0), 8);

    // With word wrap, rows of one line have no break between them; line numbers and offsets
    // in the line count across them.
    editor->Lines()->SetTextStr(std::string(25, 'a') + "\r\nb\r\n" + std::string(45, 'c'));
    editor->WrapOption()->SetWrapByte(20);
    editor->SetWordWrap(true);
    ASSERT_EQ(editor->ListCount(), 6);
    EXPECT_EQ(editor->CharOffset(0, 2, 0), 25 + 2);
    EXPECT_EQ(editor->LineNumber(5), 2);
    EXPECT_EQ(editor->LineNumber(2), 1);
    EXPECT_EQ(editor->LineNumber(1), 0);
    EXPECT_EQ(editor->LineOffset(4, 3), 23);
    EXPECT_EQ(editor->LineOffset(1, 99), 25);
    EXPECT_EQ(editor->RowStart(5), 3);
    editor->ScreenStrings().UpdateRows(2, 1, "b\r\nnew\r\n");
    EXPECT_EQ(editor->LineNumber(6), 3);
}

TEST(TEditorCoreTest, TabExpansionKeepsBytePositionsEqualToColumns) {
    auto editor = MakeShownEditor(400, 200);
    // A lone lead byte (before a tab, or last) is one column, like every other measure.
    for (std::string_view text : {"\tab\t\x82\xa0\tc", "\x82\tx", "a\t\x82", "no tab"}) {
        SCOPED_TRACE(text);
        const std::string expanded = editor->ExpandTab(text);
        EXPECT_EQ(static_cast<int>(expanded.size()), editor->DisplayWidth(text));
        EXPECT_EQ(expanded.find('\t'), std::string::npos);
    }
    EXPECT_EQ(editor->ExpandTab("\x82\tx"), "\x82       x");
    editor->Caret()->SetTabSpaceCount(4);
    EXPECT_EQ(editor->ExpandTab("ab\tc"), "ab  c");
    EXPECT_EQ(editor->IndentWidth(" \t\x81\x40x"), 6);
    EXPECT_EQ(editor->IndentWidth(""), -1);
}

TEST(TEditorCoreTest, KeepCaretReturnsToTheRememberedColumnUntilAHorizontalMove) {
    auto editor = MakeShownEditor(600, 300,
                                  std::string(40, 'a') + "\r\n" + std::string(10, 'b') + "\r\n" +
                                      std::string(50, 'c') + "\r\n" + std::string(50, 'd'));
    editor->Caret()->SetKeepCaret(true);
    editor->Caret()->SetFreeCaret(false);
    editor->Caret()->SetFreeRow(false);
    editor->SetCol(30);
    editor->MoveDown(1);
    EXPECT_EQ(editor->Col(), 10);
    editor->MoveDown(1);
    EXPECT_EQ(editor->Col(), 30);
    editor->MoveUp(1);
    editor->MoveLeft(); // forgets column 30
    EXPECT_EQ(editor->Col(), 9);
    editor->MoveDown(1);
    EXPECT_EQ(editor->Col(), 9);
}

TEST(TEditorCoreTest, TheCaretNeverStandsOnATrailByteOrTabPadding) {
    // Row 0: "a", a double-byte character (columns 1-2), "b". Row 1: a tab (columns 0-7), "c".
    // Row 2: "xy", the double-byte character again in columns 2-3.
    auto editor = MakeShownEditor(600, 200,
                                  "a\x82\xa0"
                                  "b\r\n\tc\r\nxy\x82\xa0");
    editor->SetCol(1);
    editor->MoveRight();
    EXPECT_EQ(editor->Col(), 3);
    editor->MoveLeft();
    EXPECT_EQ(editor->Col(), 1);
    editor->SetCol(2); // straight onto the trail byte: on to the next character going right
    EXPECT_EQ(editor->Col(), 3);

    // Down onto padding goes back to the tab; right over a tab jumps past its stop.
    editor->Caret()->SetFreeCaret(false);
    editor->SetCol(3);
    editor->MoveDown(1);
    EXPECT_EQ(editor->Row(), 1);
    EXPECT_EQ(editor->Col(), 0);
    editor->MoveRight();
    EXPECT_EQ(editor->Col(), 8);
    editor->MoveLeft();
    EXPECT_EQ(editor->Col(), 0);
    // Down from column 3 (remembered) to row 2 lands on the trail byte: back to its lead.
    editor->SetRowCol(0, 3);
    editor->MoveDown(1);
    editor->MoveDown(1);
    EXPECT_EQ(editor->Row(), 2);
    EXPECT_EQ(editor->Col(), 2);
    // Set together, a trail column and a padding column go left.
    editor->SetRowCol(0, 2);
    EXPECT_EQ(editor->Col(), 1);
    editor->SetRowCol(1, 5);
    EXPECT_EQ(editor->Col(), 0);

    // With InTab the caret may stand inside the padding.
    editor->Caret()->SetInTab(true);
    editor->SetRowCol(1, 5);
    EXPECT_EQ(editor->Col(), 5);
    EXPECT_EQ(editor->CaretIndex(), 0);
}

TEST(TEditorCoreTest, RowEndsAndLineBoundaries) {
    auto editor = MakeShownEditor(600, 300, std::string(30, 'a') + "\r\nbc\r\n");
    editor->WrapOption()->SetWrapByte(20);
    editor->SetWordWrap(true);
    ASSERT_EQ(editor->ListCount(), 3);
    ASSERT_EQ(editor->ListRow(0), raContinued);
    // The end of a continued row is the next row's start: End stops one short of it.
    editor->MoveLineEnd(false);
    EXPECT_EQ(editor->Col(), 19);
    editor->MoveRight();
    EXPECT_EQ(editor->Row(), 1);
    EXPECT_EQ(editor->Col(), 0);
    // Left at column 0 goes back over a continued row even without NextLine...
    editor->MoveLeft();
    EXPECT_EQ(editor->Row(), 0);
    EXPECT_EQ(editor->Col(), 19);
    // ...but stops at the start of a logical line.
    editor->SetRowCol(2, 0);
    editor->MoveLeft();
    EXPECT_EQ(editor->Row(), 2);
    EXPECT_EQ(editor->Col(), 0);
    editor->Caret()->SetNextLine(true);
    editor->Caret()->SetFreeCaret(false);
    editor->MoveLeft();
    EXPECT_EQ(editor->Row(), 1);
    EXPECT_EQ(editor->Col(), 10);
    editor->MoveRight();
    EXPECT_EQ(editor->Row(), 2);

    // The row after the last exists after a final line break, Control+End goes there; there
    // is none after it.
    editor->MoveLineEnd(true);
    EXPECT_EQ(editor->Row(), 3);
    EXPECT_EQ(editor->Col(), 0);
    editor->MoveDown(1);
    EXPECT_EQ(editor->Row(), 3);
    editor->MoveLineStart(true);
    EXPECT_EQ(editor->Row(), 0);

    // Without a final break Control+End goes to the end of the last row.
    editor->Lines()->SetTextStr("ab\r\ncd");
    editor->MoveLineEnd(true);
    EXPECT_EQ(editor->Row(), 1);
    EXPECT_EQ(editor->Col(), 2);
    editor->SetRow(5);
    EXPECT_EQ(editor->Row(), 1);

    // An empty text has only (0, 0).
    editor->Lines()->SetTextStr("");
    editor->MoveLineEnd(true);
    EXPECT_EQ(editor->Row(), 0);
    EXPECT_EQ(editor->Col(), 0);
    editor->MoveDown(1);
    editor->MoveRight();
    EXPECT_EQ(editor->Row(), 0);
}

TEST(TEditorCoreTest, PagesAndTheViewScrollTogetherWithinTheText) {
    auto editor = MakeShownEditor(400, 300, NumberedLines(200));
    editor->resize(400, editor->TopMargin() + 5 + 20 * editor->RowHeight());
    ASSERT_EQ(editor->RowCount(), 20);
    EXPECT_EQ(editor->PageRows(), 18);
    editor->SetRowCol(3, 0);
    editor->MovePage(editor->PageRows());
    EXPECT_EQ(editor->TopRow(), 18);
    EXPECT_EQ(editor->Row(), 21);
    editor->MovePage(-editor->PageRows());
    EXPECT_EQ(editor->TopRow(), 0);
    EXPECT_EQ(editor->Row(), 3);
    editor->MovePage(-editor->PageRows()); // at the top: only the caret goes up
    EXPECT_EQ(editor->Row(), 0);

    // The caret follows the view where it would leave it.
    editor->ScrollDown(5);
    EXPECT_EQ(editor->TopRow(), 5);
    EXPECT_EQ(editor->Row(), 5);
    editor->SetRow(24);
    editor->ScrollUp(1);
    EXPECT_EQ(editor->TopRow(), 4);
    EXPECT_EQ(editor->Row(), 23);

    // A caret moved out of view brings the view along.
    editor->SetRow(100);
    EXPECT_EQ(editor->TopRow(), 100 - 20 + 1);
    editor->SetRow(50);
    EXPECT_EQ(editor->TopRow(), 50);

    // The first visible row goes down to the row count (the row after the last), not
    // beyond; paging stops there.
    editor->SetTopRow(1000);
    EXPECT_EQ(editor->TopRow(), editor->ListCount());
    const int row = editor->Row();
    editor->MovePage(editor->PageRows());
    EXPECT_EQ(editor->TopRow(), editor->ListCount());
    EXPECT_EQ(editor->Row(), row);
    editor->SetTopRow(-3);
    EXPECT_EQ(editor->TopRow(), 0);

    // The bar runs over the same rows and moves the view.
    editor->SetScrollBars(ssVertical);
    editor->SetTopRow(12);
    EXPECT_EQ(editor->verticalScrollBar()->maximum(), editor->ListCount());
    EXPECT_EQ(editor->verticalScrollBar()->value(), 12);
    editor->verticalScrollBar()->setValue(30);
    EXPECT_EQ(editor->TopRow(), 30);
    editor->SetScrollBars(ssNone);

    // Sideways in quarter views, never past column 1000 less half a view.
    editor->Lines()->SetTextStr(std::string(1200, 'w'));
    editor->MoveLineEnd(false);
    EXPECT_EQ(editor->Col(), TEditor::MaxCol);
    EXPECT_EQ(editor->TopCol(), TEditor::MaxCol - editor->ColCount() + 1);
    editor->SetCol(editor->TopCol() - 1); // one column left of the view: a quarter view back
    EXPECT_EQ(editor->TopCol(), TEditor::MaxCol - editor->ColCount() + 1 - editor->ColCount() / 4);
    editor->SetTopCol(5000);
    EXPECT_EQ(editor->TopCol(), TEditor::MaxCol - editor->ColCount() / 2);
}

struct CaretEvents {
    int moved = 0;
    void Moved(TObject*) { ++moved; }
};

TEST(TEditorCoreTest, TheCaretIsPlacedOnlyWithTheFocus) {
    auto editor = MakeShownEditor(400, 200, "abc\r\ndef");
    CaretEvents events;
    editor->OnCaretMoved = MethodOf<&CaretEvents::Moved>(&events);
    editor->SetRowCol(1, 2);
    EXPECT_EQ(events.moved, 1);
    EXPECT_TRUE(editor->SystemCaret().Exists());
    EXPECT_TRUE(editor->SystemCaret().Shown());
    EXPECT_EQ(editor->SystemCaret().Rect().topLeft(),
              QPoint(editor->ColLeft(2), editor->RowTop(1)));
    EXPECT_EQ(editor->SystemCaret().Rect().size(), QSize(2, editor->FontHeight()));

    // The brief caret is an underscore one cell wide, two over a double-byte character.
    editor->Caret()->SetStyle(csBrief);
    EXPECT_EQ(editor->SystemCaret().Rect().size(), QSize(editor->ColWidth(), 2));
    EXPECT_EQ(editor->SystemCaret().Rect().top(), editor->RowTop(1) + editor->FontHeight() - 2);
    editor->Caret()->SetStyle(csDefault);

    // Another control takes the focus: moves are silent and place nothing.
    auto other = MakeShownEditor(100, 100);
    ASSERT_FALSE(editor->hasFocus());
    EXPECT_FALSE(editor->SystemCaret().Exists());
    events.moved = 0;
    editor->SetRowCol(0, 1);
    editor->MoveRight();
    EXPECT_EQ(events.moved, 0);
    EXPECT_EQ(editor->Col(), 2);

    // The focus arrives: the caret is made, placed where the caret is and reported.
    QApplication::setActiveWindow(editor.get());
    editor->setFocus();
    QApplication::processEvents();
    ASSERT_TRUE(editor->hasFocus());
    EXPECT_EQ(events.moved, 1);
    EXPECT_TRUE(editor->SystemCaret().Shown());
    EXPECT_EQ(editor->SystemCaret().Rect().topLeft(),
              QPoint(editor->ColLeft(2), editor->RowTop(0)));

    // The input method's composition window stands at the caret cell.
    const QRect composition = editor->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    EXPECT_EQ(composition.topLeft(),
              editor->viewport()->pos() + QPoint(editor->ColLeft(2), editor->RowTop(0)));
    EXPECT_TRUE(editor->inputMethodQuery(Qt::ImEnabled).toBool());

    // Nested hiding shows the caret again only at the outermost show.
    editor->HideCaret();
    editor->HideCaret();
    editor->ShowCaret();
    EXPECT_FALSE(editor->SystemCaret().Shown());
    editor->ShowCaret();
    EXPECT_TRUE(editor->SystemCaret().Shown());
}

TEST(TEditorCoreTest, DigitMarksSitOnOneRowAndLeadTheCaret) {
    auto editor = MakeShownEditor(400, 200, NumberedLines(100));
    editor->PutRowMark(5, 3);
    editor->PutRowMark(9, 3);
    editor->PutRowMark(9, 12);
    editor->PutRowMark(40, 12); // picture marks may sit on many rows
    EXPECT_EQ(editor->ListRowMarks(5), 0);
    EXPECT_EQ(editor->ListRowMarks(9), (1 << 3) | (1 << 12));
    EXPECT_EQ(editor->ListRowMarks(40), 1 << 12);
    EXPECT_EQ(editor->ScreenStrings().UsedRowMarks(), (1 << 3) | (1 << 12));

    editor->GotoRowMark(3);
    EXPECT_EQ(editor->Row(), 9);
    editor->GotoRowMark(12);
    EXPECT_EQ(editor->Row(), 9);
    editor->PutRowMark(80, 4);
    editor->GotoRowMark(4);
    EXPECT_EQ(editor->Row(), 80);
    EXPECT_EQ(editor->TopRow(), 80 - editor->RowCount() / 2);
    editor->GotoRowMark(7); // set nowhere
    EXPECT_EQ(editor->Row(), 80);

    editor->DeleteRowMark(9, 12);
    EXPECT_EQ(editor->ScreenStrings().UsedRowMarks(), (1 << 3) | (1 << 4) | (1 << 12));
    editor->DeleteRowMark(40, 12);
    EXPECT_EQ(editor->ScreenStrings().UsedRowMarks(), (1 << 3) | (1 << 4));
    // The image bar shows a mark as soon as it is set or deleted.
    ASSERT_TRUE(editor->Imagebar()->Visible());
    editor->SetTopRow(0);
    for (bool put : {true, false}) {
        editor->UpdateNow();
        if (put)
            editor->PutRowMark(2, 6);
        else
            editor->DeleteRowMark(2, 6);
        const QImage marked = editor->Surface().copy();
        editor->Invalidate();
        editor->UpdateNow();
        EXPECT_TRUE(marked == editor->Surface());
    }
    editor->PutRowMark(500, 5); // no such row
    editor->PutRowMark(1, 16);  // no such mark
    EXPECT_EQ(editor->ScreenStrings().UsedRowMarks(), (1 << 3) | (1 << 4));
}

TEST(TEditorCoreTest, WordMovesStopAtTheStartsOfWords) {
    auto editor = MakeShownEditor(600, 200, "one two\tthree\r\n  four\r\nfive");
    editor->MoveWordRight();
    EXPECT_EQ(editor->Col(), 4);
    editor->MoveWordRight();
    EXPECT_EQ(editor->Col(), 8); // past the tab: columns of the expanded row
    editor->MoveWordRight();
    EXPECT_EQ(editor->Col(), 13); // no word follows: the row's end
    editor->MoveWordRight();
    EXPECT_EQ(editor->Row(), 1);
    EXPECT_EQ(editor->Col(), 2);
    editor->MoveWordLeft();
    EXPECT_EQ(editor->Row(), 0); // before the first word: the previous row's end
    EXPECT_EQ(editor->Col(), 13);
    editor->MoveWordLeft();
    EXPECT_EQ(editor->Col(), 8);
    editor->SetRowCol(1, 0);
    editor->MoveWordLeft(); // from column 0 to the previous row's end, a line end stops
    EXPECT_EQ(editor->Row(), 0);
    EXPECT_EQ(editor->Col(), 13);
    editor->MoveLineStart(true);
    editor->MoveWordLeft();
    EXPECT_EQ(editor->Row(), 0);
    EXPECT_EQ(editor->Col(), 0);
}

TEST(TEditorCoreTest, OptionsReachTheRowsAndTheHistory) {
    auto editor = MakeShownEditor(400, 200, "abc");
    editor->SetUndoListMax(10);
    EXPECT_EQ(editor->UndoListMax(), 64);
    editor->SetUndoListMax(500);
    EXPECT_EQ(editor->ScreenStrings().UndoObj().UndoListMax(), 500);

    editor->ScreenStrings().UpdateRows(0, 1, "abcd");
    ASSERT_TRUE(editor->CanUndo());
    EXPECT_TRUE(editor->Modified());
    editor->Undo();
    EXPECT_FALSE(editor->CanUndo());
    EXPECT_TRUE(editor->CanRedo());
    editor->Redo();
    EXPECT_EQ(editor->ListString(0), "abcd");
    // A new tab width changes what recorded columns mean: the history goes.
    editor->Caret()->SetTabSpaceCount(4);
    EXPECT_FALSE(editor->CanUndo());

    editor->WrapOption()->SetWrapByte(20);
    EXPECT_EQ(editor->ScreenStrings().WrapOption().WrapByte(), 20);
    editor->SetWordWrap(true);
    EXPECT_TRUE(editor->ScreenStrings().WordWrap());

    // A new font measures the cells again; a view scrolled sideways goes back to column 0.
    editor->Lines()->SetTextStr(std::string(500, 'f'));
    editor->SetWordWrap(false);
    editor->MoveLineEnd(false);
    ASSERT_GT(editor->TopCol(), 0);
    TFont font;
    font.Assign(editor->Font());
    font.SetHeight(editor->Font()->Height() * 2);
    const int rows = editor->RowCount();
    editor->SetFont(&font);
    EXPECT_EQ(editor->FontHeight(), font.Metrics().Height + font.Metrics().ExternalLeading);
    EXPECT_LT(editor->RowCount(), rows);
    EXPECT_EQ(editor->Col(), 0);
    EXPECT_EQ(editor->TopCol(), 0);

    // Underline room is added to the row pitch while the underline is visible.
    const int pitch = editor->RowHeight();
    editor->Marks()->Underline()->SetVisible(true);
    EXPECT_EQ(editor->RowHeight(), pitch + 1);
}

TEST(TEditorCoreTest, EditorsAttachedToOneTextAllSeeItsChanges) {
    auto first = MakeShownEditor(400, 200, "shared\r\ntext");
    auto second = MakeShownEditor(400, 200, "own");
    int changes = 0;
    struct Counter {
        int* count;
        void Changed(TObject*) { ++*count; }
    } counter{&changes};
    second->OnChange = MethodOf<&Counter::Changed>(&counter);
    second->AttachScreenStrings(first.get());
    EXPECT_EQ(&second->ScreenStrings(), &first->ScreenStrings());
    EXPECT_EQ(second->ListString(1), "text");
    EXPECT_EQ(second->Lines()->GetTextStr(), "shared\r\ntext");
    first->ScreenStrings().UpdateRows(1, 1, "changed");
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(second->Modified());
    EXPECT_EQ(second->ListString(1), "changed");
    // A selection of the other view named rows and bytes that now hold other text: it goes.
    second->SetRowCol(0, 0);
    second->StartSelection();
    second->SetRowCol(0, 3);
    second->ExtendSelection();
    first->SetRowCol(0, 0);
    first->InsertTypedText("new ");
    EXPECT_FALSE(second->HasSelection());
    EXPECT_EQ(second->ListString(0), "new shared");
    // The first editor may go; the text stays with the second.
    first.reset();
    EXPECT_EQ(second->ListString(0), "new shared");
}

TEST(TEditorCoreTest, TheEditorListensToTheFountainItShows) {
    auto editor = MakeShownEditor(400, 200, "abc");
    TEditorFountain first(nullptr);
    TEditorFountain second(nullptr);
    const int before = first.NotifyEventList()->Count();
    editor->SetFountain(&first);
    EXPECT_EQ(editor->ActiveFountain(), &first);
    EXPECT_EQ(first.NotifyEventList()->Count(), before + 1);
    editor->SetFountain(&second);
    EXPECT_EQ(first.NotifyEventList()->Count(), before);
    EXPECT_EQ(second.NotifyEventList()->Count(), before + 1);
    // A change of the fountain parses the rows again.
    editor->ScreenStrings().SetBracketIndexes(0, -2);
    second.NotifyEventList()->Changed();
    EXPECT_TRUE(editor->ScreenStrings().ParseStateComputed(0));
    editor->SetFountain(nullptr);
    EXPECT_EQ(second.NotifyEventList()->Count(), before);
    EXPECT_EQ(editor->ActiveFountain(), editor->View()->Fountain());

    // Reserved words go to the view's own fountain.
    TStringList words;
    words.Add("begin");
    editor->SetReserveWordList(&words);
    EXPECT_EQ(editor->View()->Fountain()->ReserveWordList()->GetCount(), 1);
}

// The surface after painting only what changed, then after painting everything.
std::pair<QImage, QImage> IncrementalAndFullPaint(TEditor& editor) {
    editor.UpdateNow();
    QImage incremental = editor.Surface().copy();
    editor.Invalidate();
    editor.UpdateNow();
    return {incremental, editor.Surface().copy()};
}

TEST(TEditorCoreTest, ScrollingMovesPixelsAsAFullPaintWouldDrawThem) {
    auto editor = MakeShownEditor(400, 300, NumberedLines(120));
    editor->Leftbar()->SetVisible(true);
    editor->Ruler()->SetVisible(true);
    editor->PutRowMark(12, 1);
    editor->UpdateNow();
    const QImage atStart = editor->Surface().copy();
    ASSERT_FALSE(atStart.isNull());
    for (int top : {5, 3, 40, 39, 120, 0}) {
        SCOPED_TRACE(top);
        editor->SetTopRow(top);
        auto [incremental, full] = IncrementalAndFullPaint(*editor);
        EXPECT_TRUE(incremental == full);
        EXPECT_EQ(atStart == full, editor->TopRow() == 0);
    }
    editor->Lines()->SetTextStr(std::string(300, 'h') + "\r\n" + std::string(200, 'k'));
    for (int left : {7, 2, 100, 0}) {
        SCOPED_TRACE(left);
        editor->SetTopCol(left);
        auto [incremental, full] = IncrementalAndFullPaint(*editor);
        EXPECT_TRUE(incremental == full);
    }
}

TEST(TEditorCoreTest, APressGivesTheFocusAndALeftPressPlacesTheCaret) {
    auto editor = MakeShownEditor(400, 200, "abc\r\ndefgh");
    auto other = MakeShownEditor(100, 100);
    ASSERT_FALSE(editor->hasFocus());
    QApplication::setActiveWindow(editor.get());
    const QPoint cell(editor->ColLeft(3) + editor->ColWidth() / 3, editor->RowTop(1) + 2);
    QTest::mouseClick(editor->viewport(), Qt::RightButton, {}, cell);
    EXPECT_TRUE(editor->hasFocus());
    EXPECT_EQ(editor->Row(), 0);
    QTest::mouseClick(editor->viewport(), Qt::LeftButton, {}, cell);
    EXPECT_EQ(editor->Row(), 1);
    EXPECT_EQ(editor->Col(), 3);
    // Past the end of a row the caret goes to its end without FreeCaret.
    editor->Caret()->SetFreeCaret(false);
    QTest::mouseClick(editor->viewport(), Qt::LeftButton, {},
                      QPoint(editor->ColLeft(20), editor->RowTop(0) + 2));
    EXPECT_EQ(editor->Row(), 0);
    EXPECT_EQ(editor->Col(), 3);
}

struct FailingOnce {
    int calls = 0;
    void Moved(TObject*) {
        if (calls++ == 0)
            throw std::runtime_error("handler failed");
    }
};

// An event handler may fail inside a move; the caret is neither left hidden nor frozen.
TEST(TEditorCoreTest, AFailingHandlerLeavesTheCaretWorking) {
    auto editor = MakeShownEditor(400, 200, NumberedLines(100));
    FailingOnce handler;
    editor->OnCaretMoved = MethodOf<&FailingOnce::Moved>(&handler);
    EXPECT_THROW(editor->MovePage(editor->PageRows()), std::runtime_error);
    handler.calls = 0;
    EXPECT_THROW(editor->SetRowCol(3, 2), std::runtime_error);
    handler.calls = 0;
    EXPECT_THROW(editor->SetSelLength(4), std::runtime_error);
    handler.calls = 1;
    editor->CleanSelection();
    editor->SetRowCol(5, 1);
    EXPECT_GE(handler.calls, 2);
    EXPECT_TRUE(editor->SystemCaret().Shown());
    EXPECT_EQ(editor->SystemCaret().Rect().topLeft(),
              QPoint(editor->ColLeft(1), editor->RowTop(5)));
    editor->SetRowCol(5, 3);
    EXPECT_EQ(editor->SystemCaret().Rect().topLeft(),
              QPoint(editor->ColLeft(3), editor->RowTop(5)));
}

// A file loaded over the text is the file's text: not modified. Undoing the load brings the
// typed text back, which differs from every file again.
TEST(TEditorCoreTest, AReplacementFromAFileIsUnmodifiedAndItsUndoModified) {
    auto editor = MakeShownEditor(400, 200, "typed\r\npost");
    editor->ScreenStrings().UpdateRows(1, 1, "posted");
    editor->SetRowCol(1, 4);
    ASSERT_TRUE(editor->Modified());
    const std::string path =
        (std::filesystem::temp_directory_path() / ("kes-core-load-" + std::to_string(::getpid())))
            .string();
    std::ofstream(path, std::ios::binary) << "loaded\nfile";
    editor->Lines()->ReplaceFromFile(path);
    std::filesystem::remove(path);
    EXPECT_EQ(editor->Lines()->GetTextStr(), "loaded\r\nfile");
    EXPECT_FALSE(editor->Modified());
    EXPECT_EQ(editor->Row(), 0);
    editor->Undo();
    EXPECT_EQ(editor->Lines()->GetTextStr(), "typed\r\nposted");
    EXPECT_TRUE(editor->Modified());
    EXPECT_EQ(editor->Row(), 1);
    EXPECT_EQ(editor->Col(), 4);
    editor->SetModified(false);
    editor->Lines()->ReplaceText("pasted");
    EXPECT_TRUE(editor->Modified()) << "a text from elsewhere is an edit like any other";
    EXPECT_TRUE(editor->CanUndo());
}

} // namespace
} // namespace kes
