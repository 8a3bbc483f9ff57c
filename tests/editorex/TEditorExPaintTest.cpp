#include "editor/EditorTestSupport.h"

#include "editorex/TEditorEx.h"
#include "editorex/TEditorExMarks.h"
#include "editorex/TVerticalLines.h"
#include "fountain/TFountainColor.h"
#include "regexp/ERegExpParser.h"
#include "toolkit/core/Cp932Codec.h"
#include "toolkit/gui/QtColor.h"
#include "toolkit/gui/TFont.h"

#include <QImage>

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

namespace kes {
namespace {

using test::At;
using test::Shot;

using Pixels = std::set<std::pair<int, int>>;

// The pixels of color in [left, right) x [top, bottom).
Pixels PixelsOf(const QImage& image, const TRect& r, TColor color) {
    Pixels found;
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x)
            if (At(image, x, y) == color)
                found.insert({x, y});
    return found;
}

// The border of [left, right) x [top, bottom).
Pixels Frame(int left, int top, int right, int bottom) {
    Pixels frame;
    for (int x = left; x < right; ++x)
        frame.insert({{x, top}, {x, bottom - 1}});
    for (int y = top; y < bottom; ++y)
        frame.insert({{left, y}, {right - 1, y}});
    return frame;
}

// The caret moves are reported while the editor has the focus, which Shot takes away.
void Focus(TEditor& editor) {
    editor.setFocus();
    QApplication::processEvents();
}

template <class Editor = TEditorEx>
std::unique_ptr<Editor> MakeEditor(int width, int height, const std::string& text) {
    auto editor = test::MakeShownEditor<Editor>(width, height);
    TFont font;
    font.SetName("ＭＳ ゴシック");
    font.SetHeight(16);
    editor->SetFont(&font);
    editor->Lines()->SetTextStr(text);
    editor->SetRowCol(0, 0);
    return editor;
}

// The cell of (row, col), cols columns wide.
TRect Cell(const TEditor& editor, int row, int col, int cols = 1) {
    return Rect(editor.ColLeft(col), editor.RowTop(row), editor.ColLeft(col + cols),
                editor.RowTop(row) + editor.FontHeight());
}

TEST(TEditorExPaint, WithEveryMarkOffThePictureIsTheBaseOnesPlusTheGuideLines) {
    const std::string text = Utf8ToCp932("a\tb　c (x) い\r\nう [EOF] 終わり");
    auto base = MakeEditor<TEditor>(300, 120, text);
    auto ex = MakeEditor(300, 120, text);
    for (TEditor* editor : {base.get(), static_cast<TEditor*>(ex.get())}) {
        editor->Marks()->EofMark()->SetVisible(true);
        editor->Marks()->RetMark()->SetVisible(true);
        editor->SetRowCol(0, 2);
    }
    TVerticalLine* line = ex->VerticalLines()->Add();
    line->SetPosition(5);
    line->SetColor(clRed);
    ex->SetFindString("b");
    const QImage want = Shot(*base);
    const QImage got = Shot(*ex);
    ASSERT_EQ(want.size(), got.size());
    const int lineX = ex->ColLeft(5);
    int differing = 0;
    for (int y = 0; y < got.height(); ++y)
        for (int x = 0; x < got.width(); ++x) {
            if (x == lineX && y >= ex->TopMargin())
                EXPECT_EQ(At(got, x, y), clRed) << "guide line at y " << y;
            else
                differing += got.pixel(x, y) != want.pixel(x, y) ? 1 : 0;
        }
    EXPECT_EQ(differing, 0);
}

TEST(TEditorExPaint, SpaceFramesAndTabArrowsAtTheirPixels) {
    // Columns: space 0, full-width space 1-2, tab 3-7, x 8.
    auto editor = MakeEditor(300, 80, Utf8ToCp932(" 　\tx"));
    TEditorExMarks* marks = editor->ExMarks();
    marks->SpaceMark()->SetColor(clRed);
    marks->SpaceMark()->SetVisible(true);
    marks->DBSpaceMark()->SetColor(clBlue);
    marks->DBSpaceMark()->SetVisible(true);
    marks->TabMark()->SetColor(clLime);
    marks->TabMark()->SetVisible(true);
    const QImage shot = Shot(*editor);
    const int w = editor->ColWidth();
    const int h = editor->FontHeight();
    const int y = editor->RowTop(0);

    int x = editor->ColLeft(0);
    EXPECT_EQ(PixelsOf(shot, Cell(*editor, 0, 0), clRed), Frame(x, y + 1, x + w - 1, y + h - 2));
    x = editor->ColLeft(1);
    EXPECT_EQ(PixelsOf(shot, Cell(*editor, 0, 1, 2), clBlue),
              Frame(x, y + 1, x + 2 * w - 1, y + h - 2));

    x = editor->ColLeft(3);
    const int d = std::max(3, h / 8);
    const int m = y + h / 2;
    Pixels arrow;
    for (int px = x + 1; px <= x + w - 1; ++px)
        arrow.insert({px, m});
    for (int k = 1; k < d; ++k)
        arrow.insert({{x + w - 1 - k, m - k}, {x + w - 1 - k, m + k}});
    EXPECT_EQ(PixelsOf(shot, Cell(*editor, 0, 3, 5), clLime), arrow);
}

TEST(TEditorExPaint, AFullWidthSpaceCutByTheLeftEdgeShowsItsRightHalf) {
    auto editor = MakeEditor(300, 80, Utf8ToCp932("　" + std::string(200, 'x')));
    editor->ExMarks()->DBSpaceMark()->SetColor(clBlue);
    editor->ExMarks()->DBSpaceMark()->SetVisible(true);
    editor->SetTopCol(1);
    ASSERT_EQ(editor->TopCol(), 1);
    const QImage shot = Shot(*editor);
    const int w = editor->ColWidth();
    const int h = editor->FontHeight();
    const int y = editor->RowTop(0);
    const int x = editor->ColLeft(0); // left of the text area
    Pixels half;
    for (int px = x + w; px <= x + 2 * w - 2; ++px)
        half.insert({{px, y + 1}, {px, y + h - 3}});
    for (int py = y + 1; py <= y + h - 3; ++py)
        half.insert({x + 2 * w - 2, py});
    EXPECT_EQ(PixelsOf(shot, Rect(0, y, editor->ColLeft(2), y + h), clBlue), half);
}

TEST(TEditorExPaint, RowBackgroundsTakeTheFirstRuleAndSkipSelectedParts) {
    auto editor = MakeEditor(300, 200, "caret\r\ndigit\r\nimg1\r\nimg2\r\nplain\r\nplain\r\nsel");
    editor->PutRowMark(0, 1);
    editor->PutRowMark(1, 2);
    editor->PutRowMark(2, 11);
    editor->PutRowMark(2, 12);
    editor->PutRowMark(3, 12);
    editor->PutRowMark(6, 3);
    TEditorExMarks* marks = editor->ExMarks();
    const std::pair<TEditorMark*, TColor> rules[] = {
        {marks->CurrentLine(), clYellow}, {marks->DigitLine(), clAqua},
        {marks->Img1Line(), clLime},      {marks->ImageLine(), clFuchsia},
        {marks->EvenLine(), clSilver},
    };
    for (const auto& [mark, color] : rules) {
        mark->SetColor(color);
        mark->SetVisible(true);
    }
    editor->SetRowCol(0, 0);
    QImage shot = Shot(*editor);
    const int far = editor->ColLeft(30);
    // Rows 4 and 5: the left bar counts from one, so the odd row indexes are shaded.
    const TColor expected[] = {clYellow, clAqua, clLime, clFuchsia, clWhite, clSilver};
    for (int row = 0; row < 6; ++row)
        EXPECT_EQ(At(shot, far, editor->RowTop(row) + 2), expected[row]) << "row " << row;

    // Selecting moves the caret row; the selected part of a row gets no background.
    Focus(*editor);
    editor->SetSelStart(editor->LineIndex(6));
    editor->SetSelLength(3);
    ASSERT_TRUE(editor->Selected());
    ASSERT_EQ(editor->Row(), 6);
    shot = Shot(*editor);
    EXPECT_EQ(At(shot, far, editor->RowTop(0) + 2), clAqua);
    EXPECT_EQ(At(shot, far, editor->RowTop(6) + 2), clYellow);
    const TColor selected = At(shot, editor->ColLeft(1), editor->RowTop(6) + 1);
    EXPECT_NE(selected, clYellow);
    EXPECT_NE(selected, clAqua);
}

TEST(TEditorExPaint, TheEndOfTextMarkLetsTheRowBackgroundThrough) {
    auto editor = MakeEditor(300, 80, "ab");
    editor->Marks()->EofMark()->SetColor(clBlue);
    editor->Marks()->EofMark()->SetVisible(true);
    editor->ExMarks()->CurrentLine()->SetColor(clYellow);
    editor->ExMarks()->CurrentLine()->SetVisible(true);
    const QImage shot = Shot(*editor);
    // "[EOF]" from column 2: its glyphs on the caret row's colour, nothing of the editor's.
    const TRect mark = Cell(*editor, 0, 2, 5);
    EXPECT_GT(PixelsOf(shot, mark, clBlue).size(), 0u);
    EXPECT_GT(PixelsOf(shot, mark, clYellow).size(), 0u);
    EXPECT_TRUE(PixelsOf(shot, mark, clWhite).empty());
}

TEST(TEditorExPaint, BracketPartnersAreMarkedWhileTheCaretIsAtOne) {
    auto editor = MakeEditor(300, 80, "f(a(b)c)");
    editor->ExMarks()->ParenMark()->SetColor(clYellow);
    editor->ExMarks()->ParenMark()->SetVisible(true);
    editor->SetRowCol(0, 1);
    const int area = editor->ColWidth() * editor->FontHeight();
    QImage shot = Shot(*editor);
    for (int col : {1, 7})
        EXPECT_GT(PixelsOf(shot, Cell(*editor, 0, col), clYellow).size(), area / 2u) << col;
    for (int col : {0, 3, 5})
        EXPECT_EQ(PixelsOf(shot, Cell(*editor, 0, col), clYellow).size(), 0u) << col;
    Focus(*editor);
    editor->SetRowCol(0, 0);
    shot = Shot(*editor);
    EXPECT_EQ(PixelsOf(shot, Cell(*editor, 0, 0, 10), clYellow).size(), 0u)
        << "moving away takes the marks away";
}

TEST(TEditorExPaint, GuideLinesFollowTheirPositionAndStayRightOfTheText) {
    auto editor = MakeEditor(300, 80, std::string(100, 'x'));
    TVerticalLine* line = editor->VerticalLines()->Add();
    line->SetColor(clRed);
    line->SetPosition(4);
    const int y = editor->ClientHeight() - 1;
    QImage shot = Shot(*editor);
    EXPECT_EQ(At(shot, editor->ColLeft(4), y), clRed);
    line->SetPosition(6);
    shot = Shot(*editor);
    EXPECT_NE(At(shot, editor->ColLeft(4), y), clRed) << "a moved line repaints the editor";
    EXPECT_EQ(At(shot, editor->ColLeft(6), y), clRed);
    line->SetPosition(0);
    editor->SetTopCol(1);
    shot = Shot(*editor);
    EXPECT_TRUE(PixelsOf(shot, Rect(0, editor->TopMargin(), shot.width(), y + 1), clRed).empty())
        << "a line left of the text area is not drawn";
}

// The pixels of a row's bottom line in the find mark's colour.
Pixels Underline(const QImage& shot, const TEditor& editor, int row) {
    const int y = editor.RowTop(row) + editor.FontHeight() - 1;
    return PixelsOf(shot, Rect(0, y, shot.width(), y + 1), clRed);
}

// The underline of columns fromCol..toCol - 1: its line ends before the last pixel.
Pixels Segment(const TEditor& editor, int row, int fromCol, int toCol) {
    Pixels line;
    const int y = editor.RowTop(row) + editor.FontHeight() - 1;
    for (int x = editor.ColLeft(fromCol); x < editor.ColLeft(toCol) - 1; ++x)
        line.insert({x, y});
    return line;
}

void ShowFindMarks(TEditorEx& editor) {
    editor.ExMarks()->FindMark()->SetColor(clRed);
    editor.ExMarks()->FindMark()->SetVisible(true);
    editor.ExMarks()->Hit()->SetBkColor(clYellow);
}

TEST(TEditorExPaint, FindMatchesAreUnderlinedAndShownInTheHitColours) {
    auto editor = MakeEditor(300, 80, "one\tTwo two\r\nxtwo");
    ShowFindMarks(*editor);
    editor->SetFindString("TWO");
    editor->SetExSearchOptions(soWholeWord);
    editor->SetSelStart(editor->LineIndex(1));
    editor->SetSelLength(4);
    QImage shot = Shot(*editor);
    // Two and two behind the tab (columns 8-10, 12-14); xtwo is no whole word.
    Pixels want = Segment(*editor, 0, 8, 11);
    want.merge(Segment(*editor, 0, 12, 15));
    EXPECT_EQ(Underline(shot, *editor, 0), want);
    EXPECT_TRUE(Underline(shot, *editor, 1).empty());
    // The hit's background stops one pixel short of the match's right edge.
    const int y = editor->RowTop(0) + 2;
    EXPECT_EQ(At(shot, editor->ColLeft(8), y), clYellow);
    EXPECT_EQ(At(shot, editor->ColLeft(11) - 2, y), clYellow);
    EXPECT_NE(At(shot, editor->ColLeft(11) - 1, y), clYellow);

    // A selected row keeps its underline but not the hit colours.
    editor->SetExSearchOptions(0);
    editor->SetSelStart(0);
    editor->SetSelLength(14);
    shot = Shot(*editor);
    EXPECT_EQ(Underline(shot, *editor, 0), want);
    EXPECT_NE(At(shot, editor->ColLeft(8), y), clYellow);
    EXPECT_EQ(Underline(shot, *editor, 1), Segment(*editor, 1, 1, 4));
}

TEST(TEditorExPaint, AMatchAcrossTheWrapIsUnderlinedOnBothRows) {
    auto editor = MakeEditor(300, 80, "");
    editor->WrapOption()->SetWrapByte(20);
    editor->SetWordWrap(true);
    editor->Lines()->SetTextStr("01234567890123456789abcdef");
    ASSERT_EQ(editor->ListString(0), "01234567890123456789");
    ShowFindMarks(*editor);
    editor->SetFindString("89a");
    const QImage shot = Shot(*editor);
    EXPECT_EQ(Underline(shot, *editor, 0), Segment(*editor, 0, 18, 20));
    EXPECT_EQ(Underline(shot, *editor, 1), Segment(*editor, 1, 0, 1));
}

TEST(TEditorExPaint, FuzzyPatternsFindVoicedKanaInEverySpelling) {
    auto editor = MakeEditor(300, 120, Utf8ToCp932("xが\r\nガ\r\nか゛\r\nカ゛\r\nか"));
    ShowFindMarks(*editor);
    editor->SetFindString(Utf8ToCp932("ｶﾞ"));
    editor->SetExSearchOptions(soRegexp | soFuzzy);
    EXPECT_EQ(editor->FindInRow(0), 1);
    EXPECT_EQ(editor->SearchList()[0].position, 2);
    EXPECT_EQ(editor->SearchList()[0].text, Utf8ToCp932("が"));
    const QImage shot = Shot(*editor);
    EXPECT_EQ(Underline(shot, *editor, 0), Segment(*editor, 0, 1, 3));
    EXPECT_EQ(Underline(shot, *editor, 1), Segment(*editor, 1, 0, 2));
    EXPECT_EQ(Underline(shot, *editor, 2), Segment(*editor, 2, 0, 4));
    EXPECT_EQ(Underline(shot, *editor, 3), Segment(*editor, 3, 0, 4));
    EXPECT_TRUE(Underline(shot, *editor, 4).empty()) << "か is not voiced";
}

TEST(TEditorExPaint, AFaultyPatternMarksNothingAndEveryRowTriesAgain) {
    auto editor = MakeEditor(300, 80, "(a\r\n(b");
    ShowFindMarks(*editor);
    editor->SetExSearchOptions(soRegexp);
    editor->SetFindString("(");
    EXPECT_THROW(editor->FindInRow(0), ERegExpParser);
    EXPECT_THROW(editor->FindInRow(1), ERegExpParser) << "the fault is not remembered as empty";
    QImage shot;
    EXPECT_NO_THROW(shot = Shot(*editor));
    EXPECT_TRUE(Underline(shot, *editor, 0).empty());
    EXPECT_TRUE(Underline(shot, *editor, 1).empty());
    editor->SetFindString("\\(b");
    shot = Shot(*editor);
    EXPECT_EQ(Underline(shot, *editor, 1), Segment(*editor, 1, 0, 2));
}

// An editor that takes hyphens for punctuation, as some word lists do.
class THyphenBreaksWords : public TEditorEx {
public:
    using TEditorEx::TEditorEx;
    char CharClass(const std::string& text, int position) const override {
        if (position >= 1 && position <= static_cast<int>(text.size()) && text[position - 1] == '-')
            return '0';
        return TEditorEx::CharClass(text, position);
    }
};

TEST(TEditorExPaint, WholeWordsFollowTheEditorsCharacterClasses) {
    auto plain = MakeEditor(300, 80, "foo-bar");
    auto hyphen = MakeEditor<THyphenBreaksWords>(300, 80, "foo-bar");
    for (TEditorEx* editor : {plain.get(), static_cast<TEditorEx*>(hyphen.get())}) {
        editor->SetFindString("foo");
        editor->SetExSearchOptions(soWholeWord);
    }
    EXPECT_EQ(plain->FindInRow(0), 0);
    EXPECT_EQ(hyphen->FindInRow(0), 1);
}

} // namespace
} // namespace kes
