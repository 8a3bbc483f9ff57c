#include "editorex/TEditorEx.h"

#include "editorex/TEditorExMarks.h"
#include "editorex/TFindHighlighter.h"
#include "fountain/TFountainColor.h"
#include "textmodel/TEditorScreenStrings.h"

#include <algorithm>

namespace kes {

void TEditorEx::SetFindString(const std::string& value) {
    if (value == search_->FindString())
        return;
    search_->SetFindString(value);
    if (exMarks_->FindMark()->Visible())
        PaintNow(ClientRect());
}

void TEditorEx::SetExSearchOptions(TExSearchOptions value) {
    if (search_->SetExSearchOptions(value) && exMarks_->FindMark()->Visible())
        PaintNow(ClientRect());
}

void TEditorEx::SetFindHighlighter(TFindHighlighter* value) {
    findHighlighter_ = value;
    if (exMarks_->FindMark()->Visible())
        PaintNow(ClientRect());
}

int TEditorEx::FindInRow(int row) {
    searchList_.clear();
    const int first = WordWrap() ? FirstRowOfLine(row) : row;
    const int last = WordWrap() ? LastRowOfLine(row) : row;
    if (findHighlighter_) {
        findHighlighter_->FindInLine(*this, first, last, searchList_);
        return static_cast<int>(searchList_.size());
    }
    std::string line;
    for (int r = std::max(first, 0); r <= last && r < ListCount(); ++r)
        line += ScreenStrings().View(r);
    return search_->FindInLine(line, ListRow(last) != raTextEnd, searchList_);
}

void TEditorEx::DrawHit(const TRect& rect, int x, const std::string& text) {
    Drawing([&] {
        const TFountainColor* hit = exMarks_->Hit();
        DrawTextRun(x, rect.Top, rect, text, hit->Style(), ColorOr(hit->Color(), Font()->Color()),
                    ColorOr(hit->BkColor(), Color()), true);
    });
}

void TEditorEx::DrawFindMarks(const TRect& rect, int row, bool selected, std::string_view text,
                              const std::vector<int>& columns, int y, int x0, int limit) {
    try {
        FindInRow(row);
    } catch (...) {
        // A faulty pattern leaves this row without marks; the next row tries it again.
        return;
    }
    if (searchList_.empty())
        return;
    // Where the row lies in its logical line, 1-based.
    int rowStart = 1;
    if (WordWrap())
        for (int r = FirstRowOfLine(row); r < row; ++r)
            rowStart += static_cast<int>(ScreenStrings().View(r).size());
    const int rowEnd = rowStart + static_cast<int>(text.size());
    const int w = ColWidth();
    std::string expanded;
    if (!selected)
        expanded = ExpandTab(text);
    for (const TSearchInfo& match : searchList_) {
        int e = match.position;
        int f = e + match.length;
        if (!(rowStart < f && e < rowEnd))
            continue;
        e = std::max(e, rowStart);
        f = std::min(f, rowEnd);
        const int startCol = columns[static_cast<size_t>(e - rowStart)];
        const int endCol = columns[static_cast<size_t>(f - rowStart)];
        const int xs = x0 + w * startCol;
        int xl = xs;
        int xr = x0 + w * endCol;
        if (xs < rect.Left && rect.Left <= xr)
            xl = rect.Left;
        if (xl <= limit && limit < xr)
            xr = limit;
        if (xl < rect.Left || xr > limit)
            continue;
        if (!selected) {
            const auto from = std::min(static_cast<size_t>(startCol), expanded.size());
            DrawHit(Rect(xl, y, xr - 1, y + FontHeight()), xs,
                    expanded.substr(from, static_cast<size_t>(endCol - startCol)));
        }
        DrawFindMark(xl, xr, y);
    }
}

} // namespace kes
