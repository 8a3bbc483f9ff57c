#pragma once

#include "support/TNotifyPersistent.h"
#include "toolkit/core/TColor.h"

namespace kes {

// The column ruler above the text.
class TEditorRuler : public TNotifyPersistent {
public:
    void Assign(TPersistent* source) override;

    TColor BkColor() const { return bkColor_; }
    void SetBkColor(TColor value) { SetProperty(bkColor_, value); }
    TColor Color() const { return color_; }
    void SetColor(TColor value) { SetProperty(color_, value); }
    bool Edge() const { return edge_; }
    void SetEdge(bool value) { SetProperty(edge_, value); }
    // The columns between two long gauge strokes: 8 or 10.
    int GaugeRange() const { return gaugeRange_; }
    void SetGaugeRange(int value);
    TColor MarkColor() const { return markColor_; }
    void SetMarkColor(TColor value) { SetProperty(markColor_, value); }
    bool Visible() const { return visible_; }
    void SetVisible(bool value) { SetProperty(visible_, value); }

private:
    TColor bkColor_ = clSilver;
    TColor color_ = clBlack;
    bool edge_ = true;
    int gaugeRange_ = 10;
    TColor markColor_ = clBlack;
    bool visible_ = false;
};

} // namespace kes
