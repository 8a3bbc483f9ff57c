#include "textmodel/THeadlessEditor.h"

#include "textmodel/TCharAttributes.h"
#include "textmodel/TEditorScreenStrings.h"
#include "textmodel/TEditorStrings.h"
#include "textmodel/TEditorWrapOption.h"

#include <algorithm>

namespace kes {

THeadlessEditor::THeadlessEditor()
    : rows_(new TEditorScreenStrings()), lines_(std::make_unique<TEditorStrings>(*this)) {
    rows_->AddEditor(this);
}

// The rows go with their last editor.
THeadlessEditor::~THeadlessEditor() {
    rows_->RemoveEditor(this);
}

void THeadlessEditor::SetTabSpaceCount(int value) {
    tabSpaceCount_ = std::clamp(value, 2, 8) / 2 * 2;
}

void THeadlessEditor::SetRow(int row) {
    row_ = std::clamp(row, 0, rows_->MaxRow());
}
void THeadlessEditor::SetCol(int col) {
    col_ = std::clamp(col, 0, 1000);
}
void THeadlessEditor::SetTopRow(int row) {
    topRow_ = std::clamp(row, 0, rows_->MaxRow());
}

const TCharAttributes& THeadlessEditor::Rule() const {
    rule_.tabSpaceCount = tabSpaceCount_;
    rule_.wordWrap = rows_->WordWrap();
    rule_.wrapByte = rows_->WrapOption().WrapByte();
    return rule_;
}

void THeadlessEditor::StrToAttributes(std::string_view text, std::string& attributes) const {
    Rule().Build(text, attributes);
}

int THeadlessEditor::DisplayWidth(std::string_view text) const {
    return Rule().Width(text);
}

bool THeadlessEditor::WordWrap() const {
    return rows_->WordWrap();
}

} // namespace kes
