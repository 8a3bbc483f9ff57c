#include "editor/TEditor.h"

#include "textmodel/TEditorScreenStrings.h"
#include "textmodel/TEditorStrings.h"
#include "textmodel/TEditorUndoObj.h"
#include "toolkit/gui/TClipboard.h"

#include <algorithm>

namespace kes {

namespace {

// Floor division, so that a point above or left of the text counts as the row or column
// before it.
int FloorDiv(int a, int b) {
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

} // namespace

void TEditor::GetSelection(int& start, int& end) const {
    start = SelStart();
    end = start + SelLength();
}

void TEditor::SetSelection(int start, int end) {
    if (start == 0 && end == -1) {
        SelectAll();
    } else if (start == -1) {
        CleanSelection();
    } else {
        // Offsets from outside may be anything: both ends are held inside the text, so the
        // length cannot overflow.
        const int length = GetTextLength();
        const int a = std::clamp(std::min(start, end), 0, length);
        const int b = std::clamp(std::max(start, end), 0, length);
        SetSelStart(a);
        SetSelLength(b - a);
    }
}

int TEditor::GetLineCount() const {
    return ListCount();
}

int TEditor::LineIndex(int row) const {
    if (row == -1)
        row = row_;
    if (row < 0 || row >= ListCount())
        return -1;
    return CharOffset(0, row, 0);
}

int TEditor::LineLength(int offset) const {
    if (offset == -1) {
        if (Selected())
            return sel_.startIndex + static_cast<int>(ListString(sel_.endRow).size()) -
                   sel_.endIndex - 1;
        return static_cast<int>(ListString(row_).size());
    }
    int index = 0;
    return static_cast<int>(ListString(RowOfOffset(0, offset, index)).size());
}

int TEditor::LineFromChar(int offset) const {
    if (offset == -1)
        return Selected() ? sel_.startRow : row_;
    int index = 0;
    return RowOfOffset(0, offset, index);
}

std::string TEditor::GetLine(int row, int bufferSize) const {
    if (row < 0 || row >= ListCount() || bufferSize <= 0)
        return {};
    return ListString(row).substr(0, static_cast<size_t>(bufferSize));
}

void TEditor::ReplaceSelection(std::string_view text) {
    if (!readOnly_)
        SetSelText(text);
}

void TEditor::ScrollCaret() {
    if (row_ < topRow_ || row_ > topRow_ + rowCount_ - 1)
        SetTopRow(row_ - rowCount_ / 3);
    if (col_ < topCol_ || col_ > topCol_ + colCount_ - 1)
        SetTopCol(col_ - colCount_ / 3);
}

void TEditor::SetModifiedRequest(bool value) {
    if (!readOnly_)
        modified_ = value;
}

bool TEditor::CanUndoRequest() const {
    return !readOnly_ && CanUndo();
}

bool TEditor::UndoRequest() {
    if (!CanUndoRequest())
        return false;
    Undo();
    return true;
}

void TEditor::EmptyUndoBuffer() {
    if (!readOnly_)
        list_->UndoObj().Clear();
}

bool TEditor::CharFromPos(int x, int y, int& offset, int& row) const {
    if (x < 0 || y < 0 || x >= ClientWidth() || y >= ClientHeight())
        return false;
    row =
        std::clamp(topRow_ + FloorDiv(y - topMargin_, rowHeight_), 0, std::max(0, ListCount() - 1));
    // The point belongs to the nearer column boundary; a trail byte to its character.
    int col = topCol_ + FloorDiv(x - leftMargin_ + colWidth_ / 2, colWidth_);
    col = std::clamp(col, 0, RowWidth(row));
    const std::string attributes = StrToAttributes(ListString(row));
    if (col > 0 && col < static_cast<int>(attributes.size()) &&
        attributes[static_cast<size_t>(col)] == '5')
        --col;
    offset = CharOffset(0, row, col);
    return true;
}

void TEditor::PosFromChar(int offset, int& x, int& y) const {
    int index = 0;
    const int row = RowOfOffset(0, offset, index);
    x = ColLeft(IndexToCol(row, index));
    y = RowTop(row);
}

void TEditor::CutRequest() {
    if (Selected() && !readOnly_)
        CutToClipboard();
    else
        TClipboard::SetText({});
}

void TEditor::CopyRequest() {
    if (Selected())
        CopyToClipboard();
    else
        TClipboard::SetText({});
}

void TEditor::PasteRequest() {
    if (!readOnly_)
        PasteFromClipboard();
}

void TEditor::ClearRequest() {
    if (!readOnly_)
        DeleteSelection();
}

std::string TEditor::GetText() const {
    const int count = ListCount();
    return count == 0 ? std::string() : list_->GetRowsText(0, count).text;
}

int TEditor::GetTextLength() const {
    // The rows' lengths count one byte after a last row without a line break.
    const int count = ListCount();
    return count == 0 ? 0 : RowsLength(0, count) - (ListRow(count - 1) == raTextEnd ? 1 : 0);
}

void TEditor::SetText(std::string_view text) {
    if (!readOnly_)
        lines_->SetTextStr(text);
}

} // namespace kes
