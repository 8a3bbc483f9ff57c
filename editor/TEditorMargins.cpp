#include "editor/TEditor.h"

#include "editor/TEditorResources.h"
#include "textmodel/TEditorScreenStrings.h"
#include "toolkit/gui/QtColor.h"
#include "toolkit/gui/TBitmap.h"
#include "toolkit/gui/TImageList.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <string>

namespace kes {

namespace {

TColor Either(TColor color, TColor fallback) {
    return color == clNone ? fallback : color;
}

// The ruler's digit font: ten glyphs seven pixels high, one string per pixel row, "#" inked.
// Every glyph is 4 pixels wide but the "1", which is 2 pixels narrower.
constexpr const char* DigitRows[10][7] = {
    {".##.", "#..#", "#..#", "#..#", "#..#", "#..#", ".##."},
    {".#", "##", ".#", ".#", ".#", ".#", ".#"},
    {".##.", "#..#", "...#", "..#.", ".#..", "#...", "####"},
    {"###.", "...#", "...#", ".##.", "...#", "...#", "###."},
    {"..#.", ".##.", "#.#.", "#.#.", "####", "..#.", "..#."},
    {"####", "#...", "###.", "...#", "...#", "#..#", ".##."},
    {".##.", "#...", "#...", "###.", "#..#", "#..#", ".##."},
    {"####", "...#", "..#.", "..#.", ".#..", ".#..", ".#.."},
    {".##.", "#..#", "#..#", ".##.", "#..#", "#..#", ".##."},
    {".##.", "#..#", "#..#", ".###", "...#", "...#", ".##."},
};

int GlyphWidth(int digit) {
    return digit == 1 ? 2 : 4;
}

// The glyph rows start one pixel below the top of their 9-pixel cell.
constexpr int GlyphTop = 1;

int ScreenWidth(int fallback) {
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->size().width() : fallback;
}

int ScreenHeight(int fallback) {
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->size().height() : fallback;
}

// Draws `number` from the glyph cells of `glyphs` into `target` with its top-left at (x, 0).
void DrawNumber(TBitmap& target, TBitmap& glyphs, int x, int number, int cellWidth,
                int cellHeight) {
    for (char c : std::to_string(number)) {
        int digit = c - '0';
        int width = GlyphWidth(digit);
        target.Canvas()->CopyRect(
            Rect(x, 0, x + width, cellHeight), *glyphs.Canvas(),
            Rect(digit * cellWidth, 0, digit * cellWidth + width, cellHeight));
        x += width + 1;
    }
}

// Draws picture `index` of `list` at (x, y), only the part inside cell: a picture wider than
// its place in the bar or taller than a row would otherwise reach into the left bar or the
// next row, which are painted on their own.
void DrawMarkPicture(TCanvas* canvas, const TImageList& list, int index, int x, int y,
                     const TRect& cell) {
    if (index < 0 || index >= list.Count())
        return;
    const QImage& picture = list.Image(index);
    for (int row = std::max(0, cell.Top - y); row < std::min(picture.height(), cell.Bottom - y);
         ++row) {
        for (int col = std::max(0, cell.Left - x); col < std::min(picture.width(), cell.Right - x);
             ++col) {
            QRgb pixel = picture.pixel(col, row);
            if (qAlpha(pixel) != 0)
                canvas->SetPixel(x + col, y + row, FromQColor(QColor(pixel)));
        }
    }
}

int DecimalDigits(int number) {
    int digits = 1;
    for (int n = std::max(number, 0); n >= 10; n /= 10)
        ++digits;
    return digits;
}

} // namespace

// ---- Widths and heights --------------------------------------------------------------------

void TEditor::UpdateImagebarWidth() {
    imagebarWidth_ = imagebar_->Visible() ? imagebar_->LeftMargin() + imagebar_->DigitWidth() +
                                                imagebar_->MarkWidth() + imagebar_->RightMargin()
                                          : 0;
}

bool TEditor::UpdateLeftbarDigits() {
    int digits = leftbar_->Column();
    if (list_ && leftbar_->Visible() && leftbar_->ShowNumber()) {
        int count = ListCount();
        int lastRow = std::max(count - 1, 0);
        int largest = leftbar_->ShowNumberMode() == nmLine ? LineNumber(lastRow) : count - 1;
        if (ListRow(count - 1) != raTextEnd)
            ++largest;
        if (!leftbar_->ZeroBase())
            ++largest;
        digits = std::min(8, std::max(leftbar_->Column(), DecimalDigits(largest)));
    }
    bool changed = digits != leftbarDigits_;
    leftbarDigits_ = digits;
    return changed;
}

void TEditor::UpdateLeftbarWidth() {
    leftbarWidth_ = leftbar_->Visible() ? leftbar_->LeftMargin() + leftbarDigits_ * colWidth_ +
                                              leftbar_->RightMargin() + 2
                                        : 0;
}

void TEditor::UpdateRulerHeight() {
    rulerHeight_ = !ruler_->Visible() ? 0 : ruler_->Edge() ? 11 : 10;
}

// ---- Bitmaps -------------------------------------------------------------------------------

void TEditor::CreateDrawBitmaps() {
    marginBitmap_ = std::make_unique<TBitmap>();
    leftbarEdge_ = std::make_unique<TBitmap>();
    rulerEdge_ = std::make_unique<TBitmap>();
    rulerGauge_ = std::make_unique<TBitmap>();
    rulerBitmap_ = std::make_unique<TBitmap>();
    rulerMarkBitmap_ = std::make_unique<TBitmap>();
    rulerDigits_ = std::make_unique<TBitmap>();
    rulerMarkDigits_ = std::make_unique<TBitmap>();
    digitFont_ = std::make_unique<TBitmap>();
    rulerDigitWidth_ = 5;
    rulerDigitHeight_ = 9;
    rulerNumbersBase_ = -1;
    CreateRulerDigitGlyphs();
    CreateRulerEdge();
}

void TEditor::FreeDrawBitmaps() {
    marginBitmap_.reset();
    leftbarEdge_.reset();
    rulerEdge_.reset();
    rulerGauge_.reset();
    rulerBitmap_.reset();
    rulerMarkBitmap_.reset();
    rulerDigits_.reset();
    rulerMarkDigits_.reset();
    digitFont_.reset();
}

// ---- Ruler ---------------------------------------------------------------------------------

int TEditor::RulerBitmapWidth() const {
    int unit = std::max(1, ruler_->GaugeRange() * colWidth_);
    int screen = ScreenWidth(width());
    return (screen + unit - 1) / unit * unit + 2 * unit;
}

void TEditor::CreateRulerDigitGlyphs() {
    digitFont_->SetSize(56, rulerDigitHeight_);
    TCanvas* canvas = digitFont_->Canvas();
    canvas->FillRect(Rect(0, 0, 56, rulerDigitHeight_), clWhite);
    for (int digit = 0; digit < 10; ++digit)
        for (int y = 0; y < 7; ++y)
            for (int x = 0; x < GlyphWidth(digit); ++x)
                if (DigitRows[digit][y][x] == '#')
                    canvas->SetPixel(digit * rulerDigitWidth_ + x, GlyphTop + y, clBlack);
}

void TEditor::ColorRulerDigitGlyphs() {
    const TColor bk = Either(ruler_->BkColor(), color_);
    const TColor fg = Either(ruler_->Color(), font_->Color());
    const TColor mark = Either(ruler_->MarkColor(), font_->Color());
    const int width = digitFont_->Width();
    const int height = digitFont_->Height();
    rulerDigits_->SetSize(width, height);
    rulerMarkDigits_->SetSize(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            bool ink = digitFont_->Canvas()->Pixel(x, y) == clBlack;
            rulerDigits_->Canvas()->SetPixel(x, y, ink ? fg : bk);
            rulerMarkDigits_->Canvas()->SetPixel(x, y, ink ? bk : mark);
        }
    }
}

void TEditor::CreateRulerEdge() {
    int width = std::max(RulerBitmapWidth(), rulerEdge_->Width());
    rulerEdge_->SetSize(width, 2);
    rulerEdge_->Canvas()->FillRect(Rect(0, 0, width, 1), clWhite);
    rulerEdge_->Canvas()->FillRect(Rect(0, 1, width, 2), clGray);
}

void TEditor::SizeRulerBitmaps() {
    int width = RulerBitmapWidth();
    int height = ruler_->Edge() ? 11 : 10;
    if (rulerEdge_->Width() < width)
        CreateRulerEdge();
    rulerGauge_->SetSize(width, height);
    rulerBitmap_->SetSize(width, height);
    rulerMarkBitmap_->SetSize(width, height);
}

void TEditor::DrawRulerGauge() {
    TCanvas* canvas = rulerGauge_->Canvas();
    const int width = rulerGauge_->Width();
    const int height = rulerGauge_->Height();
    const int g = ruler_->GaugeRange();
    const int unit = g * colWidth_;
    const TColor fg = Either(ruler_->Color(), font_->Color());
    const int bottomLine = ruler_->Edge() ? height - 2 : height - 1;
    canvas->Begin();
    canvas->FillRect(Rect(0, 0, width, height), Either(ruler_->BkColor(), color_));
    for (int d = 0; d < g; ++d) {
        int from = d == 0 ? 0 : d == g / 2 ? 3 : 6;
        canvas->Line(d * colWidth_, from, d * colWidth_, bottomLine, fg);
    }
    for (int x = unit; x < width; x += unit)
        canvas->CopyRect(Rect(x, 0, x + unit, bottomLine), *canvas, Rect(0, 0, unit, bottomLine));
    if (ruler_->Edge())
        canvas->CopyRect(Rect(0, bottomLine, width, height), *rulerEdge_->Canvas(),
                         Rect(0, 0, width, 2));
    else
        canvas->FillRect(Rect(0, bottomLine, width, height), fg);
    canvas->End();
}

void TEditor::DrawRulerNumbers() {
    const int g = ruler_->GaugeRange();
    const int unit = g * colWidth_;
    const int width = rulerGauge_->Width();
    const int height = rulerGauge_->Height();
    const int bottomLine = ruler_->Edge() ? height - 2 : height - 1;
    const TColor bk = Either(ruler_->BkColor(), color_);
    const TColor mark = Either(ruler_->MarkColor(), font_->Color());
    rulerBitmap_->Assign(rulerGauge_.get());
    rulerMarkBitmap_->Assign(rulerGauge_.get());
    rulerMarkBitmap_->Canvas()->FillRect(Rect(0, 0, width, bottomLine), mark);
    rulerNumbersBase_ = g * (topCol_ / g);
    for (int k = 0;; ++k) {
        int number = rulerNumbersBase_ + k * g;
        int x = 1 + k * unit;
        if (x >= width)
            break;
        if (number >= MaxCol) {
            // Nothing lies right of the last column: the ruler ends with its number.
            rulerBitmap_->Canvas()->FillRect(Rect(x, 0, width, bottomLine), bk);
            rulerMarkBitmap_->Canvas()->FillRect(Rect(x, 0, width, bottomLine), mark);
        }
        DrawNumber(*rulerBitmap_, *rulerDigits_, x, number, rulerDigitWidth_, rulerDigitHeight_);
        DrawNumber(*rulerMarkBitmap_, *rulerMarkDigits_, x, number, rulerDigitWidth_,
                   rulerDigitHeight_);
        if (number >= MaxCol)
            break;
    }
}

void TEditor::InitRuler() {
    SizeRulerBitmaps();
    ColorRulerDigitGlyphs();
    DrawRulerGauge();
    DrawRulerNumbers();
}

void TEditor::PaintRuler() {
    if (!ruler_->Visible())
        return;
    const int g = ruler_->GaugeRange();
    if (rulerBitmap_->Height() != rulerHeight_ || rulerBitmap_->Width() < RulerBitmapWidth())
        InitRuler();
    else if (rulerNumbersBase_ != g * (topCol_ / g))
        DrawRulerNumbers();
    const int shift = topCol_ % g * colWidth_;
    const int width = ClientWidth() - leftMargin_;
    Canvas()->CopyRect(Rect(leftMargin_, 0, leftMargin_ + width, rulerHeight_),
                       *rulerBitmap_->Canvas(), Rect(shift, 0, shift + width, rulerHeight_));
    DrawRulerMark(col_);
}

void TEditor::DrawRulerMark(int col) {
    CopyRulerCell(col, *rulerMarkBitmap_);
}

void TEditor::EraseRulerMark(int col) {
    CopyRulerCell(col, *rulerBitmap_);
}

void TEditor::CopyRulerCell(int col, TBitmap& source) {
    if (!ruler_->Visible() || col < topCol_)
        return;
    const int g = ruler_->GaugeRange();
    if (rulerNumbersBase_ != g * (topCol_ / g))
        DrawRulerNumbers();
    const int x = leftMargin_ + (col - topCol_) * colWidth_ + 1;
    if (x >= ClientWidth())
        return;
    const int height = rulerHeight_ - (ruler_->Edge() ? 2 : 1);
    const int sourceX = (col - rulerNumbersBase_) * colWidth_ + 1;
    TRect cell = Rect(x, 0, x + colWidth_ - 1, height);
    if (!Showing()) {
        InvalidateRect(cell);
        return;
    }
    Canvas()->CopyRect(cell, *source.Canvas(), Rect(sourceX, 0, sourceX + colWidth_ - 1, height));
    RefreshScreen(cell);
}

// ---- Left bar ------------------------------------------------------------------------------

void TEditor::CreateLeftbarEdge() {
    const int height = std::max(ScreenHeight(this->height()), ClientHeight());
    leftbarEdge_->SetSize(2, height);
    const bool edge = leftbar_->Edge();
    leftbarEdge_->Canvas()->FillRect(Rect(0, 0, 1, height),
                                     edge ? clWhite : Either(leftbar_->BkColor(), color_));
    leftbarEdge_->Canvas()->FillRect(Rect(1, 0, 2, height),
                                     edge ? clGray : Either(leftbar_->Color(), font_->Color()));
}

void TEditor::PaintLeftbar(int first, int last) {
    if (!leftbar_->Visible())
        return;
    if (leftbarEdge_->Height() < rowHeight_)
        CreateLeftbarEdge();
    TCanvas* canvas = Canvas();
    const int edgeX = imagebarWidth_ + leftbarWidth_ - 2;
    const TColor bk = Either(leftbar_->BkColor(), color_);
    const TColor fg = Either(leftbar_->Color(), font_->Color());
    const int count = ListCount();
    const bool finalBreak = count > 0 && ListRow(count - 1) == raLineEnd;
    const bool lines = leftbar_->ShowNumberMode() == nmLine;
    const int base = leftbar_->ZeroBase() ? 0 : 1;
    int line = lines ? LineNumber(first) : 0;
    for (int row = first; row <= last; ++row) {
        const int top = RowTop(row);
        canvas->CopyRect(Rect(edgeX, top, edgeX + 2, top + rowHeight_), *leftbarEdge_->Canvas(),
                         Rect(0, 0, 2, rowHeight_));
        TRect cell = Rect(imagebarWidth_, top, edgeX, top + rowHeight_);
        int number = -1;
        if (leftbar_->ShowNumber()) {
            if (!lines) {
                if (row < count || row == 0 || (row == count && finalBreak))
                    number = row + base;
            } else if (row < count) {
                if (row == 0 || ListRow(row - 1) != raContinued)
                    number = line + base;
                if (ListRow(row) == raLineEnd)
                    ++line;
            } else if (row == count && finalBreak) {
                number = line + base;
            }
        }
        if (number < 0) {
            canvas->FillRect(cell, bk);
            continue;
        }
        std::string digits = std::to_string(number);
        if (static_cast<int>(digits.size()) < leftbarDigits_)
            digits.insert(0, leftbarDigits_ - digits.size(), leftbar_->ZeroLead() ? '0' : ' ');
        DrawTextRun(imagebarWidth_ + leftbar_->LeftMargin(), top, cell, digits, font_->Style(), fg,
                    bk, true);
    }
}

// ---- Image bar -----------------------------------------------------------------------------

void TEditor::PaintImagebar(int first, int last) {
    if (!imagebar_->Visible())
        return;
    TCanvas* canvas = Canvas();
    const TColor bk =
        leftbar_->Visible() && leftbar_->BkColor() != clNone ? leftbar_->BkColor() : color_;
    const int count = ListCount();
    for (int row = first; row <= last; ++row) {
        const int top = RowTop(row);
        const TRect cell = Rect(0, top, imagebarWidth_, top + rowHeight_);
        canvas->FillRect(cell, bk);
        if (row >= count)
            continue;
        const TRowMarks marks = ListRowMarks(row);
        if (marks == 0)
            continue;
        const int x = imagebar_->LeftMargin();
        for (int n = 0; n < 10; ++n) {
            if (marks & (1u << n)) {
                const TImageList& list =
                    imageDigits_ && imageDigits_->Count() > n ? *imageDigits_ : BuiltInDigitMarks();
                DrawMarkPicture(canvas, list, n, x, top + 2, cell);
                break;
            }
        }
        for (int m = 10; m < 16; ++m) {
            if (marks & (1u << m)) {
                const TImageList& list = imageMarks_ && imageMarks_->Count() > m - 10
                                             ? *imageMarks_
                                             : BuiltInPictureMarks();
                DrawMarkPicture(canvas, list, m - 10, x + imagebar_->DigitWidth(), top + 2, cell);
                break;
            }
        }
    }
}

// ---- Margin background ---------------------------------------------------------------------

void TEditor::PaintMarginBackground() {
    const int width = std::max(ScreenWidth(this->width()), ClientWidth());
    const int height = std::max(ScreenHeight(this->height()), ClientHeight());
    marginBitmap_->SetSize(width, height);
    TCanvas* canvas = marginBitmap_->Canvas();
    canvas->Begin();
    // Only the strips around the text are ever copied to the screen.
    canvas->FillRect(Rect(0, 0, width, topMargin_), color_);
    canvas->FillRect(Rect(0, topMargin_, leftMargin_, height), color_);
    const int bars = imagebarWidth_ + leftbarWidth_;
    if (leftbar_->Visible() && leftbar_->Edge()) {
        if (leftbarEdge_->Height() < height)
            CreateLeftbarEdge();
        canvas->FillRect(Rect(0, 0, bars, height), Either(leftbar_->BkColor(), color_));
        canvas->CopyRect(Rect(bars - 2, 0, bars, height), *leftbarEdge_->Canvas(),
                         Rect(0, 0, 2, height));
    }
    if (ruler_->Visible() && ruler_->Edge()) {
        if (rulerEdge_->Width() < width)
            CreateRulerEdge();
        canvas->FillRect(Rect(0, 0, width, rulerHeight_ - 2), Either(ruler_->BkColor(), color_));
        canvas->CopyRect(Rect(0, rulerHeight_ - 2, width, rulerHeight_), *rulerEdge_->Canvas(),
                         Rect(0, 0, width, 2));
    }
    canvas->End();
}

void TEditor::ScrollForLeftbarResize(int oldWidth, int newWidth) {
    const int dx = newWidth - oldWidth;
    if (dx == 0)
        return;
    const int oldLeft = margin_->Left() + imagebarWidth_ + oldWidth;
    leftMargin_ = margin_->Left() + imagebarWidth_ + newWidth;
    const int from = std::min(oldLeft, leftMargin_);
    TRect area = Rect(from, 0, ClientWidth(), ClientHeight());
    if (!area.IsEmpty())
        ScrollRect(dx, 0, area, area);
    PaintNow(Rect(0, 0, std::max(oldLeft, leftMargin_), ClientHeight()));
}

} // namespace kes
