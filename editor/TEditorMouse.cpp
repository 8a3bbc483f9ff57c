#include "editor/TEditor.h"

#include "fountain/TFountain.h"
#include "fountain/TFountainParser.h"
#include "textmodel/TEditorCursors.h"
#include "textmodel/TEditorScreenStrings.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include <algorithm>
#include <cstdlib>
#include <optional>

namespace kes {

namespace {

// The tokenizer without a colouring scheme: the base rules, no brackets, no reserved words.
class TPlainTokenParser final : public TFountainParser {
public:
    using TFountainParser::TFountainParser;
    TFountainColor* TokenColor() override { return nullptr; }
};

class TPlainFountain final : public TFountain {
public:
    TPlainFountain() : TFountain(nullptr) {}

protected:
    TFountainParserClass GetParserClass() override {
        return [](TFountain* fountain) -> std::unique_ptr<TFountainParser> {
            return std::make_unique<TPlainTokenParser>(fountain);
        };
    }
};

TFountain& PlainFountain() {
    static TPlainFountain fountain;
    return fountain;
}

// Where a scroll bar's request takes the first visible row or column, within 0..end.
int ScrollTarget(TScrollCode code, int current, int page, int end, int position) {
    int target = current;
    switch (code) {
    case scLineUp:
        target = current - 1;
        break;
    case scLineDown:
        target = current + 1;
        break;
    case scPageUp:
        target = current - page;
        break;
    case scPageDown:
        target = current + page;
        break;
    case scTop:
        target = 0;
        break;
    case scBottom:
        target = end;
        break;
    case scTrack:
        target = position;
        break;
    }
    return std::clamp(target, 0, end);
}

} // namespace

// ---- positions under the pointer

void TEditor::PointToCell(int x, int y, bool rounded, int& row, int& col) const {
    row = (y - topMargin_) / std::max(1, rowHeight_) + topRow_;
    if (colWidth_ <= 0) {
        col = 0;
        return;
    }
    // The margin left of the text is one column wide for the caret: it maps to column 0.
    if (x < leftMargin_)
        x -= colWidth_ - 1;
    if (rounded)
        x += colWidth_ / 2;
    col = std::max(0, (x - leftMargin_) / colWidth_ + topCol_);
}

void TEditor::DropPointCell(int x, int y, int& row, int& col) const {
    PointToCell(x, y, false, row, col);
    if (y < topMargin_)
        row = std::max(0, row - 1);
}

bool TEditor::PosToRowIndex(TPoint pos, int& row, int& index) const {
    if (TextEmpty() || colWidth_ <= 0 || pos.X < leftMargin_ || pos.Y < topMargin_)
        return false;
    int r = 0;
    int col = 0;
    PointToCell(pos.X, pos.Y, true, r, col);
    if (r >= ListCount())
        return false;
    row = r;
    const std::string attributes = StrToAttributes(ListString(r));
    if (col >= static_cast<int>(attributes.size()))
        return false;
    // A trail byte belongs to its character, a padding column to its tab.
    while (col > 0 && (attributes[col] == '5' || attributes[col] == '3'))
        --col;
    index = col - static_cast<int>(std::count(attributes.begin(), attributes.begin() + col, '3'));
    return true;
}

TPoint TEditor::CaretPoint() const {
    return {ColLeft(col_), RowTop(row_)};
}

// ---- tokens under a point

std::optional<TEditor::TTokenHit> TEditor::TokenHitAt(TPoint pos, bool useFountain,
                                                      bool useState) const {
    int row = 0;
    int index = 0;
    if (!PosToRowIndex(pos, row, index))
        return std::nullopt;
    // The whole logical line, and the offset of the point in it.
    const int first = RowStart(row);
    std::string line;
    int offset = index;
    for (int r = first; r < ListCount(); ++r) {
        if (r < row)
            offset += static_cast<int>(RowView(r).size());
        line += RowView(r);
        if (ListRow(r) != raContinued)
            break;
    }
    TFountain* fountain = useFountain ? ActiveFountain() : nullptr;
    std::unique_ptr<TFountainParser> parser =
        fountain ? fountain->CreateParser() : PlainFountain().CreateParser();
    TRowAttributeData data = TRowAttributeData::SingleRow();
    if (fountain) {
        TEditorScreenStrings& rows = ScreenStrings();
        if (!rows.ParseStateComputed(first))
            rows.UpdateParseState(first, false);
        data = rows.RowData(first);
        if (!useState)
            data.BracketIndex = -2;
    }
    parser->NewData(line, data);
    for (TTokenKind kind = parser->NextToken(); kind != ttEnd; kind = parser->NextToken()) {
        const int start = parser->SourcePos();
        if (offset >= start && offset < start + parser->TokenLength())
            return TTokenHit{first, start, kind, parser->TokenString()};
    }
    return std::nullopt;
}

std::string TEditor::TokenAtPos(TPoint pos, bool useFountain, bool useState,
                                TTokenKind& kind) const {
    const std::optional<TTokenHit> hit = TokenHitAt(pos, useFountain, useState);
    kind = hit ? hit->kind : ttEnd;
    return hit ? hit->text : std::string();
}

void TEditor::SelectTokenAtPos(TPoint pos, bool useFountain, bool useState) {
    const std::optional<TTokenHit> hit = TokenHitAt(pos, useFountain, useState);
    if (!hit)
        return;
    CleanSelection();
    PlaceCaretAtOffset(hit->firstRow, hit->start);
    SetSelLength(static_cast<int>(hit->text.size()));
}

TTokenKind TEditor::TokenKindAtPos(TPoint pos) const {
    TTokenKind kind = ttEnd;
    TokenAtPos(pos, true, false, kind);
    return kind;
}

std::string TEditor::TokenTextAtPos(TPoint pos) const {
    TTokenKind kind = ttEnd;
    return TokenAtPos(pos, true, false, kind);
}

TTokenKind TEditor::TokenKindAtCaret() const {
    return TokenKindAtPos(CaretPoint());
}

std::string TEditor::TokenTextAtCaret() const {
    return TokenTextAtPos(CaretPoint());
}

void TEditor::SelectWordAtCaret() {
    SelectTokenAtPos(CaretPoint(), true, false);
}

// ---- dragging a selection to a drop point

void TEditor::CopySelectionTo(int row, int col) {
    if (!CanSelDrag() || IsInSelection(row, col)) {
        CleanSelection();
        return;
    }
    const std::string text = SelText();
    CleanSelection();
    SetRowCol(row, col);
    SetSelText(text);
}

void TEditor::MoveSelectionTo(int row, int col) {
    if (!CanSelDrag() || IsInSelection(row, col)) {
        CleanSelection();
        return;
    }
    row = std::clamp(row, 0, ListCount());
    // The rows from the earlier to the later of the two places, rebuilt as one text with the
    // selected bytes taken out and put in at the drop point.
    const int first = std::min(sel_.startRow, row);
    const int last = std::min(std::max(sel_.endRow, row), ListCount() - 1);
    const int count = RowsToReplace(first, last);
    std::string text = list_->GetRowsText(first, count).text;
    const int selStart = RowsLength(first, sel_.startRow) + sel_.startIndex;
    const int selEnd = RowsLength(first, sel_.endRow) + sel_.endIndex + 1;
    const int dropIndex = ColToIndex(row, col);
    const int rowLength = static_cast<int>(RowView(row).size());
    const int drop = RowsLength(first, row) + std::min(dropIndex, rowLength);
    // A drop point beyond the end of its row reaches it by spaces.
    const std::string moved =
        std::string(static_cast<size_t>(std::max(0, dropIndex - rowLength)), ' ') +
        text.substr(static_cast<size_t>(selStart), static_cast<size_t>(selEnd - selStart));
    const int pieceLength = selEnd - selStart;
    int caret = 0;
    if (drop <= selStart) {
        text.erase(static_cast<size_t>(selStart), static_cast<size_t>(pieceLength));
        text.insert(static_cast<size_t>(drop), moved);
        caret = drop + static_cast<int>(moved.size());
    } else {
        text.insert(static_cast<size_t>(drop), moved);
        text.erase(static_cast<size_t>(selStart), static_cast<size_t>(pieceLength));
        caret = drop - pieceLength + static_cast<int>(moved.size());
    }
    const int anchor = EditAnchorRow(first);
    const int offset = CharOffset(anchor, first, 0) + caret;
    CleanSelection();
    ReplaceRows(first, count, text, anchor, offset);
}

// ---- the pointer's cursor

void TEditor::SetCursorKind(TEditorCursorKind kind) {
    if (!caret_->AutoCursor() || kind == cursorKind_)
        return;
    cursorKind_ = kind;
    const TEditorCursors* cursors = caret_->Cursors();
    switch (kind) {
    case TEditorCursorKind::Default:
        SetCursorId(cursors->DefaultCursor());
        break;
    case TEditorCursorKind::LeftMargin:
        SetCursorId(cursors->LeftMarginCursor());
        break;
    case TEditorCursorKind::TopMargin:
        SetCursorId(cursors->TopMarginCursor());
        break;
    case TEditorCursorKind::InSelection:
        SetCursorId(cursors->InSelCursor());
        break;
    case TEditorCursorKind::DragMove:
        SetCursorId(cursors->DragSelCursor());
        break;
    case TEditorCursorKind::DragCopy:
        SetCursorId(cursors->DragSelCopyCursor());
        break;
    case TEditorCursorKind::Link:
        SetCursorId(crHandPoint);
        break;
    }
}

TEditorCursorKind TEditor::CursorKindAt(int x, int y) const {
    if (x < leftMargin_)
        return TEditorCursorKind::LeftMargin;
    if (y < topMargin_)
        return TEditorCursorKind::TopMargin;
    int row = 0;
    int col = 0;
    PointToCell(x, y, true, row, col);
    if (CanSelDrag() && IsInSelection(row, col))
        return TEditorCursorKind::InSelection;
    return TEditorCursorKind::Default;
}

// ---- buttons

bool TEditor::AwayFromPress(QPoint p) const {
    const int half = colWidth_ / 2;
    return std::abs(p.x() - pressPoint_.x()) >= half || std::abs(p.y() - pressPoint_.y()) >= half;
}

void TEditor::MouseDown(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        LeftButtonDown(event);
}

void TEditor::LeftButtonDown(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    buttonHeld_ = true;
    int row = 0;
    int col = 0;
    if (event->modifiers() & Qt::ShiftModifier) {
        if (!HasSelection())
            StartSelection();
        PointToCell(p.x(), p.y(), true, row, col);
        SetRowCol(row, col);
        ExtendSelection();
        return;
    }
    pressPoint_ = p;
    PointToCell(p.x(), p.y(), false, row, col);
    if (CanSelDrag() && p.x() >= leftMargin_ && IsInSelection(row, col)) {
        SetRowCol(row, col);
        if (caret_->SelDragMode() == dmAutomatic) {
            buttonHeld_ = false;
            dragState_ = TEditorDragState::Pending;
        }
        return;
    }
    PointToCell(p.x(), p.y(), true, row, col);
    if (p.x() < leftMargin_ && caret_->RowSelect()) {
        StartRowSelection(row);
        return;
    }
    WithCaretHidden([&] {
        SetRowCol(row, col);
        StartSelection();
    });
}

void TEditor::DoubleClick(QMouseEvent* event) {
    // The second press of a double click places nothing, but the button is held again: a
    // drag from there goes on from the first press.
    if (event->button() == Qt::LeftButton)
        buttonHeld_ = true;
    TCustomControl::DoubleClick(event);
}

void TEditor::MouseMove(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    int row = 0;
    int col = 0;
    if (buttonHeld_ && (event->buttons() & Qt::LeftButton)) {
        // Held above the text, each move goes one row further up.
        PointToCell(p.x(), p.y(), true, row, col);
        if (p.y() < topMargin_)
            row = std::max(0, row - 1);
        if (rowSel_.active) {
            MoveRowSelection(row);
            return;
        }
        SetRowCol(row, col);
        if (HasSelection())
            UpdateSelection();
        else if (AwayFromPress(p))
            ActivateSelection();
        return;
    }
    if (dragState_ == TEditorDragState::Pending && AwayFromPress(p)) {
        dragState_ = TEditorDragState::Dragging;
        SetCursorKind(event->modifiers() & Qt::ControlModifier ? TEditorCursorKind::DragCopy
                                                               : TEditorCursorKind::DragMove);
    }
    if (dragState_ == TEditorDragState::Dragging) {
        // The caret follows the pointer and marks where the selection goes.
        DropPointCell(p.x(), p.y(), row, col);
        SetRowCol(row, col);
        return;
    }
    if (dragState_ == TEditorDragState::None && !(event->buttons() & Qt::LeftButton))
        SetCursorKind(CursorKindAt(p.x(), p.y()));
}

void TEditor::MouseUp(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    buttonHeld_ = false;
    const QPoint p = event->position().toPoint();
    if (dragState_ == TEditorDragState::Dragging) {
        dragState_ = TEditorDragState::None;
        SetCursorKind(CursorKindAt(p.x(), p.y()));
        if (!viewport()->rect().contains(p) || IsInSelection(row_, col_))
            CleanSelection();
        else if (event->modifiers() & Qt::ControlModifier)
            CopySelectionTo(row_, col_);
        else
            MoveSelectionTo(row_, col_);
        return;
    }
    if (dragState_ == TEditorDragState::Pending) {
        CancelDrag();
        return;
    }
    if (rowSel_.active)
        EndRowSelection();
}

void TEditor::CancelDrag() {
    dragState_ = TEditorDragState::None;
    buttonHeld_ = false;
    SetCursorKind(TEditorCursorKind::Default);
    CleanSelection();
}

bool TEditor::DragKey(QKeyEvent* event, bool pressed) {
    if (dragState_ == TEditorDragState::None)
        return false;
    switch (event->key()) {
    case Qt::Key_Control:
        if (dragState_ == TEditorDragState::Dragging)
            SetCursorKind(pressed ? TEditorCursorKind::DragCopy : TEditorCursorKind::DragMove);
        return true;
    case Qt::Key_Escape:
        if (pressed)
            CancelDrag();
        return true;
    default:
        return false;
    }
}

// ---- scroll bars

void TEditor::ScrollRequest(Qt::Orientation orientation, TScrollCode code, int position) {
    if (orientation == Qt::Horizontal) {
        const int limit = colCount_ / 2 + MaxCol;
        SetTopCol(ScrollTarget(code, topCol_, std::max(1, colCount_), limit, position));
        UpdateScrollBars();
        return;
    }
    const int old = topRow_;
    SetTopRow(ScrollTarget(code, topRow_, std::max(1, rowCount_), maxTopRow_, position));
    UpdateScrollBars();
    if (caret_->LockScroll() && topRow_ != old)
        SetRow(row_ + topRow_ - old);
}

} // namespace kes
