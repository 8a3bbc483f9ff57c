#include "editor/TEditor.h"

#include "fountain/TEditorColors.h"
#include "fountain/TFountain.h"
#include "fountain/TFountainColor.h"
#include "fountain/TFountainParser.h"
#include "support/StringHelpers.h"
#include "textmodel/TEditorScreenStrings.h"
#include "toolkit/core/ScopeGuard.h"
#include "toolkit/gui/TBitmap.h"
#include "toolkit/gui/TDotLineCollection.h"

#include <algorithm>

namespace kes {

namespace {

TRect Intersect(const TRect& a, const TRect& b) {
    return Rect(std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
                std::min(a.Bottom, b.Bottom));
}

bool Meets(const TRect& a, const TRect& b) {
    return !Intersect(a, b).IsEmpty();
}

// The bytes of a row that may be drawn: the columns below 1000, and the trail byte of a
// double-byte character that starts in column 999.
int DrawableLength(std::string_view text) {
    if (text.size() <= static_cast<size_t>(TEditor::MaxCol))
        return static_cast<int>(text.size());
    return IsLeadByteAt(text, TEditor::MaxCol) ? TEditor::MaxCol + 1 : TEditor::MaxCol;
}

// A box edge at column col of an expanded row: clamped to the row, and moved off the trail
// byte of a double-byte character so that the character lies wholly on one side.
int BoxEdge(std::string_view text, int col) {
    int c = std::min(col, static_cast<int>(text.size()));
    return IsTrailByteAt(text, c + 1) ? c + 1 : c;
}

// The row-end marks in the cell at (x, y), w wide and h high.
void DrawReturnArrow(TCanvas* canvas, int x, int y, int w, int h, TColor color) {
    int d = std::max(1, h / 8);
    int f = std::max(d, 3);
    int cx = x + w / 2;
    int bottom = y + h - 2 * d;
    canvas->Line(cx, y + 2 * d, cx, bottom, color);
    canvas->Line(cx, bottom, cx + f, bottom - f, color);
    canvas->Line(cx, bottom, cx - f, bottom - f, color);
}

int AngleSize(int w) {
    return std::max(2, w * 3 / 5);
}

void DrawWrapAngle(TCanvas* canvas, int x, int y, int w, int h, TColor color) {
    int e = AngleSize(w);
    int m = y + h / 2;
    canvas->Line(x + w, m - e, x + w - e, m, color);
    canvas->Line(x + w - e, m, x + w + 1, m + e + 1, color);
}

void DrawHideAngle(TCanvas* canvas, int x, int y, int w, int h, TColor color) {
    int e = AngleSize(w);
    int m = y + h / 2;
    canvas->Line(x + w - e, m - e, x + w, m, color);
    canvas->Line(x + w, m, x + w - e - 1, m + e + 1, color);
}

// The rows between a and b, in either order, that are in a view of `visible` rows from
// topRow (the partly visible row below included); from > to when none is.
struct TRowSpan {
    int from, to;
};
TRowSpan RowsInView(int a, int b, int topRow, int visible) {
    return {std::max(std::min(a, b), topRow), std::min(std::max(a, b), topRow + visible)};
}

} // namespace

TColor TEditor::ColorOr(TColor color, TColor fallback) {
    return color == clNone ? fallback : color;
}

// ---- Repaint requests of the screen rows ---------------------------------------------------

void TEditor::InvalidateRow(int row) {
    if (row < topRow_ || row > topRow_ + rowCount_)
        return;
    int top = RowTop(row);
    InvalidateRect(Rect(leftMargin_, top, ClientWidth(), top + fontHeight_));
}

void TEditor::InvalidateRows(int first, int last) {
    const auto [from, to] = RowsInView(first, last, topRow_, rowCount_);
    if (from > to)
        return;
    PaintNow(Rect(0, RowTop(from), ClientWidth(), RowTop(to) + fontHeight_));
}

void TEditor::ScrollRows(int row, int count) {
    if (count == 0 || row > topRow_ + rowCount_)
        return;
    TRect area =
        Rect(leftMargin_, std::max(RowTop(row), topMargin_), ClientWidth(), ClientHeight());
    if (area.IsEmpty())
        return;
    ScrollRect(0, count * rowHeight_, area, area);
}

void TEditor::ScrollImagebar(int count) {
    // The marks moved with their rows in the text; the bar is a few cells, so it is simply
    // drawn again.
    if (count == 0 || !imagebar_->Visible())
        return;
    PaintNow(Rect(0, topMargin_, imagebarWidth_, ClientHeight()));
}

void TEditor::InvalidateLeftbar(int first, int last) {
    if (!leftbar_->Visible())
        return;
    const auto [from, to] = RowsInView(first, last, topRow_, rowCount_);
    if (from > to)
        return;
    PaintNow(Rect(imagebarWidth_, RowTop(from), imagebarWidth_ + leftbarWidth_,
                  RowTop(to) + fontHeight_));
}

void TEditor::PaintRowsNow(int first, int last) {
    const auto [from, to] = RowsInView(first, last, topRow_, rowCount_);
    if (from > to)
        return;
    PaintNow(Rect(leftMargin_, RowTop(from), ClientWidth(), RowTop(to) + rowHeight_));
}

void TEditor::RefreshScreen(const TRect& rect) {
    viewport()->update(QRect(rect.Left, rect.Top, rect.Width(), rect.Height()));
}

// ---- Paint ---------------------------------------------------------------------------------

void TEditor::Paint(const TRect& clip) {
    // A hidden control draws nothing, but what it was asked to paint stays due, so that it
    // is right when it shows again.
    if (!Showing()) {
        InvalidateRect(clip);
        return;
    }
    const TRect client = ClientRect();
    const TRect r = Intersect(clip, client);
    if (r.IsEmpty())
        return;
    const bool underline =
        marks_->Underline()->Visible() && underlineUpdateCount_ == 0 && UnderlinePos(row_) >= 0;

    // The grid: whole columns from text left, whole rows from text top.
    const int w = colWidth_;
    const int pitch = rowHeight_;
    int left = r.Left < leftMargin_ ? leftMargin_ : leftMargin_ + (r.Left - leftMargin_) / w * w;
    int top = r.Top < topMargin_ ? topMargin_ : topMargin_ + (r.Top - topMargin_) / pitch * pitch;
    int bottom = r.Bottom <= top ? top : top + (r.Bottom - top + pitch - 1) / pitch * pitch;
    int first = (top - topMargin_) / pitch + topRow_;
    int last = first + (bottom - top) / pitch - 1;

    HideCaretNested();
    TCanvas* canvas = Canvas();
    canvas->Begin();

    // The plain background around the areas: the corner, the strip above the text and the
    // strip between the bars and the text.
    if (!marginBitmap_ || marginBitmap_->Width() < client.Right ||
        marginBitmap_->Height() < client.Bottom)
        PaintMarginBackground();
    const int bars = imagebarWidth_ + leftbarWidth_;
    for (const TRect& part : {Rect(0, 0, leftMargin_, topMargin_),
                              Rect(leftMargin_, rulerHeight_, client.Right, topMargin_),
                              Rect(bars, topMargin_, leftMargin_, client.Bottom)}) {
        TRect piece = Intersect(part, r);
        if (!piece.IsEmpty())
            canvas->CopyRect(piece, *marginBitmap_->Canvas(), piece);
    }
    if (ruler_->Visible() && Meets(r, Rect(leftMargin_, 0, client.Right, rulerHeight_)))
        PaintRuler();
    if (first <= last) {
        if (leftbar_->Visible() && Meets(r, Rect(imagebarWidth_, topMargin_, bars, client.Bottom)))
            PaintLeftbar(first, last);
        if (imagebar_->Visible() && Meets(r, Rect(0, topMargin_, imagebarWidth_, client.Bottom)))
            PaintImagebar(first, last);
        if (r.Right > leftMargin_ && r.Bottom > topMargin_) {
            const int room =
                marks_->Underline()->Visible() && (HasSelectionOrHit() || erasingSelection_) ? 1
                                                                                             : 0;
            std::unique_ptr<TFountainParser> parser = ActiveFountain()->CreateParser();
            PaintRows(*parser, Rect(left, top, r.Right, top + fontHeight_ + room), first, last);
        }
    }

    canvas->End();
    ShowCaretNested();
    if (underline)
        DrawUnderline(row_);
}

void TEditor::PaintRows(TFountainParser& parser, TRect rect, int first, int last) {
    TCanvas* canvas = Canvas();
    const bool selectionShown = selState_ == TEditorSelectionState::Selected ||
                                (selState_ == TEditorSelectionState::Hit && hitStyle_ == hsDraw);
    for (int row = first; row <= last; ++row) {
        if (row == row_ && !preedit_.text.empty())
            PaintRowWithPreedit(parser, rect, row, selectionShown);
        else
            PaintTextRow(parser, rect, row, selectionShown);
        // The room between the rows (line margin, underline) belongs to no row.
        TRect gap = Rect(rect.Left, rect.Bottom, rect.Right, rect.Top + rowHeight_);
        if (!gap.IsEmpty())
            canvas->FillRect(gap, color_);
        rect.Top += rowHeight_;
        rect.Bottom += rowHeight_;
    }
}

void TEditor::PaintTextRow(TFountainParser& parser, const TRect& rect, int row,
                           bool selectionShown) {
    if (rect.IsEmpty())
        return;
    const int count = ListCount();
    if (row < count) {
        std::string text = ExpandTab(ScreenStrings().View(row));
        if (selectionShown)
            PaintRowWithSelection(parser, rect, row, text);
        else
            PaintNormalRow(parser, rect, row, text);
    } else {
        Canvas()->FillRect(rect, color_);
        if (row == count && marks_->EofMark()->Visible() &&
            (count == 0 || ListRow(count - 1) != raTextEnd))
            DrawEofMark(PaintOrigin(), rect.Top);
    }
}

void TEditor::PaintRowWithPreedit(TFountainParser& parser, const TRect& rect, int row,
                                  bool selectionShown) {
    // As text widgets do: the row up to the caret, the preedit, then the rest of the row
    // pushed right by the preedit's width.
    const int x = ColLeft(col_);
    const int width = static_cast<int>(preedit_.text.size()) * colWidth_;
    PaintTextRow(parser, Intersect(rect, Rect(rect.Left, rect.Top, x, rect.Bottom)), row,
                 selectionShown);
    paintShift_ = width;
    WithCleanup(
        [&] {
            PaintTextRow(parser,
                         Intersect(rect, Rect(x + width, rect.Top, rect.Right, rect.Bottom)), row,
                         selectionShown);
        },
        [this] { paintShift_ = 0; });
    DrawPreedit(x, rect.Top, Intersect(rect, Rect(x, rect.Top, x + width, rect.Bottom)));
}

void TEditor::DrawPreedit(int x, int y, const TRect& clip) {
    if (clip.IsEmpty())
        return;
    const std::string_view text = preedit_.text;
    const TFontStyles style = font_->Style();
    const TColor fg = font_->Color();
    TFountainColor* select = view_->Colors()->Select();
    const int w = colWidth_;
    // An opaque run fills its whole clip, so each part gets its own cells.
    const auto part = [&](int from, int to, TColor color, TColor brush) {
        const TRect cells = Intersect(clip, Rect(x + from * w, y, x + to * w, clip.Bottom));
        DrawTextRun(x + from * w, y, cells, text.substr(from, to - from), style, color, brush,
                    true);
    };
    const int from = preedit_.segmentStart;
    const int to = preedit_.segmentEnd;
    part(0, from, fg, color_);
    part(from, to, ColorOr(select->Color(), color_), ColorOr(select->BkColor(), fg));
    part(to, static_cast<int>(text.size()), fg, color_);
    const int line = y + fontHeight_ - 1;
    Canvas()->Line(clip.Left, line, clip.Right, line, fg);
}

void TEditor::PaintNormalRow(TFountainParser& parser, const TRect& rect, int row,
                             const std::string& text) {
    PaintRow(parser, rect, row, text, false);
}

void TEditor::PaintSelectedRow(TFountainParser& parser, const TRect& rect, int row,
                               const std::string& text) {
    PaintRow(parser, rect, row, text, true);
}

void TEditor::PaintRowWithSelection(TFountainParser& parser, const TRect& rect, int row,
                                    const std::string& text) {
    if (row < sel_.startRow || row > sel_.endRow) {
        PaintNormalRow(parser, rect, row, text);
        return;
    }
    const int x0 = PaintOrigin();
    int from = rect.Left;
    int to = rect.Right;
    if (selectionMode_ == smBox) {
        from = x0 + BoxEdge(text, sel_.startCol) * colWidth_;
        to = x0 + BoxEdge(text, sel_.endCol) * colWidth_;
    } else {
        if (row == sel_.startRow)
            from = x0 + sel_.startCol * colWidth_;
        if (row == sel_.endRow)
            to = x0 + sel_.endCol * colWidth_;
    }
    from = std::clamp(from, rect.Left, rect.Right);
    to = std::clamp(to, from, rect.Right);
    if (from == to) {
        PaintNormalRow(parser, rect, row, text);
        return;
    }
    if (rect.Left < from)
        PaintNormalRow(parser, Rect(rect.Left, rect.Top, from, rect.Bottom), row, text);
    PaintSelectedRow(parser, Rect(from, rect.Top, to, rect.Bottom), row, text);
    if (to < rect.Right)
        PaintNormalRow(parser, Rect(to, rect.Top, rect.Right, rect.Bottom), row, text);
}

TFountainColor* TEditor::SelectionColors() const {
    TEditorColors* colors = view_->Colors();
    return selState_ == TEditorSelectionState::Hit ? colors->Hit() : colors->Select();
}

void TEditor::PaintRow(TFountainParser& parser, const TRect& rect, int row, const std::string& text,
                       bool selected) {
    TEditorScreenStrings& rows = ScreenStrings();
    if (!rows.ParseStateComputed(row))
        rows.UpdateParseState(row, false);
    TCanvas* canvas = Canvas();
    const int w = colWidth_;
    const int x0 = PaintOrigin();
    const int y = rect.Top;
    const int length = static_cast<int>(text.size());
    const int drawable = DrawableLength(text);
    const TFontStyles style = font_->Style();
    TColor bk = color_;
    TColor fg = font_->Color();
    if (selected) {
        TFountainColor* colors = SelectionColors();
        bk = ColorOr(colors->BkColor(), font_->Color());
        fg = ColorOr(colors->Color(), color_);
    }

    if (transparent_)
        canvas->FillRect(rect, bk);
    else
        DrawTextRun(x0, y, rect, std::string_view(text).substr(0, drawable), style, fg, bk, true);

    // A wrapped row is parsed together with the next one, so that a token cut by the wrap
    // gets the colour of the whole token.
    const TRowAttribute attribute = ListRow(row);
    const bool continued = attribute == raContinued && WordWrap();
    std::string joined;
    if (continued)
        joined = text + ExpandTab(ListString(row + 1));
    const std::string& lineStr = continued ? joined : text;

    if (length > 0 && (length + 5) * w >= HorizontalOffset()) {
        int limit = std::min(rect.Right, x0 + MaxCol * w);
        if (continued)
            limit = std::min(limit, x0 + length * w);
        parser.NewData(lineStr, rows.RowData(row));
        for (TTokenKind kind = parser.NextToken(); kind != ttEnd; kind = parser.NextToken()) {
            const int pos = parser.SourcePos();
            const int tx = x0 + pos * w;
            if (pos >= length || tx >= limit)
                break;
            const int end = std::min({pos + parser.TokenLength(), length, drawable});
            const int txEnd = x0 + end * w;
            if (txEnd <= rect.Left)
                continue;
            TColor tokenBk = bk;
            TColor tokenFg = fg;
            TFontStyles tokenStyle = style;
            if (TFountainColor* colors = parser.TokenColor()) {
                tokenStyle = colors->Style();
                if (!selected) {
                    tokenBk = ColorOr(colors->BkColor(), color_);
                    tokenFg = ColorOr(colors->Color(), font_->Color());
                }
            }
            const std::string_view bytes = std::string_view(text).substr(pos, end - pos);
            const TRect cells =
                Rect(std::max(tx, rect.Left), rect.Top, std::min(txEnd, rect.Right), rect.Bottom);
            if (transparent_) {
                // Glyphs may lean out of their cells (italic), so they are clipped to the row;
                // only a background of their own is kept to the token's cells.
                if (tokenBk != bk)
                    canvas->FillRect(cells, tokenBk);
                DrawTextRun(tx, y, rect, bytes, tokenStyle, tokenFg, tokenBk, false);
            } else if (tokenBk != bk || tokenFg != fg || tokenStyle != style) {
                DrawTextRun(tx, y, cells, bytes, tokenStyle, tokenFg, tokenBk, true);
            }
        }
    }

    DoDrawLine(rect, x0, selected, row, lineStr, y);

    // The row's end: where its text stops, at most at column 1000 (1001 after a double-byte
    // character that straddles it).
    const int endCol = length > MaxCol ? drawable : length;
    const int e = x0 + endCol * w;
    if (e < rect.Left || e >= rect.Right)
        return;
    if (endCol == length) {
        if (marks_->EofMark()->Visible() && attribute == raTextEnd && row == ListCount() - 1) {
            DrawEofMark(e, y);
        } else if (attribute == raLineEnd && marks_->RetMark()->Visible()) {
            if (selected)
                DrawSelectedRetMark(e, y);
            else
                DrawRetMark(e, y);
        } else if (attribute == raContinued && marks_->WrapMark()->Visible()) {
            if (selected)
                DrawSelectedWrapMark(e, y);
            else
                DrawWrapMark(e, y);
        }
    } else if (marks_->HideMark()->Visible()) {
        if (selected)
            DrawSelectedHideMark(e, y);
        else
            DrawHideMark(e, y);
    }
}

void TEditor::DrawTextRun(int x, int y, const TRect& clip, std::string_view run, TFontStyles style,
                          TColor color, TColor brush, bool opaque) {
    if (clip.IsEmpty())
        return;
    const int w = colWidth_;
    // Only the characters that meet the clip go to the text-out; the run starts at a
    // character, so walking it finds the first character that reaches into the clip.
    size_t skip = 0;
    while (skip < run.size()) {
        size_t next = skip + (IsLeadByteAt(run.substr(skip, 2), 1) ? 2 : 1);
        if (x + static_cast<int>(next) * w > clip.Left)
            break;
        skip = next;
    }
    const int start = x + static_cast<int>(skip) * w;
    size_t cells = static_cast<size_t>(std::max(0, (clip.Right - start + w - 1) / w)) + 1;
    std::string_view visible = run.substr(skip, cells);
    Canvas()->TextOut(start, y, clip, visible, *font_, style, color, brush, opaque, w);
    if (style.Contains(fsUnderline)) {
        int x1 = std::max(x, clip.Left);
        int x2 = std::min(x + static_cast<int>(run.size()) * w, clip.Right) - 1;
        DrawDottedLine(Canvas(), x1, y + fontHeight_ - 2, brush, color, x2);
    }
}

void TEditor::DoDrawLine(const TRect& rect, int x, bool selected, int row, const std::string& text,
                         int y) {
    if (OnDrawLine)
        OnDrawLine(this, text, x, y, row, rect, selected);
}

// ---- Row-end marks -------------------------------------------------------------------------

void TEditor::DrawEofMark(int x, int y) {
    TRect clip =
        Rect(std::max(x, leftMargin_), std::max(y, topMargin_), x + 6 * colWidth_, y + fontHeight_);
    DrawTextRun(x, y, clip, "[EOF]", font_->Style(),
                ColorOr(marks_->EofMark()->Color(), font_->Color()), color_, true);
}

void TEditor::DrawRetMark(int x, int y) {
    if (x >= leftMargin_)
        DrawReturnArrow(Canvas(), x, y, colWidth_, fontHeight_,
                        ColorOr(marks_->RetMark()->Color(), font_->Color()));
}

void TEditor::DrawSelectedRetMark(int x, int y) {
    if (x >= leftMargin_)
        DrawReturnArrow(Canvas(), x, y, colWidth_, fontHeight_, SelectedMarkColor());
}

void TEditor::DrawWrapMark(int x, int y) {
    if (x >= leftMargin_)
        DrawWrapAngle(Canvas(), x, y, colWidth_, fontHeight_,
                      ColorOr(marks_->WrapMark()->Color(), font_->Color()));
}

void TEditor::DrawSelectedWrapMark(int x, int y) {
    if (x >= leftMargin_)
        DrawWrapAngle(Canvas(), x, y, colWidth_, fontHeight_, SelectedMarkColor());
}

void TEditor::DrawHideMark(int x, int y) {
    if (x >= leftMargin_)
        DrawHideAngle(Canvas(), x, y, colWidth_, fontHeight_,
                      ColorOr(marks_->HideMark()->Color(), font_->Color()));
}

void TEditor::DrawSelectedHideMark(int x, int y) {
    if (x >= leftMargin_)
        DrawHideAngle(Canvas(), x, y, colWidth_, fontHeight_, SelectedMarkColor());
}

TColor TEditor::SelectedMarkColor() const {
    return ColorOr(SelectionColors()->Color(), color_);
}

// ---- The caret row's underline -------------------------------------------------------------

int TEditor::UnderlinePos(int row) const {
    int y = topMargin_ + (row - topRow_) * rowHeight_ + fontHeight_;
    return y < topMargin_ || y >= ClientHeight() ? -1 : y;
}

void TEditor::DrawUnderline(int row) {
    if (marks_->Underline()->Visible())
        DrawUnderlineIn(row, ColorOr(marks_->Underline()->Color(), font_->Color()));
}

void TEditor::EraseUnderline(int row) {
    if (marks_->Underline()->Visible())
        DrawUnderlineIn(row, color_);
}

void TEditor::DrawUnderlineIn(int row, TColor color) {
    int y = UnderlinePos(row);
    if (y < 0)
        return;
    const TRect line = Rect(leftMargin_, y, ClientWidth(), y + 1);
    if (!Showing()) {
        InvalidateRect(line);
        return;
    }
    Canvas()->Line(leftMargin_, y, ClientWidth(), y, color);
    RefreshScreen(line);
}

void TEditor::BeginUnderlineUpdate() {
    if (underlineUpdateCount_++ == 0 && !HasSelectionOrHit())
        EraseUnderline(row_);
}

void TEditor::EndUnderlineUpdate() {
    if (underlineUpdateCount_ == 0)
        return;
    if (--underlineUpdateCount_ == 0 && !HasSelectionOrHit())
        DrawUnderline(row_);
}

bool TEditor::HasSelectionOrHit() const {
    return selState_ == TEditorSelectionState::Selected || selState_ == TEditorSelectionState::Hit;
}

} // namespace kes
