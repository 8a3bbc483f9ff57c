#include "textmodel/TEditorRuler.h"

#include <algorithm>

namespace kes {

void TEditorRuler::SetGaugeRange(int value) {
    value = std::clamp(value, 8, 10);
    SetProperty(gaugeRange_, value - value % 2);
}

void TEditorRuler::Assign(TPersistent* source) {
    auto* ruler = dynamic_cast<TEditorRuler*>(source);
    if (!ruler) {
        TNotifyPersistent::Assign(source);
        return;
    }
    BeginUpdate();
    bkColor_ = ruler->bkColor_;
    color_ = ruler->color_;
    edge_ = ruler->edge_;
    gaugeRange_ = ruler->gaugeRange_;
    markColor_ = ruler->markColor_;
    visible_ = ruler->visible_;
    EndUpdate();
}

} // namespace kes
