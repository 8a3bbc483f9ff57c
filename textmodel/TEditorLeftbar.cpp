#include "textmodel/TEditorLeftbar.h"

#include <algorithm>

namespace kes {

void TEditorLeftbar::SetColumn(int value) {
    SetProperty(column_, std::clamp(value, 1, 8));
}

void TEditorLeftbar::SetLeftMargin(int value) {
    SetProperty(leftMargin_, std::clamp(value, 0, 100));
}

void TEditorLeftbar::SetRightMargin(int value) {
    SetProperty(rightMargin_, std::clamp(value, 0, 100));
}

void TEditorLeftbar::Assign(TPersistent* source) {
    auto* leftbar = dynamic_cast<TEditorLeftbar*>(source);
    if (!leftbar) {
        TNotifyPersistent::Assign(source);
        return;
    }
    BeginUpdate();
    bkColor_ = leftbar->bkColor_;
    color_ = leftbar->color_;
    column_ = leftbar->column_;
    edge_ = leftbar->edge_;
    leftMargin_ = leftbar->leftMargin_;
    rightMargin_ = leftbar->rightMargin_;
    showNumber_ = leftbar->showNumber_;
    showNumberMode_ = leftbar->showNumberMode_;
    visible_ = leftbar->visible_;
    zeroBase_ = leftbar->zeroBase_;
    zeroLead_ = leftbar->zeroLead_;
    EndUpdate();
}

} // namespace kes
