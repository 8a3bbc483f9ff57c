#include "textmodel/TEditorMark.h"

namespace kes {

void TEditorMark::Assign(TPersistent* source) {
    auto* mark = dynamic_cast<TEditorMark*>(source);
    if (!mark) {
        TNotifyPersistent::Assign(source);
        return;
    }
    BeginUpdate();
    color_ = mark->color_;
    visible_ = mark->visible_;
    EndUpdate();
}

} // namespace kes
