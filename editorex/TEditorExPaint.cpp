#include "editorex/TEditorEx.h"

#include "editorex/TEditorExMarks.h"
#include "editorex/TVerticalLines.h"
#include "fountain/TFountain.h"
#include "fountain/TFountainColor.h"
#include "fountain/TFountainParser.h"
#include "textmodel/TEditorScreenStrings.h"
#include "toolkit/core/Cp932.h"
#include "toolkit/core/ScopeGuard.h"

#include <algorithm>

namespace kes {

namespace {

// A one-pixel frame just inside rect.
void FrameRect(TCanvas* canvas, const TRect& rect, TColor color) {
    if (rect.IsEmpty())
        return;
    canvas->FillRect(Rect(rect.Left, rect.Top, rect.Right, rect.Top + 1), color);
    canvas->FillRect(Rect(rect.Left, rect.Bottom - 1, rect.Right, rect.Bottom), color);
    canvas->FillRect(Rect(rect.Left, rect.Top, rect.Left + 1, rect.Bottom), color);
    canvas->FillRect(Rect(rect.Right - 1, rect.Top, rect.Right, rect.Bottom), color);
}

// The row marks 0-9 and 10-15.
constexpr TRowMarks DigitRowMarks = 0x03FF;
constexpr TRowMarks ImageRowMarks = 0xFC00;

} // namespace

// ---- Columns of bytes ----------------------------------------------------------------------

std::vector<int> TEditorEx::ByteColumns(std::string_view text) const {
    // Every code of the attribute string but tab padding stands for one byte.
    std::vector<int> columns(text.size() + 1);
    const std::string attributes = StrToAttributes(text);
    const int measured = static_cast<int>(attributes.size());
    size_t byte = 0;
    int col = 0;
    for (; byte < text.size() && col < measured; ++col)
        if (attributes[static_cast<size_t>(col)] != '3')
            columns[byte++] = col;
    while (col < measured && attributes[static_cast<size_t>(col)] == '3')
        ++col;
    // Bytes past the measured head lie beyond the last column and only need to stay there.
    if (byte < text.size())
        col = std::max(col, MaxCol);
    for (; byte <= text.size(); ++byte)
        columns[byte] = col++;
    return columns;
}

// ---- Marks ---------------------------------------------------------------------------------

void TEditorEx::DrawDBSpaceMark(int x, int y, bool whole) {
    Drawing([&] {
        const int w = ColWidth();
        const int h = FontHeight();
        const TColor color = exMarks_->DBSpaceMark()->Color();
        TCanvas* canvas = Canvas();
        if (whole) {
            FrameRect(canvas, Rect(x, y + 1, x + 2 * w - 1, y + h - 2), color);
            return;
        }
        canvas->Line(x + w, y + 1, x + 2 * w - 2, y + 1, color);
        canvas->Line(x + 2 * w - 2, y + 1, x + 2 * w - 2, y + h - 3, color);
        canvas->Line(x + 2 * w - 2, y + h - 3, x + w - 1, y + h - 3, color);
    });
}

void TEditorEx::DrawSpaceMark(int x, int y) {
    Drawing([&] {
        FrameRect(Canvas(), Rect(x, y + 1, x + ColWidth() - 1, y + FontHeight() - 2),
                  exMarks_->SpaceMark()->Color());
    });
}

void TEditorEx::DrawTabMark(int x, int y) {
    Drawing([&] {
        const int w = ColWidth();
        const int h = FontHeight();
        const int d = std::max(3, h / 8);
        const int m = y + h / 2;
        const TColor color = exMarks_->TabMark()->Color();
        TCanvas* canvas = Canvas();
        canvas->Line(x + 1, m, x + w - 1, m, color);
        canvas->Line(x + w - 1, m, x + w - 1 - d, m - d, color);
        canvas->Line(x + w - 1, m, x + w - 1 - d, m + d, color);
    });
}

void TEditorEx::DrawFindMark(int x1, int x2, int y) {
    Drawing([&] {
        const int bottom = y + FontHeight() - 1;
        Canvas()->Line(x1, bottom, x2 - 1, bottom, exMarks_->FindMark()->Color());
    });
}

void TEditorEx::DrawParenMark(int x, int y, const std::string& text) {
    Drawing([&] {
        const TRect clip =
            Rect(x, y, x + static_cast<int>(text.size()) * ColWidth(), y + FontHeight());
        DrawTextRun(x, y, clip, text, Font()->Style() + fsBold, Font()->Color(),
                    ColorOr(exMarks_->ParenMark()->Color(), Color()), true);
    });
}

void TEditorEx::DrawLineBackground(const TRect& rect, int x, TColor color, int row,
                                   const std::string& text, int y) {
    Drawing([&] {
        Canvas()->FillRect(rect, color);
        if (text.empty())
            return;
        // The row's tokens once more, on the row's colour: text holds the row (tabs expanded)
        // and, for a continued row, the next row after it, so that a token cut by the wrap is
        // coloured as a whole.
        const int w = ColWidth();
        const int width = DisplayWidth(ScreenStrings().View(row));
        const int right =
            std::min({rect.Right, x + w * width, LeftMargin() + MaxCol * w - HorizontalOffset()});
        TEditorScreenStrings& rows = ScreenStrings();
        if (!rows.ParseStateComputed(row))
            rows.UpdateParseState(row, false);
        std::unique_ptr<TFountainParser> parser = ActiveFountain()->CreateParser();
        parser->NewData(text, rows.RowData(row));
        for (TTokenKind kind = parser->NextToken(); kind != ttEnd; kind = parser->NextToken()) {
            const int pos = parser->SourcePos();
            const int tx = x + w * pos;
            if (pos >= width || tx > right)
                break;
            const int end = std::min(pos + parser->TokenLength(), width);
            const int txEnd = x + w * end;
            if (txEnd < LeftMargin())
                continue;
            TFontStyles style = Font()->Style();
            TColor fg = Font()->Color();
            if (TFountainColor* colors = parser->TokenColor()) {
                style = colors->Style();
                fg = ColorOr(colors->Color(), Font()->Color());
            }
            const TRect cells = Rect(std::max({tx, rect.Left, LeftMargin()}), rect.Top,
                                     std::min(txEnd, right), rect.Bottom);
            DrawTextRun(tx, y, cells, std::string_view(text).substr(pos, end - pos), style, fg,
                        color, true);
        }
    });
}

// ---- Guide lines ---------------------------------------------------------------------------

void TEditorEx::DrawVerticalLine(int index) {
    if (index < 0 || index >= verticalLines_->Count())
        return;
    const TVerticalLine* line = verticalLines_->Items(index);
    if (!line->Visible())
        return;
    const int x = LeftMargin() + line->Position() * ColWidth() - HorizontalOffset();
    if (x < LeftMargin())
        return;
    Drawing([&] { Canvas()->Line(x, TopMargin(), x, ClientHeight(), line->Color()); });
}

void TEditorEx::DrawVerticalLines() {
    for (int i = 0; i < verticalLines_->Count(); ++i)
        DrawVerticalLine(i);
}

// ---- The painter's hooks -------------------------------------------------------------------

void TEditorEx::Paint(const TRect& clip) {
    TOleddEditor::Paint(clip);
    DrawVerticalLines();
}

void TEditorEx::DrawUnderline(int row) {
    TOleddEditor::DrawUnderline(row);
    DrawVerticalLines();
}

void TEditorEx::DrawEofMark(int x, int y) {
    // Transparent, so that a row background shows through.
    const TRect clip = Rect(std::max(x, LeftMargin()), std::max(y, TopMargin()), x + 6 * ColWidth(),
                            y + FontHeight());
    DrawTextRun(x, y, clip, "[EOF]", Font()->Style(),
                ColorOr(Marks()->EofMark()->Color(), Font()->Color()), Color(), false);
}

void TEditorEx::DoDrawLine(const TRect& rect, int x, bool selected, int row,
                           const std::string& text, int y) {
    TOleddEditor::DoDrawLine(rect, x, selected, row, text, y);
    DrawVerticalLines();
    const TEditorExMarks& marks = *exMarks_;
    if (!marks.Indicated())
        return;
    const bool dbSpace = marks.DBSpaceMark()->Visible();
    const bool space = marks.SpaceMark()->Visible();
    const bool tab = marks.TabMark()->Visible();
    const bool paren = marks.ParenMark()->Visible() && parenFound_;

    if (!selected)
        if (const std::optional<TColor> background = RowBackground(row))
            DrawLineBackground(rect, x, *background, row, text, y);

    const std::string_view t = row < ListCount() ? ScreenStrings().View(row) : "";
    const int w = ColWidth();
    const int limit = std::min(rect.Right, x + MaxCol * w);
    const std::vector<int> columns = ByteColumns(t);
    if (marks.FindMark()->Visible())
        DrawFindMarks(rect, row, selected, t, columns, y, x, limit);
    if (!(dbSpace || space || tab || paren))
        return;
    const auto visible = [&](int px) { return rect.Left <= px && px < limit; };
    for (size_t i = 0; i < t.size(); i += CharLength(t, i)) {
        const int px = x + w * columns[i];
        const auto byte = static_cast<unsigned char>(t[i]);
        if (dbSpace && byte == 0x81 && i + 1 < t.size() && t[i + 1] == 0x40) {
            if (visible(px))
                DrawDBSpaceMark(px, y, true);
            else if (visible(px + w))
                DrawDBSpaceMark(px, y, false);
        } else if (space && byte == ' ') {
            if (visible(px))
                DrawSpaceMark(px, y);
        } else if (tab && byte == '\t') {
            if (visible(px))
                DrawTabMark(px, y);
        } else if (paren && visible(px)) {
            const int position = static_cast<int>(i) + 1;
            if (openParen_.row == row && openParen_.position == position)
                DrawParenMark(px, y, openParen_.text);
            if (closeParen_.row == row && closeParen_.position == position)
                DrawParenMark(px, y, closeParen_.text);
        }
    }
}

std::optional<TColor> TEditorEx::RowBackground(int row) const {
    const TEditorExMarks& marks = *exMarks_;
    const TRowMarks rowMarks = ListRowMarks(row);
    if (marks.CurrentLine()->Visible() && row == Row())
        return marks.CurrentLine()->Color();
    if (marks.DigitLine()->Visible() && (rowMarks & DigitRowMarks))
        return marks.DigitLine()->Color();
    for (int i = 0; i < TEditorExMarks::ImgLineCount; ++i)
        if (marks.ImgLine(i)->Visible() && (rowMarks & (1u << (10 + i))))
            return marks.ImgLine(i)->Color();
    if (marks.ImageLine()->Visible() && (rowMarks & ImageRowMarks))
        return marks.ImageLine()->Color();
    // The shaded rows are those whose number in the left bar is even, however it counts.
    const int shaded = Leftbar()->ZeroBase() ? 0 : 1;
    if (marks.EvenLine()->Visible() && row % 2 == shaded)
        return marks.EvenLine()->Color();
    return std::nullopt;
}

} // namespace kes
