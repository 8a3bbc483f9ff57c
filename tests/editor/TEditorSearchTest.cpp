#include "EditingTestSupport.h"

#include "fountain/TEditorColors.h"
#include "textmodel/TEditorWrapOption.h"
#include "toolkit/gui/QtColor.h"

#include <QImage>

#include <gtest/gtest.h>

#include <string>

namespace kes {
namespace {

using O = TSearchOption;
using test::MakeShownEditor;

const TSearchOptions kDown{O::SearchDown};
const TSearchOptions kUp{};

// Where the hit or selection starts and how long it is, or "none" for a search that failed.
std::string Hit(TEditor& editor, std::string_view pattern, TSearchOptions options) {
    if (!editor.Search(pattern, options))
        return "none";
    const int length = editor.Selected() ? editor.SelLength() : editor.HitLength();
    return std::to_string(editor.SelStart()) + "/" + std::to_string(length);
}

// Rows of `width` bytes before their line break, each filled with a letter of its own.
std::string FilledRows(int count, int width) {
    std::string text;
    for (int i = 0; i < count; ++i)
        text += std::string(static_cast<size_t>(width), static_cast<char>('a' + i % 20)) + "\r\n";
    return text;
}

TEST(TEditorSearch, SearchingAgainGoesOnAfterTheHitInEveryHitStyle) {
    for (TEditorHitStyle style : {hsSelect, hsDraw, hsCaret}) {
        SCOPED_TRACE(style);
        auto editor = MakeShownEditor(400, 200, "abcabc");
        editor->SetHitStyle(style);
        EXPECT_EQ(Hit(*editor, "abc", kDown), "0/3");
        EXPECT_EQ(editor->SelectionState(),
                  style == hsSelect ? TEditorSelectionState::Selected : TEditorSelectionState::Hit);
        EXPECT_EQ(Hit(*editor, "abc", kDown), "3/3");
        EXPECT_EQ(editor->Col(), style == hsCaret ? 3 : 6)
            << "a block caret stands at the hit's start";
        EXPECT_EQ(Hit(*editor, "abc", kDown), "none");
        EXPECT_EQ(editor->SelStart(), 3) << "the last hit stays";

        EXPECT_EQ(Hit(*editor, "abc", kUp), "0/3") << "up from the hit's start";
        EXPECT_EQ(Hit(*editor, "abc", kUp), "none");
        editor->CleanSelection();
        editor->SetRowCol(0, 6);
        EXPECT_EQ(Hit(*editor, "bca", kUp), "1/3") << "up from the caret";
    }
}

// Rows of 98 bytes and their line breaks: a search from the text's start fills its first
// buffer with 82 rows (8200 bytes), one from the text's end (its last row has no break) its
// first with the last 82 rows; in 164 rows both buffers end between rows 81 and 82.
TEST(TEditorSearch, AMatchAcrossTheEdgeOfTwoBuffersIsFoundBothWays) {
    std::string text = FilledRows(164, 98);
    text.resize(text.size() - 2);
    const int edge = 82 * 100;
    text.replace(edge - 5, 3, "XYZ");
    text.replace(edge, 3, "UVW");
    auto editor = MakeShownEditor(400, 200, text);
    const std::string expected = std::to_string(edge - 5) + "/8";
    EXPECT_EQ(Hit(*editor, "XYZ\r\nUVW", kDown), expected);
    EXPECT_EQ(editor->Row(), 82);
    editor->CleanSelection();
    editor->SetRowCol(163, 98);
    EXPECT_EQ(Hit(*editor, "XYZ\r\nUVW", kUp), expected);
}

// A match over three rows with the line breaks passed over, its first row before the edge of
// a buffer and its last after it, down and up: a buffer that overlapped the previous one by a
// row would see its middle and one end only.
TEST(TEditorSearch, AMatchOverThreeRowsAtABufferEdgeIsFound) {
    // Down, the first buffer ends after the short row 81 (8000 + 189 + 3 bytes); up from the
    // end, the first buffer starts with it (98 + 7900 + 191 + 3 bytes).
    std::string text = FilledRows(80, 98) + std::string(186, 'k') + "P\r\nQ\r\nR" +
                       std::string(188, 'm') + "\r\n" + FilledRows(80, 98);
    text.resize(text.size() - 2);
    const int p = 8000 + 186;
    auto editor = MakeShownEditor(400, 200, text);
    const TSearchOptions breaks{O::SearchDown, O::IgnoreLineBreaks};
    const std::string expected = std::to_string(p) + "/7";
    EXPECT_EQ(Hit(*editor, "PQR", breaks), expected);
    EXPECT_EQ(editor->SelText(), "P\r\nQ\r\nR");
    editor->CleanSelection();
    editor->SetRowCol(editor->ListCount() - 1, 98);
    EXPECT_EQ(Hit(*editor, "PQR", {O::IgnoreLineBreaks}), expected);
}

TEST(TEditorSearch, APatternLongerThanAWrappedRowIsFound) {
    auto editor = MakeShownEditor(400, 200);
    editor->WrapOption()->SetWrapByte(20);
    editor->SetWordWrap(true);
    const std::string needle = "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMN"; // 50 bytes
    editor->Lines()->SetTextStr("start\r\n" + std::string(13, '.') + needle + "......\r\nend");
    ASSERT_GT(editor->ListCount(), 5) << "the long line is wrapped";
    EXPECT_EQ(Hit(*editor, needle, kDown), "20/50");
    EXPECT_EQ(editor->SelText(), needle);
    EXPECT_EQ(editor->Row(), 4) << "the caret after the hit, on the fourth row of the line";
    editor->CleanSelection();
    editor->SetRowCol(editor->ListCount() - 1, 3);
    EXPECT_EQ(Hit(*editor, needle, kUp), "20/50");
}

// A text of several megabytes whose last line holds the only match, down from its start and up
// from its end; the match is brought to a third of the view.
TEST(TEditorSearch, TheOnlyMatchInTheLastLineOfALongTextIsFound) {
    const int rows = 40000;
    const std::string text = FilledRows(rows, 78) + "the needle";
    auto editor = MakeShownEditor(400, 300, text);
    EXPECT_EQ(Hit(*editor, "needle", kDown), std::to_string(rows * 80 + 4) + "/6");
    EXPECT_EQ(editor->Row(), rows);
    EXPECT_EQ(editor->TopRow(), rows - editor->RowCount() / 3);
    EXPECT_EQ(Hit(*editor, "needle", kUp), "none") << "no other match before it";
    editor->CleanSelection();
    editor->SetRowCol(0, 0);
    EXPECT_EQ(Hit(*editor, "the needle", kUp), "none");
    editor->SetRowCol(rows, 10);
    EXPECT_EQ(Hit(*editor, "the needle", kUp), std::to_string(rows * 80) + "/10");
}

TEST(TEditorSearch, NotFoundLeavesCaretAndSelectionAlone) {
    auto editor = MakeShownEditor(400, 200, "one two\r\nthree four\r\nfive");
    editor->SetRowCol(1, 2);
    EXPECT_FALSE(editor->Search("six", kDown));
    EXPECT_FALSE(editor->Search("six", kUp));
    EXPECT_FALSE(editor->Search("", kDown));
    EXPECT_EQ(editor->Row(), 1);
    EXPECT_EQ(editor->Col(), 2);
    EXPECT_FALSE(editor->HasSelection());

    editor->SetSelStart(4);
    editor->SetSelLength(5);
    EXPECT_FALSE(editor->Search("one", kDown)) << "down starts after the selection";
    EXPECT_FALSE(editor->Search("four", kUp)) << "up starts at the selection's start";
    EXPECT_EQ(editor->SelStart(), 4);
    EXPECT_EQ(editor->SelText(), "two\r\n");

    editor->SetHitStyle(hsDraw);
    EXPECT_EQ(Hit(*editor, "four", kDown), "15/4");
    EXPECT_FALSE(editor->Search("four", kDown));
    EXPECT_EQ(editor->SelectionState(), TEditorSelectionState::Hit);
    EXPECT_EQ(editor->SelStart(), 15);

    auto empty = MakeShownEditor(400, 200);
    EXPECT_FALSE(empty->Search("a", kDown));
    EXPECT_FALSE(empty->Search("a", kUp));
}

TEST(TEditorSearch, ACaretHitIsABlockOverTheHitOnItsRow) {
    auto editor = MakeShownEditor(400, 200, "say hello there\r\nnext");
    editor->SetHitStyle(hsCaret);
    const QRect normal = editor->SystemCaret().Rect();
    EXPECT_EQ(Hit(*editor, "hello", kDown), "4/5");
    QRect block = editor->SystemCaret().Rect();
    EXPECT_EQ(block.left(), editor->ColLeft(4));
    EXPECT_EQ(block.top(), editor->RowTop(0));
    EXPECT_EQ(block.width(), 5 * editor->ColWidth());
    EXPECT_EQ(block.height(), editor->FontHeight());

    EXPECT_EQ(Hit(*editor, "there\r\nne", kDown), "10/9");
    EXPECT_EQ(editor->SystemCaret().Rect().width(), 5 * editor->ColWidth())
        << "a hit over two rows is covered to the end of its first";
    editor->SetHitStyle(hsDraw);
    EXPECT_EQ(editor->SystemCaret().Rect().size(), normal.size()) << "drawn now, not a block";
    editor->SetHitStyle(hsCaret);
    EXPECT_EQ(editor->SystemCaret().Rect().width(), 5 * editor->ColWidth());
    editor->CleanSelection();
    editor->SetRowCol(0, 0);
    EXPECT_EQ(Hit(*editor, "\r\n", kDown), "15/2");
    EXPECT_EQ(editor->SystemCaret().Rect().width(), 2) << "never narrower than 2 pixels";

    // The hit goes with the selection, and the caret gets its shape back.
    editor->CleanSelection();
    EXPECT_EQ(editor->SelectionState(), TEditorSelectionState::None);
    EXPECT_EQ(editor->HitLength(), 0);
    EXPECT_EQ(editor->SystemCaret().Rect().size(), normal.size());
    Hit(*editor, "next", kDown);
    test::Key(*editor, Qt::Key_Right);
    EXPECT_EQ(editor->SelectionState(), TEditorSelectionState::None) << "a movement key";
    EXPECT_EQ(editor->SystemCaret().Rect().size(), normal.size());
}

TEST(TEditorSearch, ADrawnHitIsPaintedInTheHitColours) {
    auto editor = MakeShownEditor(400, 200, "look for the word here");
    editor->View()->Colors()->Hit()->SetBkColor(clRed);
    editor->View()->Colors()->Hit()->SetColor(clYellow);
    const int y = editor->RowTop(0) + 1;
    const int inHit = editor->ColLeft(13) + 1;
    const int outside = editor->ColLeft(3) + 1;
    auto pixel = [&](int x) {
        return FromQColor(editor->viewport()->grab().toImage().pixelColor(x, y));
    };
    for (TEditorHitStyle style : {hsDraw, hsCaret, hsSelect}) {
        SCOPED_TRACE(style);
        editor->SetHitStyle(style);
        editor->SetRowCol(0, 0);
        ASSERT_EQ(Hit(*editor, "word", kDown), "13/4");
        editor->clearFocus(); // no blinking caret in the picture
        EXPECT_EQ(pixel(inHit) == clRed, style == hsDraw);
        EXPECT_NE(pixel(outside), clRed);
        editor->CleanSelection();
        EXPECT_NE(pixel(inHit), clRed) << "the hit's colours go with it";
        editor->setFocus();
        QApplication::processEvents();
    }
}

} // namespace
} // namespace kes
