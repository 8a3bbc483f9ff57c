#include "EditorTestSupport.h"

#include "fountain/TEditorColors.h"
#include "textmodel/TEditorScreenStrings.h"
#include "toolkit/gui/QtColor.h"
#include "toolkit/gui/TFont.h"
#include "toolkit/gui/TImageList.h"

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace kes {
namespace {

using test::At;
using test::MakeShownEditor;
using test::Shot;

// Japanese text: HIRAGANA LETTER A in code page 932.
const std::string kA = "\x82\xA0";

// Pixels in [left, right) x [top, bottom) that are not `background`.
int Ink(const QImage& image, int left, int top, int right, int bottom, TColor background) {
    int count = 0;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            count += At(image, x, y) != background ? 1 : 0;
    return count;
}

// Pixels in the rectangle that have `color`.
int Count(const QImage& image, int left, int top, int right, int bottom, TColor color) {
    int count = 0;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            count += At(image, x, y) == color ? 1 : 0;
    return count;
}

int DifferingPixels(const QImage& a, const QImage& b) {
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            count += a.pixel(x, y) != b.pixel(x, y) ? 1 : 0;
    return count;
}

std::unique_ptr<TEditor> MakeJapaneseEditor(int width, int height, const std::string& text) {
    auto editor = MakeShownEditor(width, height);
    TFont font;
    font.SetName("ＭＳ ゴシック");
    font.SetHeight(16);
    editor->SetFont(&font);
    editor->Lines()->SetTextStr(text);
    return editor;
}

TEST(TEditorPaint, GlyphsCoverExactlyTheirCells) {
    auto editor = MakeJapaneseEditor(400, 120, "a" + kA + "b\r\n" + kA);
    const int w = editor->ColWidth();
    const int h = editor->FontHeight();
    QImage shot = Shot(*editor);
    const int y0 = editor->RowTop(0);
    // Every cell of row 0 holds ink: a, both halves of the double-byte character, b.
    for (int col = 0; col < 4; ++col)
        EXPECT_GT(Ink(shot, editor->ColLeft(col), y0, editor->ColLeft(col + 1), y0 + h, clWhite), 0)
            << "column " << col;
    EXPECT_EQ(Ink(shot, editor->ColLeft(4), y0, editor->ColLeft(20), y0 + h, clWhite), 0);
    // A row of one double-byte character: ink in its two cells and nowhere else on the row.
    const int y1 = editor->RowTop(1);
    EXPECT_GT(Ink(shot, editor->ColLeft(0), y1, editor->ColLeft(1), y1 + h, clWhite), 0);
    EXPECT_GT(Ink(shot, editor->ColLeft(1), y1, editor->ColLeft(2), y1 + h, clWhite), 0);
    EXPECT_EQ(Ink(shot, editor->ColLeft(2), y1, editor->ColLeft(30), y1 + h, clWhite), 0);
    EXPECT_EQ(Ink(shot, 0, y1, editor->ColLeft(0), y1 + h, clWhite), 0) << "left of the text";
    EXPECT_EQ(Ink(shot, 0, 0, shot.width(), y0, clWhite), 0) << "above the text";
    EXPECT_EQ(w * 2, editor->ColLeft(2) - editor->ColLeft(0));
}

TEST(TEditorPaint, TokenAndSelectionColoursInOpaqueAndTransparentModes) {
    for (bool italic : {false, true}) {
        SCOPED_TRACE(italic ? "transparent (italic font)" : "opaque");
        auto editor = MakeJapaneseEditor(400, 120, "ab 123 cdef");
        if (italic) {
            TFont font;
            font.Assign(editor->Font());
            font.SetStyle(fsItalic);
            editor->SetFont(&font);
        }
        ASSERT_EQ(italic, editor->Transparent());
        editor->View()->Colors()->Int()->SetColor(clRed);
        editor->View()->Colors()->Int()->SetBkColor(clYellow);
        editor->SetSelStart(8);
        editor->SetSelLength(2);
        ASSERT_TRUE(editor->Selected());
        const int h = editor->FontHeight();
        const int y = editor->RowTop(0);
        QImage shot = Shot(*editor);
        auto cell = [&](int col, TColor color) {
            return Count(shot, editor->ColLeft(col), y, editor->ColLeft(col + 1), y + h, color);
        };
        const int area = editor->ColWidth() * h;
        // The number has its token colours, the letters the editor's.
        EXPECT_GT(cell(3, clYellow), area / 2);
        EXPECT_GT(cell(4, clRed), 0);
        EXPECT_EQ(cell(1, clYellow), 0);
        EXPECT_GT(cell(1, clBlack), 0);
        // Selected cells have the selection's background and text colour, their neighbours
        // do not.
        for (int col : {8, 9}) {
            EXPECT_GT(cell(col, clNavy), area / 2) << "column " << col;
            EXPECT_GT(cell(col, clWhite), 0) << "column " << col;
        }
        EXPECT_EQ(cell(7, clNavy), 0);
        EXPECT_EQ(cell(10, clNavy), 0);
    }
}

TEST(TEditorPaint, BoxEdgeOnADoubleByteCharacterLeavesItWhole) {
    auto editor = MakeJapaneseEditor(400, 120, "xxxxxx\r\na" + kA + "bc");
    editor->SetSelectionMode(smBox);
    editor->SetRowCol(0, 2);
    editor->StartSelection();
    editor->SetRowCol(1, 4);
    editor->ExtendSelection();
    ASSERT_TRUE(editor->Selected());
    const int h = editor->FontHeight();
    QImage shot = Shot(*editor);
    auto navy = [&](int row, int col) {
        int y = editor->RowTop(row);
        return Count(shot, editor->ColLeft(col), y, editor->ColLeft(col + 1), y + h, clNavy);
    };
    const int area = editor->ColWidth() * h;
    EXPECT_GT(navy(0, 2), area / 2);
    EXPECT_GT(navy(0, 3), area / 2);
    EXPECT_EQ(navy(0, 4), 0);
    // Row 1: the character in columns 1 and 2 stays out; b in column 3 is in.
    EXPECT_EQ(navy(1, 1), 0);
    EXPECT_EQ(navy(1, 2), 0);
    EXPECT_GT(navy(1, 3), area / 2);
    EXPECT_EQ(navy(1, 4), 0);
}

TEST(TEditorPaint, RowEndMarksAtTheirPixels) {
    auto editor = MakeJapaneseEditor(500, 200, "abc\r\n" + std::string(30, 'w') + "\r\nz");
    editor->WrapOption()->SetWrapByte(20);
    editor->SetWordWrap(true);
    editor->Marks()->RetMark()->SetColor(clRed);
    editor->Marks()->RetMark()->SetVisible(true);
    editor->Marks()->WrapMark()->SetColor(clBlue);
    editor->Marks()->WrapMark()->SetVisible(true);
    ASSERT_EQ(raContinued, editor->ListRow(1));
    const int w = editor->ColWidth();
    const int h = editor->FontHeight();
    QImage shot = Shot(*editor);

    // Return arrow after "abc": a vertical stroke in the middle of the cell.
    const int x = editor->ColLeft(3);
    const int y = editor->RowTop(0);
    const int d = std::max(1, h / 8);
    for (int py = y + 2 * d; py < y + h - 2 * d; ++py)
        EXPECT_EQ(clRed, At(shot, x + w / 2, py)) << "y " << py;
    EXPECT_NE(clRed, At(shot, x + w / 2, y + 2 * d - 1));
    EXPECT_EQ(clRed, At(shot, x + w / 2 + 1, y + h - 2 * d - 1)) << "a head stroke";
    EXPECT_EQ(clRed, At(shot, x + w / 2 - 1, y + h - 2 * d - 1)) << "a head stroke";
    EXPECT_EQ(Count(shot, editor->ColLeft(4), y, shot.width(), y + h, clRed), 0);

    // Wrap angle after the continued row: its tip points left.
    const int len = editor->RowWidth(1);
    const int wx = editor->ColLeft(len);
    const int m = editor->RowTop(1) + h / 2;
    const int e = std::max(2, w * 3 / 5);
    EXPECT_EQ(clBlue, At(shot, wx + w, m - e));
    EXPECT_EQ(clBlue, At(shot, wx + w - e, m));
    EXPECT_EQ(clBlue, At(shot, wx + w, m + e));
    EXPECT_NE(clBlue, At(shot, wx + w - e - 1, m));
    EXPECT_EQ(Count(shot, editor->ColLeft(0), editor->RowTop(1), shot.width(),
                    editor->RowTop(1) + h, clRed),
              0)
        << "a continued row has no return mark";
}

TEST(TEditorPaint, LongRowShowsTheHideMarkAtColumn1000) {
    struct Case {
        std::string row;
        int end; // where the drawn text stops and the mark stands
        const char* what;
    };
    for (const Case& c : {Case{std::string(1200, 'q'), TEditor::MaxCol, "single-byte"},
                          Case{std::string(999, 'q') + kA + std::string(200, 'q'),
                               TEditor::MaxCol + 1, "a double-byte character on column 1000"}}) {
        SCOPED_TRACE(c.what);
        auto editor = MakeJapaneseEditor(500, 120, c.row + "\r\nz");
        editor->Marks()->RetMark()->SetColor(clRed);
        editor->Marks()->RetMark()->SetVisible(true);
        editor->Marks()->HideMark()->SetColor(clBlue);
        editor->Marks()->HideMark()->SetVisible(true);
        editor->SetTopCol(TEditor::MaxCol);
        const int w = editor->ColWidth();
        const int h = editor->FontHeight();
        const int x = editor->ColLeft(c.end);
        ASSERT_LT(x + w, editor->ClientWidth()) << "the row's end is in view";
        const int y = editor->RowTop(0);
        const int m = y + h / 2;
        const int e = std::max(2, w * 3 / 5);
        QImage shot = Shot(*editor);
        EXPECT_EQ(clBlue, At(shot, x + w - e, m - e));
        EXPECT_EQ(clBlue, At(shot, x + w, m));
        EXPECT_EQ(Count(shot, 0, y, shot.width(), y + h, clRed), 0) << "no return mark";
        // Text stops where the mark stands.
        EXPECT_GT(Ink(shot, editor->ColLeft(c.end - 1), y, x, y + h, clWhite), 0);
        EXPECT_EQ(Ink(shot, x + w + 2, y, shot.width(), y + h, clWhite), 0);
    }
}

TEST(TEditorPaint, EofMarkWhereTheTextEnds) {
    struct Case {
        std::string text;
        int row, col;
    };
    for (const Case& c :
         {Case{"", 0, 0}, Case{"ab", 0, 2}, Case{"ab\r\n", 1, 0}, Case{"ab\r\ncd", 1, 2}}) {
        SCOPED_TRACE("text \"" + c.text + "\"");
        auto editor = MakeJapaneseEditor(400, 120, c.text);
        editor->Marks()->EofMark()->SetColor(clRed);
        editor->Marks()->EofMark()->SetVisible(true);
        const int h = editor->FontHeight();
        QImage shot = Shot(*editor);
        const int y = editor->RowTop(c.row);
        // "[EOF]": five cells of red ink right where the text stops, none before it.
        for (int k = 0; k < 5; ++k)
            EXPECT_GT(Count(shot, editor->ColLeft(c.col + k), y, editor->ColLeft(c.col + k + 1),
                            y + h, clRed),
                      0)
                << "cell " << k;
        EXPECT_EQ(Count(shot, 0, 0, editor->ColLeft(c.col), shot.height(), clRed), 0);
        EXPECT_EQ(Count(shot, 0, y + editor->RowHeight(), shot.width(), shot.height(), clRed), 0);
    }
}

TEST(TEditorPaint, RulerTicksNumbersAndCaretMark) {
    auto editor = MakeJapaneseEditor(500, 120, "abcdefghijklmnopqrstuvwxyz");
    editor->Ruler()->SetVisible(true);
    ASSERT_EQ(11, editor->RulerHeight());
    const int w = editor->ColWidth();
    const int left = editor->LeftMargin();
    QImage shot = Shot(*editor);
    // Ticks: the unit's start from the top, the half unit from y 3, the others from y 6,
    // all down to the edge (white over grey).
    EXPECT_EQ(clBlack, At(shot, left + 10 * w, 0));
    EXPECT_EQ(clBlack, At(shot, left + 15 * w, 3));
    EXPECT_EQ(clSilver, At(shot, left + 15 * w, 2));
    EXPECT_EQ(clBlack, At(shot, left + 13 * w, 6));
    EXPECT_EQ(clSilver, At(shot, left + 13 * w, 5));
    EXPECT_EQ(clBlack, At(shot, left + 13 * w, 8));
    EXPECT_EQ(clWhite, At(shot, left + 13 * w + 2, 9));
    EXPECT_EQ(clGray, At(shot, left + 13 * w + 2, 10));
    // "10" starts one pixel right of its tick; the cells between are blank above the ticks.
    EXPECT_GT(Count(shot, left + 10 * w + 1, 0, left + 10 * w + 9, 9, clBlack), 4);
    EXPECT_EQ(Count(shot, left + 10 * w + 10, 0, left + 13 * w, 6, clBlack), 0);
    // The caret's column is marked in the mark colour; moving the caret moves the mark.
    auto marked = [&](const QImage& image, int col) {
        return Count(image, left + col * w + 1, 0, left + (col + 1) * w, 9, clBlack);
    };
    const int cell = (w - 1) * 9;
    EXPECT_GT(marked(shot, 0), cell / 2);
    editor->SetCol(4);
    shot = Shot(*editor);
    EXPECT_GT(marked(shot, 4), cell / 2);
    EXPECT_LT(marked(shot, 0), cell / 2);
    // Scrolled sideways, the ticks and numbers stay with their columns.
    editor->SetTopCol(13);
    shot = Shot(*editor);
    EXPECT_EQ(clBlack, At(shot, editor->ColLeft(20), 0));
    EXPECT_EQ(clSilver, At(shot, editor->ColLeft(25), 2));
    EXPECT_EQ(clBlack, At(shot, editor->ColLeft(25), 3));
    EXPECT_EQ(clSilver, At(shot, editor->ColLeft(23), 5));
    EXPECT_GT(Count(shot, editor->ColLeft(20) + 1, 0, editor->ColLeft(20) + 11, 9, clBlack), 4);
    // The ruler ends with the number 1000: no ticks right of it.
    editor->SetTopCol(TEditor::MaxCol);
    shot = Shot(*editor);
    const int end = editor->ColLeft(TEditor::MaxCol);
    ASSERT_LT(end + 4 * w, shot.width());
    EXPECT_EQ(clBlack, At(shot, end, 0));
    EXPECT_GT(Count(shot, end + 1, 0, end + 20, 9, clBlack), 10) << "1000";
    EXPECT_EQ(Count(shot, end + 21, 0, shot.width(), 9, clBlack), 0);
    EXPECT_EQ(clWhite, At(shot, shot.width() - 1, 9));
    // A control wider than the screen has ticks to its right edge.
    editor->SetTopCol(0);
    const int screen = QGuiApplication::primaryScreen()->size().width();
    editor->resize(screen + 300, 120);
    QApplication::processEvents();
    shot = Shot(*editor);
    const int far = (shot.width() - 2 - left) / w;
    EXPECT_EQ(clBlack, At(shot, editor->ColLeft(far), 8)) << "column " << far;
}

TEST(TEditorPaint, LeftbarDigitsWithZeroLead) {
    auto editor = MakeJapaneseEditor(400, 260, test::NumberedLines(10));
    editor->Leftbar()->SetVisible(true);
    ASSERT_EQ(4, editor->LeftbarDigits());
    const int w = editor->ColWidth();
    const int h = editor->FontHeight();
    const int x = editor->ImagebarWidth() + editor->Leftbar()->LeftMargin();
    auto inkedCells = [&](const QImage& image, int row) {
        std::string cells;
        int y = editor->RowTop(row);
        for (int k = 0; k < 4; ++k)
            cells += Ink(image, x + k * w, y, x + (k + 1) * w, y + h, clSilver) > 0 ? '#' : '.';
        return cells;
    };
    QImage plain = Shot(*editor);
    EXPECT_EQ("...#", inkedCells(plain, 7));
    editor->Leftbar()->SetZeroLead(true);
    QImage lead = Shot(*editor);
    EXPECT_EQ("####", inkedCells(lead, 7)) << "row 7 shows 0008";
    // The same "8" in the last place either way.
    const int y = editor->RowTop(7);
    for (int py = y; py < y + h; ++py)
        for (int px = x + 3 * w; px < x + 4 * w; ++px)
            ASSERT_EQ(At(plain, px, py), At(lead, px, py));
    // The edge: white and grey at the bar's right.
    const int edge = editor->ImagebarWidth() + editor->LeftbarWidth() - 2;
    EXPECT_EQ(clWhite, At(lead, edge, y));
    EXPECT_EQ(clGray, At(lead, edge + 1, y));
}

TEST(TEditorPaint, LineNumbersSkipContinuationRows) {
    const std::string text = "short\r\n" + std::string(45, 'w') + "\r\nend";
    auto lines = MakeJapaneseEditor(400, 260, text);
    lines->WrapOption()->SetWrapByte(20);
    lines->SetWordWrap(true);
    lines->Leftbar()->SetVisible(true);
    lines->Leftbar()->SetShowNumberMode(nmLine);
    ASSERT_EQ(5, lines->ListCount());
    // The same rows numbered as rows: row 2 shows "3", the number line 3 must show on row 4.
    auto rows = MakeJapaneseEditor(400, 260, text);
    rows->WrapOption()->SetWrapByte(20);
    rows->SetWordWrap(true);
    rows->Leftbar()->SetVisible(true);
    const int w = lines->ColWidth();
    const int h = lines->FontHeight();
    const int x = lines->ImagebarWidth() + lines->Leftbar()->LeftMargin();
    const int width = lines->LeftbarDigits() * w;
    QImage shot = Shot(*lines);
    QImage reference = Shot(*rows);
    auto cellInk = [&](int row) {
        int y = lines->RowTop(row);
        return Ink(shot, x, y, x + width, y + h, clSilver);
    };
    EXPECT_GT(cellInk(0), 0);
    EXPECT_GT(cellInk(1), 0);
    EXPECT_EQ(cellInk(2), 0) << "continuation row";
    EXPECT_EQ(cellInk(3), 0) << "continuation row";
    EXPECT_GT(cellInk(4), 0);
    for (int dy = 0; dy < h; ++dy)
        for (int dx = 0; dx < width; ++dx)
            ASSERT_EQ(At(reference, x + dx, rows->RowTop(2) + dy),
                      At(shot, x + dx, lines->RowTop(4) + dy))
                << "line 3 on row 4";
}

TEST(TEditorPaint, ImagebarMarksFallBackToBuiltInPictures) {
    auto editor = MakeJapaneseEditor(400, 160, test::NumberedLines(4));
    editor->Imagebar()->SetMarkWidth(11);
    QImage green(11, 11, QImage::Format_RGB32);
    green.fill(QColor(0, 255, 0));
    TImageList marks(11, 11);
    for (int i = 0; i < 3; ++i)
        marks.Add(green, qRgb(255, 255, 255));
    editor->SetImageMarks(&marks);
    editor->PutRowMark(0, 12);
    editor->PutRowMark(1, 13);
    editor->PutRowMark(2, 3);
    const int x = editor->Imagebar()->LeftMargin();
    const int markX = x + editor->Imagebar()->DigitWidth();
    auto pictureCount = [&](const QImage& image, int row, TColor color) {
        int y = editor->RowTop(row) + 2;
        return Count(image, markX, y, markX + 11, y + 11, color);
    };
    QImage shot = Shot(*editor);
    EXPECT_EQ(121, pictureCount(shot, 0, clLime)) << "mark 12 from ImageMarks";
    EXPECT_LT(pictureCount(shot, 1, clLime), 121) << "mark 13 from the built-in pictures";
    EXPECT_GT(Ink(shot, markX, editor->RowTop(1) + 2, markX + 11, editor->RowTop(1) + 13,
                  editor->Color()),
              0);
    // The digit mark comes from the built-in digits: something is drawn in its cell, and a
    // row without marks is plain.
    const int y2 = editor->RowTop(2) + 2;
    EXPECT_GT(Ink(shot, x, y2, x + 8, y2 + 11, editor->Color()), 0);
    const int y3 = editor->RowTop(3);
    EXPECT_EQ(Ink(shot, 0, y3, editor->ImagebarWidth(), y3 + editor->RowHeight(), editor->Color()),
              0);
    editor->SetImageMarks(nullptr);
}

TEST(TEditorPaint, CaretRowUnderlineFollowsTheCaret) {
    auto editor = MakeJapaneseEditor(400, 160, test::NumberedLines(4));
    editor->Marks()->Underline()->SetColor(clRed);
    editor->Marks()->Underline()->SetVisible(true);
    const int left = editor->LeftMargin();
    auto underlined = [&](const QImage& image, int row) {
        int y = editor->RowTop(row) + editor->FontHeight();
        return Count(image, left, y, image.width(), y + 1, clRed);
    };
    QImage shot = Shot(*editor);
    EXPECT_EQ(shot.width() - left, underlined(shot, 0));
    EXPECT_EQ(0, underlined(shot, 1));
    editor->SetRow(2);
    shot = Shot(*editor);
    EXPECT_EQ(0, underlined(shot, 0));
    EXPECT_EQ(shot.width() - left, underlined(shot, 2));
}

TEST(TEditorPaint, RepaintAfterEditsMatchesAFullPaint) {
    struct Edit {
        int row, count;
        std::string text;
        const char* what;
    };
    const std::string longLine = std::string(30, 'w') + kA + std::string(20, 'v');
    for (bool wrapped : {false, true}) {
        SCOPED_TRACE(wrapped ? "line numbers, word wrap, scrolled" : "row numbers");
        auto editor = MakeJapaneseEditor(400, 300, test::NumberedLines(30));
        editor->Leftbar()->SetVisible(true);
        editor->Marks()->RetMark()->SetVisible(true);
        editor->Marks()->WrapMark()->SetVisible(true);
        editor->PutRowMark(6, 2);
        editor->PutRowMark(9, 11);
        if (wrapped) {
            editor->WrapOption()->SetWrapByte(20);
            editor->SetWordWrap(true);
            editor->Leftbar()->SetShowNumberMode(nmLine);
            editor->SetTopRow(3);
        }
        for (const Edit& edit :
             {Edit{5, 1, "changed " + kA + "\r\n", "a row replaced"},
              Edit{4, 0, "new a\r\n" + longLine + "\r\n", "rows inserted"},
              Edit{6, 3, "", "rows deleted"}, Edit{5, 1, longLine + "\r\n", "a row grows"},
              Edit{0, 30, "short\r\n", "most rows deleted"}}) {
            SCOPED_TRACE(edit.what);
            editor->ScreenStrings().UpdateRows(edit.row, edit.count, edit.text);
            QImage incremental = Shot(*editor);
            editor->PaintNow(editor->ClientRect());
            QImage full = Shot(*editor);
            EXPECT_EQ(0, DifferingPixels(incremental, full));
        }
    }
}

TEST(TEditorPaint, ScrollingMatchesAFullPaint) {
    std::string text;
    for (int i = 0; i < 40; ++i)
        text += std::string(i % 7, ' ') + "x" + kA + kA + std::to_string(i) + std::string(60, 'm') +
                kA + "\r\n";
    auto editor = MakeJapaneseEditor(400, 300, text);
    editor->Ruler()->SetVisible(true);
    editor->Leftbar()->SetVisible(true);
    editor->Marks()->RetMark()->SetVisible(true);
    editor->Marks()->Underline()->SetVisible(true);
    editor->PutRowMark(5, 10);
    struct Step {
        int topRow, topCol;
    };
    for (const Step& step :
         {Step{0, 3}, Step{0, 17}, Step{4, 17}, Step{4, 2}, Step{1, 0}, Step{30, 9}}) {
        SCOPED_TRACE("top row " + std::to_string(step.topRow) + ", top column " +
                     std::to_string(step.topCol));
        editor->SetTopRow(step.topRow);
        editor->SetTopCol(step.topCol);
        QImage scrolled = Shot(*editor);
        editor->PaintNow(editor->ClientRect());
        QImage full = Shot(*editor);
        EXPECT_EQ(0, DifferingPixels(scrolled, full));
    }
}

TEST(TEditorPaint, ChangesWhileHiddenShowWhenShownAgain) {
    auto editor = MakeJapaneseEditor(400, 300, test::NumberedLines(20));
    editor->Ruler()->SetVisible(true);
    editor->Marks()->Underline()->SetVisible(true);
    QImage before = Shot(*editor);
    editor->hide();
    QApplication::processEvents();
    editor->ScreenStrings().UpdateRows(2, 3, "hidden " + kA + "\r\n");
    editor->SetRowCol(6, 3);
    editor->show();
    QImage shown = Shot(*editor);
    editor->PaintNow(editor->ClientRect());
    QImage full = Shot(*editor);
    EXPECT_NE(before, full);
    EXPECT_EQ(full, shown);
}

TEST(TEditorPaint, UnderlinedTokensGetADottedLine) {
    auto editor = MakeJapaneseEditor(400, 120, "ab 123 cd");
    editor->View()->Colors()->Int()->SetColor(clRed);
    editor->View()->Colors()->Int()->SetStyle(fsUnderline);
    QImage shot = Shot(*editor);
    const int y = editor->RowTop(0) + editor->FontHeight() - 2;
    const int from = editor->ColLeft(3);
    const int to = editor->ColLeft(6);
    for (int x = from; x < to; ++x)
        EXPECT_EQ((x - from) % 2 == 0 ? clRed : clWhite, At(shot, x, y)) << "x " << x;
    EXPECT_EQ(Count(shot, editor->ColLeft(0), y, from, y + 1, clRed), 0);
    EXPECT_EQ(Count(shot, to, y, shot.width(), y + 1, clRed), 0);
}

// What OnDrawLine reported, row by row.
struct DrawLineLog {
    struct Call {
        std::string lineStr;
        int x, y;
        bool selected;
    };
    std::map<int, std::vector<Call>> calls;
    void OnDrawLine(TObject*, const std::string& lineStr, int x, int y, int index, const TRect&,
                    bool selected) {
        calls[index].push_back({lineStr, x, y, selected});
    }
};

TEST(TEditorPaint, DrawLineEventGetsTheParsedTextOfEachPaintedPart) {
    auto editor = MakeJapaneseEditor(400, 160, std::string(25, 'a') + "\tb\r\nxyz");
    editor->WrapOption()->SetWrapByte(20);
    editor->SetWordWrap(true);
    ASSERT_EQ(raContinued, editor->ListRow(0));
    editor->SetSelStart(1);
    editor->SetSelLength(2);
    DrawLineLog log;
    editor->OnDrawLine = TDrawLineEvent::Of<&DrawLineLog::OnDrawLine>(&log);
    editor->PaintNow(editor->ClientRect());
    editor->OnDrawLine = {};
    const std::string row1 = editor->ExpandTab(editor->ListString(1));
    ASSERT_EQ(3u, log.calls[0].size()) << "normal, selected, normal";
    EXPECT_FALSE(log.calls[0][0].selected);
    EXPECT_TRUE(log.calls[0][1].selected);
    EXPECT_FALSE(log.calls[0][2].selected);
    for (const DrawLineLog::Call& call : log.calls[0]) {
        EXPECT_EQ(std::string(20, 'a') + row1, call.lineStr) << "a wrapped row with its next";
        EXPECT_EQ(editor->ColLeft(0), call.x);
        EXPECT_EQ(editor->RowTop(0), call.y);
    }
    ASSERT_EQ(1u, log.calls[1].size());
    EXPECT_EQ(row1, log.calls[1][0].lineStr) << "the tab expanded";
    EXPECT_NE(std::string::npos, editor->ListString(1).find('\t'));
    EXPECT_EQ(std::string::npos, row1.find('\t'));
    EXPECT_EQ(1u, log.calls[2].size());
    EXPECT_EQ(0u, log.calls.count(3)) << "rows beyond the text are not lines";
}

} // namespace
} // namespace kes
