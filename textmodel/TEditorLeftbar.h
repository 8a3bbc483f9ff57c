#pragma once

#include "support/TNotifyPersistent.h"
#include "toolkit/core/TColor.h"

namespace kes {

// What the row numbers count: screen rows or logical lines.
enum TEditorShowNumberMode { nmRow, nmLine };

// The bar left of the text that shows row numbers.
class TEditorLeftbar : public TNotifyPersistent {
public:
    void Assign(TPersistent* source) override;

    TColor BkColor() const { return bkColor_; }
    void SetBkColor(TColor value) { SetProperty(bkColor_, value); }
    TColor Color() const { return color_; }
    void SetColor(TColor value) { SetProperty(color_, value); }
    // The number of digits of a row number, 1 to 8.
    int Column() const { return column_; }
    void SetColumn(int value);
    bool Edge() const { return edge_; }
    void SetEdge(bool value) { SetProperty(edge_, value); }
    int LeftMargin() const { return leftMargin_; }
    void SetLeftMargin(int value);
    int RightMargin() const { return rightMargin_; }
    void SetRightMargin(int value);
    bool ShowNumber() const { return showNumber_; }
    void SetShowNumber(bool value) { SetProperty(showNumber_, value); }
    TEditorShowNumberMode ShowNumberMode() const { return showNumberMode_; }
    void SetShowNumberMode(TEditorShowNumberMode value) { SetProperty(showNumberMode_, value); }
    bool Visible() const { return visible_; }
    void SetVisible(bool value) { SetProperty(visible_, value); }
    bool ZeroBase() const { return zeroBase_; }
    void SetZeroBase(bool value) { SetProperty(zeroBase_, value); }
    bool ZeroLead() const { return zeroLead_; }
    void SetZeroLead(bool value) { SetProperty(zeroLead_, value); }

private:
    TColor bkColor_ = clSilver;
    TColor color_ = clBlack;
    int column_ = 4;
    bool edge_ = true;
    int leftMargin_ = 8;
    int rightMargin_ = 4;
    bool showNumber_ = true;
    TEditorShowNumberMode showNumberMode_ = nmRow;
    bool visible_ = false;
    bool zeroBase_ = false;
    bool zeroLead_ = false;
};

} // namespace kes
