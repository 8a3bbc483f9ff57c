#pragma once

#include "support/TNotifyPersistent.h"
#include "toolkit/core/TColor.h"
#include "toolkit/core/TFontStyles.h"

#include <functional>

namespace kes {

// The colour of one kind of token: text colour, background and font style. clNone stands
// for the editor's own colour.
class TFountainColor : public TNotifyPersistent {
public:
    TColor BkColor() const { return bkColor_; }
    void SetBkColor(TColor color);
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    TFontStyles Style() const { return style_; }
    void SetStyle(TFontStyles style);

    void Assign(TPersistent* source) override;

private:
    TColor bkColor_ = clNone;
    TColor color_ = clNone;
    TFontStyles style_;
};

// Calls visit for every published property of instance whose value is a colour triple, in the
// order the class lists them. Objects that merely hold colours are not entered. Walks over
// "every colour of a scheme" (the italic test, the set-every-colour operations) go through it.
void ForEachColorProperty(
    TPersistent* instance,
    const std::function<void(const char* name, TFountainColor* color)>& visit);

} // namespace kes
