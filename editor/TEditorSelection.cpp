#include "editor/TEditor.h"

#include "textmodel/TEditorScreenStrings.h"

#include <algorithm>

namespace kes {

namespace {

char AttributeAt(std::string_view attributes, int col) {
    return col >= 0 && col < static_cast<int>(attributes.size()) ? attributes[col] : '\0';
}

constexpr std::string_view CrLf = "\r\n";

} // namespace

// ---- state

bool TEditor::HasSelection() const {
    return selState_ == TEditorSelectionState::Selected || selState_ == TEditorSelectionState::Hit;
}

bool TEditor::TextEmpty() const {
    const int count = ListCount();
    return count == 0 ||
           (count == 1 && list_->View(0).empty() && list_->RowAttributes(0) == raTextEnd);
}

bool TEditor::SelectionPainted() const {
    return selState_ == TEditorSelectionState::Selected ||
           (selState_ == TEditorSelectionState::Hit && hitStyle_ == hsDraw);
}

int TEditor::ClampedCaretIndex() const {
    return std::min(CaretIndex(), static_cast<int>(ListString(row_).size()));
}

void TEditor::SetSelectionAnchor(int row, int col) {
    const std::string text = ListString(row);
    sel_.anchorRow = row;
    sel_.anchorIndex = std::min(ColToIndex(row, col), static_cast<int>(text.size()));
    sel_.anchorCol = selectionMode_ == smBox ? col : std::min(col, DisplayWidth(text));
}

void TEditor::StartSelection() {
    if (HasSelection())
        CleanSelection();
    if (TextEmpty())
        return;
    selState_ = TEditorSelectionState::Anchored;
    SetSelectionAnchor(row_, col_);
    sel_.startRow = sel_.endRow = sel_.anchorRow;
    sel_.startIndex = sel_.anchorIndex;
    sel_.endIndex = sel_.anchorIndex - 1;
    sel_.startCol = sel_.endCol = sel_.anchorCol;
    sel_.paintedStartRow = sel_.paintedEndRow = sel_.anchorRow;
    sel_.paintedStartCol = sel_.paintedEndCol = sel_.anchorCol;
}

void TEditor::ActivateSelection() {
    if (selState_ != TEditorSelectionState::Anchored)
        return;
    BeginUnderlineUpdate();
    selState_ = nextSelectionIsHit_ ? TEditorSelectionState::Hit : TEditorSelectionState::Selected;
    UpdateSelection();
}

void TEditor::ExtendSelection() {
    if (selState_ == TEditorSelectionState::Anchored)
        ActivateSelection();
    else if (HasSelection())
        UpdateSelection();
}

void TEditor::ComputeSelectionRange() {
    const int caretIndex = ClampedCaretIndex();
    const bool anchorFirst =
        sel_.anchorRow < row_ || (sel_.anchorRow == row_ && sel_.anchorIndex <= caretIndex);
    sel_.startRow = std::min(sel_.anchorRow, row_);
    sel_.endRow = std::max(sel_.anchorRow, row_);
    sel_.startIndex = anchorFirst ? sel_.anchorIndex : caretIndex;
    sel_.endIndex = (anchorFirst ? caretIndex : sel_.anchorIndex) - 1;
    if (selectionMode_ == smBox) {
        sel_.startCol = std::min(sel_.anchorCol, col_);
        sel_.endCol = std::max(sel_.anchorCol, col_);
        return;
    }
    const int anchorCol = std::min(sel_.anchorCol, RowWidth(sel_.anchorRow));
    const int caretCol = std::min(col_, RowWidth(row_));
    if (sel_.anchorRow == row_) {
        sel_.startCol = std::min(anchorCol, caretCol);
        sel_.endCol = std::max(anchorCol, caretCol);
    } else {
        sel_.startCol = anchorFirst ? anchorCol : caretCol;
        sel_.endCol = anchorFirst ? caretCol : anchorCol;
    }
}

void TEditor::UpdateSelection() {
    if (!HasSelection())
        return;
    ComputeSelectionRange();
    if (SelectionPainted())
        RepaintSelectionChange();
    sel_.paintedStartRow = sel_.startRow;
    sel_.paintedEndRow = sel_.endRow;
    sel_.paintedStartCol = sel_.startCol;
    sel_.paintedEndCol = sel_.endCol;
    DoSelectionChange(true);
}

// The rows whose cells changed their selected state between the painted range and the new
// one: only the rows between the ends that moved, or both ranges when a box changed its
// sides (that touches every row of it).
void TEditor::RepaintSelectionChange() {
    const bool startMoved =
        sel_.paintedStartRow != sel_.startRow || sel_.paintedStartCol != sel_.startCol;
    const bool endMoved = sel_.paintedEndRow != sel_.endRow || sel_.paintedEndCol != sel_.endCol;
    int first = 0;
    int last = -1;
    if (selectionMode_ == smBox &&
        (sel_.paintedStartCol != sel_.startCol || sel_.paintedEndCol != sel_.endCol)) {
        first = std::min(sel_.paintedStartRow, sel_.startRow);
        last = std::max(sel_.paintedEndRow, sel_.endRow);
    } else if (startMoved && endMoved) {
        first = std::min(sel_.paintedStartRow, sel_.startRow);
        last = std::max(sel_.paintedEndRow, sel_.endRow);
    } else if (startMoved) {
        first = std::min(sel_.paintedStartRow, sel_.startRow);
        last = std::max(sel_.paintedStartRow, sel_.startRow);
    } else if (endMoved) {
        first = std::min(sel_.paintedEndRow, sel_.endRow);
        last = std::max(sel_.paintedEndRow, sel_.endRow);
    }
    first = std::max(first, topRow_);
    last = std::min(last, topRow_ + rowCount_);
    if (first <= last)
        PaintRowsNow(first, last);
}

void TEditor::CleanSelection() {
    if (!HasSelection())
        return;
    const bool hadBlock = HitCaretBlock();
    const bool empty =
        sel_.startRow == sel_.endRow &&
        (selectionMode_ == smBox ? sel_.startCol == sel_.endCol : sel_.startIndex > sel_.endIndex);
    selState_ = TEditorSelectionState::None;
    hitLength_ = 0;
    if (hadBlock)
        RenewCaret();
    if (!empty) {
        const int first = std::max(sel_.startRow - 1, topRow_);
        const int last = std::min(sel_.endRow, topRow_ + rowCount_);
        if (first <= last) {
            erasingSelection_ = true;
            WithCleanup([&] { PaintRowsNow(first, last); }, [this] { erasingSelection_ = false; });
        }
    }
    EndUnderlineUpdate();
    colRemembered_ = false;
    DoSelectionChange(false);
}

// ---- the selection as text

template <class Sink> void TEditor::ForEachSelectedPiece(Sink sink) const {
    auto piece = [&sink](std::string_view text, int from, int through) {
        const int size = static_cast<int>(text.size());
        from = std::clamp(from, 0, size);
        through = std::clamp(through + 1, from, size);
        sink(text.substr(static_cast<size_t>(from), static_cast<size_t>(through - from)));
    };
    if (sel_.startRow == sel_.endRow) {
        piece(RowView(sel_.startRow), sel_.startIndex, sel_.endIndex);
        return;
    }
    for (int r = sel_.startRow; r <= sel_.endRow && r < ListCount(); ++r) {
        std::string_view text = list_->View(r);
        if (selectionMode_ == smBox) {
            piece(text, StartIndex(text, sel_.startCol), EndIndex(text, sel_.endCol));
            sink(CrLf);
            continue;
        }
        const int from = r == sel_.startRow ? sel_.startIndex : 0;
        const int through = r == sel_.endRow ? sel_.endIndex : static_cast<int>(text.size()) - 1;
        piece(text, from, through);
        if (r != sel_.endRow && list_->RowAttributes(r) == raLineEnd)
            sink(CrLf);
    }
    // A box reaching the row after the last gives that row's (empty) part too.
    if (selectionMode_ == smBox)
        for (int r = std::max(ListCount(), sel_.startRow); r <= sel_.endRow; ++r)
            sink(CrLf);
}

std::string TEditor::SelText() const {
    std::string text;
    if (!Selected())
        return text;
    ForEachSelectedPiece([&text](std::string_view piece) { text.append(piece); });
    return text;
}

int TEditor::SelLength() const {
    if (!Selected())
        return 0;
    size_t length = 0;
    ForEachSelectedPiece([&length](std::string_view piece) { length += piece.size(); });
    return static_cast<int>(length);
}

int TEditor::SelStart() const {
    if (HasSelection())
        return RowsLength(0, sel_.startRow) + sel_.startIndex;
    return RowsLength(0, row_) + ClampedCaretIndex();
}

void TEditor::SetSelStart(int value) {
    if (HasSelection())
        CleanSelection();
    if (value <= 0)
        SetRowCol(0, 0);
    else
        PlaceCaretAtOffset(0, value);
}

void TEditor::SetSelLength(int value) {
    if (TextEmpty())
        return;
    // A box's start is its top-left corner; switching to a stream would make it the corner the
    // box was drawn from.
    const bool selected = HasSelection();
    const bool suppressed = suppressCaretUpdate_;
    const int startRow = sel_.startRow;
    const int startCol = sel_.startCol;
    if (selectionMode_ == smBox)
        SetSelectionMode(smLine);
    if (value <= 0) {
        if (selected) {
            SetRowCol(startRow, startCol);
            CleanSelection();
        }
        return;
    }
    WithCaretUpdatesSuppressed([&] {
        if (selected)
            SetRowCol(startRow, startCol);
        StartSelection();
        const int index = ClampedCaretIndex();
        PlaceCaretAtOffset(row_, value > INT_MAX - index ? INT_MAX : index + value);
    });
    if (!suppressed)
        CaretChanged();
    ExtendSelection();
}

void TEditor::SetSelectionMode(TEditorSelectionMode value) {
    if (value == selectionMode_)
        return;
    selectionMode_ = value;
    if (HasSelection()) {
        if (value == smBox)
            SetCursorId(caret_->Cursors()->DefaultCursor());
        // The anchor column is the caret's own in a box, the one within the row in a stream.
        if (value == smLine)
            sel_.anchorCol = std::min(sel_.anchorCol, RowWidth(sel_.anchorRow));
        ComputeSelectionRange();
        sel_.paintedStartRow = sel_.startRow;
        sel_.paintedEndRow = sel_.endRow;
        sel_.paintedStartCol = sel_.startCol;
        sel_.paintedEndCol = sel_.endCol;
        Invalidate();
    }
    DoSelectionModeChange();
}

bool TEditor::CanSelDrag() const {
    return !readOnly_ && Selected() && selectionMode_ == smLine && caret_->SelMove();
}

bool TEditor::IsInSelection(int row, int col) const {
    if (!Selected() || row < sel_.startRow || row > sel_.endRow)
        return false;
    if (selectionMode_ == smLine)
        return !(row == sel_.startRow && col < sel_.startCol) &&
               !(row == sel_.endRow && col >= sel_.endCol);
    // A box takes whole characters: a double-byte character or a tab cut by its left edge is
    // out, one cut by its right edge is in.
    const std::string attributes = StrToAttributes(ListString(row));
    int left = sel_.startCol;
    if (AttributeAt(attributes, left) == '5')
        ++left;
    while (AttributeAt(attributes, left) == '3')
        ++left;
    int right = sel_.endCol;
    if (right > left && AttributeAt(attributes, right - 1) == '4')
        ++right;
    while (right > left && AttributeAt(attributes, right) == '3')
        ++right;
    return col >= left && col < right;
}

TEditor::TRowsWithoutSelection TEditor::RowsWithoutSelection() const {
    TRowsWithoutSelection rest;
    if (!Selected())
        return rest;
    auto add = [&rest](std::string row, TRowAttribute attribute) {
        rest.text += row;
        if (attribute == raLineEnd)
            rest.text += CrLf;
        rest.rows.push_back(std::move(row));
        rest.attributes.push_back(attribute);
    };
    if (selectionMode_ == smLine) {
        std::string_view first = RowView(sel_.startRow);
        std::string_view last = RowView(sel_.endRow);
        const size_t head = std::min(static_cast<size_t>(sel_.startIndex), first.size());
        const size_t tail = std::min(static_cast<size_t>(sel_.endIndex + 1), last.size());
        rest.insertIndex = static_cast<int>(head);
        add(std::string(first.substr(0, head)) + std::string(last.substr(tail)),
            ListRow(sel_.endRow));
        return rest;
    }
    for (int r = sel_.startRow; r <= sel_.endRow; ++r) {
        const std::string text = ListString(r);
        const int from = StartIndex(text, sel_.startCol);
        const int through = EndIndex(text, sel_.endCol);
        const size_t size = text.size();
        const size_t head = std::min(static_cast<size_t>(std::max(from, 0)), size);
        const size_t tail = std::clamp(static_cast<size_t>(std::max(through + 1, 0)), head, size);
        rest.boxIndexes.push_back(from);
        add(text.substr(0, head) + text.substr(tail), ListRow(r));
    }
    return rest;
}

// ---- whole rows from the left margin

int TEditor::RowSelectionRow(int row) const {
    const int count = ListCount();
    const int r = std::clamp(row, 0, count);
    return r == count && count > 0 && list_->RowAttributes(count - 1) != raLineEnd ? count - 1 : r;
}

bool TEditor::LastRowWithoutBreak(int row) const {
    return row == ListCount() - 1 && list_->RowAttributes(row) == raTextEnd;
}

void TEditor::StartRowSelection(int row) {
    if (TextEmpty())
        return;
    const int r = RowSelectionRow(row);
    WithCaretHidden([&] {
        SetRowCol(r, 0);
        StartSelection();
        rowSel_.active = true;
        rowSel_.anchorRow = r;
        rowSel_.anchorIsLastRowWithoutBreak = LastRowWithoutBreak(r);
        MoveRowSelection(r);
        // The caret goes to the row's start; the selection stays as it is.
        SetRowCol(r, 0);
    });
}

void TEditor::MoveRowSelection(int row) {
    if (!rowSel_.active)
        return;
    const int q = RowSelectionRow(row);
    const int a = rowSel_.anchorRow;
    rowSel_.currentRow = q;
    if (q >= a) {
        SetSelectionAnchor(a, 0);
        if (LastRowWithoutBreak(q))
            SetRowCol(q, RowWidth(q));
        else
            SetRowCol(q + 1, 0);
    } else {
        if (rowSel_.anchorIsLastRowWithoutBreak)
            SetSelectionAnchor(a, RowWidth(a));
        else
            SetSelectionAnchor(a + 1, 0);
        SetRowCol(q, 0);
    }
    ExtendSelection();
}

void TEditor::EndRowSelection() {
    rowSel_.active = false;
}

} // namespace kes
