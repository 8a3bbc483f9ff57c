#include "editor/TEditor.h"

#include "editor/search/SearchRows.h"
#include "textmodel/TEditorScreenStrings.h"

namespace kes {

bool TEditor::Search(std::string_view pattern, TSearchOptions options) {
    if (TextEmpty())
        return false;
    // Down from the byte after the selection or hit, up from its start; else from the caret.
    int row = row_;
    int index = ClampedCaretIndex();
    if (HasSelection()) {
        const bool down = options.Contains(TSearchOption::SearchDown);
        row = down ? sel_.endRow : sel_.startRow;
        index = down ? sel_.endIndex + 1 : sel_.startIndex;
    }
    TSearchRows rows(*list_, pattern, options);
    TRowsMatch match;
    if (!rows.Find(row, index, match))
        return false;
    ShowMatch(match.Row, match.Offset, match.Length);
    return true;
}

void TEditor::ShowMatch(int fromRow, int offset, int length) {
    // The caret moves without scrolling, so that a match outside the view comes to stand at a
    // third of it, as the scroll-caret request places it.
    WithCaretUpdatesSuppressed([&] {
        CleanSelection();
        PlaceCaretAtOffset(fromRow, offset);
        ShowHit(length);
    });
    ScrollCaret();
    CaretChanged();
}

void TEditor::ShowHit(int length) {
    const bool suppressed = suppressCaretUpdate_;
    WithCaretUpdatesSuppressed([&] {
        nextSelectionIsHit_ = hitStyle_ == hsDraw || (hitStyle_ == hsCaret && length > 0);
        WithCleanup([&] { SetSelLength(length); }, [this] { nextSelectionIsHit_ = false; });
        if (selState_ != TEditorSelectionState::Hit)
            return;
        hitLength_ = length;
        // The block caret covers the hit from its start.
        if (hitStyle_ == hsCaret && Focused())
            SetRowCol(sel_.startRow, sel_.startCol);
    });
    if (!suppressed)
        CaretChanged();
}

} // namespace kes
