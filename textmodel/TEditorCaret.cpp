#include "textmodel/TEditorCaret.h"

#include <algorithm>

namespace kes {

TEditorCaret::TEditorCaret() : cursors_(std::make_unique<TEditorCursors>()) {}

TEditorCaret::~TEditorCaret() = default;

void TEditorCaret::SetTabSpaceCount(int value) {
    value = std::clamp(value, 2, 8);
    SetProperty(tabSpaceCount_, value - value % 2);
}

void TEditorCaret::Assign(TPersistent* source) {
    auto* caret = dynamic_cast<TEditorCaret*>(source);
    if (!caret) {
        TNotifyPersistent::Assign(source);
        return;
    }
    BeginUpdate();
    autoCursor_ = caret->autoCursor_;
    autoIndent_ = caret->autoIndent_;
    backSpaceUnIndent_ = caret->backSpaceUnIndent_;
    cursors_->Assign(caret->cursors_.get());
    freeCaret_ = caret->freeCaret_;
    freeRow_ = caret->freeRow_;
    inTab_ = caret->inTab_;
    keepCaret_ = caret->keepCaret_;
    lockScroll_ = caret->lockScroll_;
    nextLine_ = caret->nextLine_;
    prevSpaceIndent_ = caret->prevSpaceIndent_;
    rowSelect_ = caret->rowSelect_;
    selDragMode_ = caret->selDragMode_;
    selMove_ = caret->selMove_;
    softTab_ = caret->softTab_;
    style_ = caret->style_;
    tabIndent_ = caret->tabIndent_;
    tabSpaceCount_ = caret->tabSpaceCount_;
    EndUpdate();
}

} // namespace kes
