#include "textmodel/TEditorMargin.h"

#include <algorithm>

namespace kes {

namespace {

int ClampMargin(int value) {
    return std::clamp(value, 0, 100);
}

} // namespace

void TEditorMargin::SetCharacter(int value) {
    SetProperty(character_, ClampMargin(value));
}
void TEditorMargin::SetLeft(int value) {
    SetProperty(left_, ClampMargin(value));
}
void TEditorMargin::SetLine(int value) {
    SetProperty(line_, ClampMargin(value));
}
void TEditorMargin::SetTop(int value) {
    SetProperty(top_, ClampMargin(value));
}

void TEditorMargin::Assign(TPersistent* source) {
    auto* margin = dynamic_cast<TEditorMargin*>(source);
    if (!margin) {
        TNotifyPersistent::Assign(source);
        return;
    }
    BeginUpdate();
    character_ = margin->character_;
    left_ = margin->left_;
    line_ = margin->line_;
    top_ = margin->top_;
    underlineSpacing_ = margin->underlineSpacing_;
    EndUpdate();
}

} // namespace kes
