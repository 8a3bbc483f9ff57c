#include "EditorTestSupport.h"

#include "textmodel/TEditorScreenStrings.h"
#include "toolkit/gui/TFont.h"

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

} // namespace
} // namespace kes
