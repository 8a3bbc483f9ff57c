#pragma once

#include "support/TNotifyPersistent.h"

namespace kes {

// The bar left of the row numbers that shows the row marks as images; sizes in pixels, each
// 0 to 100.
class TEditorImagebar : public TNotifyPersistent {
public:
    void Assign(TPersistent* source) override;

    int DigitWidth() const { return digitWidth_; }
    void SetDigitWidth(int value);
    int LeftMargin() const { return leftMargin_; }
    void SetLeftMargin(int value);
    int MarkWidth() const { return markWidth_; }
    void SetMarkWidth(int value);
    int RightMargin() const { return rightMargin_; }
    void SetRightMargin(int value);
    bool Visible() const { return visible_; }
    void SetVisible(bool value) { SetProperty(visible_, value); }

private:
    int digitWidth_ = 8;
    int leftMargin_ = 2;
    int markWidth_ = 0;
    int rightMargin_ = 2;
    bool visible_ = true;
};

} // namespace kes
