#include "fountain/TFountainColor.h"

namespace kes {

void TFountainColor::SetBkColor(TColor color) {
    if (bkColor_ == color)
        return;
    bkColor_ = color;
    Changed();
}

void TFountainColor::SetColor(TColor color) {
    if (color_ == color)
        return;
    color_ = color;
    Changed();
}

void TFountainColor::SetStyle(TFontStyles style) {
    if (style_ == style)
        return;
    style_ = style;
    Changed();
}

void TFountainColor::Assign(TPersistent* source) {
    if (auto* other = dynamic_cast<TFountainColor*>(source)) {
        BeginUpdate();
        SetBkColor(other->bkColor_);
        SetColor(other->color_);
        SetStyle(other->style_);
        EndUpdate();
        return;
    }
    TNotifyPersistent::Assign(source);
}

} // namespace kes
