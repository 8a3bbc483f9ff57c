#include "textmodel/TEditorSpeed.h"

#include <algorithm>

namespace kes {

TEditorSpeedRange TEditorSpeed::InRange(TEditorSpeedRange value) {
    return std::clamp(value, 1, 4);
}

void TEditorSpeed::Assign(TPersistent* source) {
    auto* speed = dynamic_cast<TEditorSpeed*>(source);
    if (!speed) {
        TPersistent::Assign(source);
        return;
    }
    caretVerticalAc_ = speed->caretVerticalAc_;
    initBracketsFull_ = speed->initBracketsFull_;
    pageVerticalRange_ = speed->pageVerticalRange_;
    pageVerticalRangeAc_ = speed->pageVerticalRangeAc_;
}

} // namespace kes
