#include "textmodel/TEditorCursors.h"

namespace kes {

void TEditorCursors::Assign(TPersistent* source) {
    auto* cursors = dynamic_cast<TEditorCursors*>(source);
    if (!cursors) {
        TNotifyPersistent::Assign(source);
        return;
    }
    BeginUpdate();
    defaultCursor_ = cursors->defaultCursor_;
    dragSelCursor_ = cursors->dragSelCursor_;
    dragSelCopyCursor_ = cursors->dragSelCopyCursor_;
    inSelCursor_ = cursors->inSelCursor_;
    leftMarginCursor_ = cursors->leftMarginCursor_;
    topMarginCursor_ = cursors->topMarginCursor_;
    EndUpdate();
}

} // namespace kes
