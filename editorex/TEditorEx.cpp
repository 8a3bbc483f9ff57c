#include "editorex/TEditorEx.h"

#include "editorex/TBracketDepths.h"
#include "editorex/TEditorExMarks.h"
#include "editorex/TVerticalLines.h"
#include "textmodel/TEditorScreenStrings.h"
#include "toolkit/core/Cp932.h"

#include <algorithm>

namespace kes {

// The find search asks the editor for character classes, so a descendant's classes decide
// whole words.
class TEditorEx::TEditorLineSearch : public TLineSearch {
public:
    explicit TEditorLineSearch(const TEditorEx& editor) : editor_(editor) {}
    char CharClass(const std::string& text, int position) const override {
        return editor_.CharClass(text, position);
    }

private:
    const TEditorEx& editor_;
};

TEditorEx::TEditorEx(QWidget* parent)
    : TOleddEditor(parent), exMarks_(CreateExMarks()),
      search_(std::make_unique<TEditorLineSearch>(*this)),
      verticalLines_(std::make_unique<TVerticalLines>(this)),
      bracketDepths_(std::make_unique<TBracketDepths>()) {
    // Selections are dragged through the desktop's drag and drop.
    Caret()->SetSelDragMode(dmManual);
}

TEditorEx::~TEditorEx() {
    searchList_.clear();
}

std::unique_ptr<TEditorExMarks> TEditorEx::CreateExMarks() {
    auto marks = std::make_unique<TEditorExMarks>();
    marks->OnChange = MethodOf<&TEditorEx::OptionsChanged>(this);
    return marks;
}

void TEditorEx::SetExMarks(TEditorExMarks* value) {
    exMarks_->Assign(value);
}

void TEditorEx::SetVerticalLines(TVerticalLines* value) {
    verticalLines_->Assign(value);
}

char TEditorEx::CharClass(const std::string& text, int position) const {
    return search_->TLineSearch::CharClass(text, position);
}

// ---- Rows and columns ----------------------------------------------------------------------

int TEditorEx::ColToCharIndex(int row, int column) const {
    if (row < 0 || row > ListCount() || column < 0)
        return -1;
    const std::string text = ListString(row);
    const std::string attributes = StrToAttributes(text);
    int c = column;
    if (c < static_cast<int>(attributes.size())) {
        if (attributes[static_cast<size_t>(c)] == '5')
            --c;
        while (c > 0 && attributes[static_cast<size_t>(c)] == '3')
            --c;
    }
    const auto padding = std::count(
        attributes.begin(), attributes.begin() + std::min<size_t>(c, attributes.size()), '3');
    return std::min(c - static_cast<int>(padding), static_cast<int>(text.size()));
}

int TEditorEx::FirstRowOfLine(int row) const {
    if (row < 0 || row > ListCount())
        return row;
    while (row > 0 && ListRow(row - 1) == raContinued)
        --row;
    return row;
}

int TEditorEx::LastRowOfLine(int row) const {
    if (row < 0 || row > ListCount())
        return row;
    while (ListRow(row) == raContinued)
        ++row;
    return row;
}

// ---- Brackets ------------------------------------------------------------------------------

bool TEditorEx::FindParen(int row, int position) {
    openParen_.text.clear();
    closeParen_.text.clear();
    if (row < 0 || row >= ListCount())
        return false;
    const std::string_view t = ScreenStrings().View(row);
    size_t i = static_cast<size_t>(std::max(position, 1) - 1);
    if (i >= t.size())
        return false;
    if (IsSecondByte(t, i))
        --i;
    const std::string_view c = t.substr(i, CharLength(t, i));
    for (size_t pair = 0; pair < BracketPairs.size(); ++pair) {
        const bool opener = c == BracketPairs[pair].open;
        if (!opener && c != BracketPairs[pair].close)
            continue;
        TParenInfo& own = opener ? openParen_ : closeParen_;
        TParenInfo& partner = opener ? closeParen_ : openParen_;
        own = {row, static_cast<int>(i) + 1, std::string(c)};
        const std::optional<TBracketDepths::TPosition> found = bracketDepths_->FindPartner(
            ScreenStrings(), static_cast<int>(pair), opener, row, static_cast<int>(i));
        if (!found)
            return false;
        partner = {found->row, found->index + 1,
                   std::string(opener ? BracketPairs[pair].close : BracketPairs[pair].open)};
        return true;
    }
    return false;
}

// ---- Changes of the rows -------------------------------------------------------------------

void TEditorEx::DoChange() {
    // A single edit is reported exactly; the edits inside an update of Lines, or made through
    // another editor's Lines on shared rows, are reported by their last one only.
    bracketDepths_->RowsChanged(ScreenStrings(),
                                ScreenStrings().EditorCount() == 1 && !linesUpdated_);
    linesUpdated_ = false;
    TOleddEditor::DoChange();
}

void TEditorEx::SetLinesUpdating(bool updating) {
    if (updating)
        linesUpdated_ = true;
    TOleddEditor::SetLinesUpdating(updating);
}

// ---- Caret moves and double clicks ---------------------------------------------------------

void TEditorEx::DoCaretMoved() {
    TOleddEditor::DoCaretMoved();
    if (exMarks_->CurrentLine()->Visible() && lastCurrentLineRow_ != Row()) {
        InvalidateRow(lastCurrentLineRow_);
        InvalidateRow(Row());
        lastCurrentLineRow_ = Row();
    }
    if (!exMarks_->ParenMark()->Visible())
        return;
    const bool wasFound = parenFound_;
    const int oldOpen = openParen_.row;
    const int oldClose = closeParen_.row;
    const int p = ColToCharIndex(Row(), Col()) + 1;
    parenFound_ = FindParen(Row(), p) || FindParen(Row(), p - 1);
    if (wasFound) {
        InvalidateRow(oldOpen);
        if (oldClose != oldOpen)
            InvalidateRow(oldClose);
    }
    if (parenFound_) {
        InvalidateRow(openParen_.row);
        if (closeParen_.row != openParen_.row)
            InvalidateRow(closeParen_.row);
    }
}

void TEditorEx::DoubleClick(QMouseEvent* event) {
    TOleddEditor::DoubleClick(event);
    SelectWordAtCaret();
}

} // namespace kes
