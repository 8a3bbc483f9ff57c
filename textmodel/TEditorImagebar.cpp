#include "textmodel/TEditorImagebar.h"

#include <algorithm>

namespace kes {

namespace {

int ClampSize(int value) {
    return std::clamp(value, 0, 100);
}

} // namespace

void TEditorImagebar::SetDigitWidth(int value) {
    SetProperty(digitWidth_, ClampSize(value));
}
void TEditorImagebar::SetLeftMargin(int value) {
    SetProperty(leftMargin_, ClampSize(value));
}
void TEditorImagebar::SetMarkWidth(int value) {
    SetProperty(markWidth_, ClampSize(value));
}
void TEditorImagebar::SetRightMargin(int value) {
    SetProperty(rightMargin_, ClampSize(value));
}

void TEditorImagebar::Assign(TPersistent* source) {
    auto* imagebar = dynamic_cast<TEditorImagebar*>(source);
    if (!imagebar) {
        TNotifyPersistent::Assign(source);
        return;
    }
    BeginUpdate();
    digitWidth_ = imagebar->digitWidth_;
    leftMargin_ = imagebar->leftMargin_;
    markWidth_ = imagebar->markWidth_;
    rightMargin_ = imagebar->rightMargin_;
    visible_ = imagebar->visible_;
    EndUpdate();
}

} // namespace kes
