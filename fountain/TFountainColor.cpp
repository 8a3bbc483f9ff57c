#include "fountain/TFountainColor.h"

#include "toolkit/core/TPropInfo.h"

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

void ForEachColorProperty(
    TPersistent* instance,
    const std::function<void(const char* name, TFountainColor* color)>& visit) {
    if (!instance)
        return;
    TPropList properties;
    instance->GetPropList(properties);
    for (const TPropInfo* property : properties) {
        if (property->type.kind != tkClass || !property->GetObject)
            continue;
        if (auto* color = dynamic_cast<TFountainColor*>(property->GetObject(instance)))
            visit(property->name, color);
    }
}

} // namespace kes
