#include "editorex/TEditorEx.h"

#include "editorex/TEditorExMarks.h"
#include "editorex/TVerticalLines.h"

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
      verticalLines_(std::make_unique<TVerticalLines>(this)) {
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

bool TEditorEx::FindParen(int /*row*/, int /*position*/) {
    return false;
}

int TEditorEx::ColToCharIndex(int /*row*/, int /*column*/) const {
    return -1;
}

int TEditorEx::FirstRowOfLine(int row) const {
    return row;
}

int TEditorEx::LastRowOfLine(int row) const {
    return row;
}

void TEditorEx::DoCaretMoved() {
    TOleddEditor::DoCaretMoved();
}

void TEditorEx::DoubleClick(QMouseEvent* event) {
    TOleddEditor::DoubleClick(event);
}

} // namespace kes
