#pragma once

#include "toolkit/core/TPersistent.h"

namespace kes {

// A speed step of vertical caret movement and paging, 1 to 4.
using TEditorSpeedRange = int;

// Speed settings, read when they are needed: plain fields that notify nobody.
class TEditorSpeed : public TPersistent {
public:
    void Assign(TPersistent* source) override;

    TEditorSpeedRange CaretVerticalAc() const { return caretVerticalAc_; }
    void SetCaretVerticalAc(TEditorSpeedRange value) { caretVerticalAc_ = InRange(value); }
    // Whether a full re-parse covers the whole text instead of two screens.
    bool InitBracketsFull() const { return initBracketsFull_; }
    void SetInitBracketsFull(bool value) { initBracketsFull_ = value; }
    TEditorSpeedRange PageVerticalRange() const { return pageVerticalRange_; }
    void SetPageVerticalRange(TEditorSpeedRange value) { pageVerticalRange_ = InRange(value); }
    TEditorSpeedRange PageVerticalRangeAc() const { return pageVerticalRangeAc_; }
    void SetPageVerticalRangeAc(TEditorSpeedRange value) { pageVerticalRangeAc_ = InRange(value); }

private:
    // A step outside 1..4 would make the caret stand still or leap; it is held to the range.
    static TEditorSpeedRange InRange(TEditorSpeedRange value);

    TEditorSpeedRange caretVerticalAc_ = 2;
    bool initBracketsFull_ = false;
    TEditorSpeedRange pageVerticalRange_ = 2;
    TEditorSpeedRange pageVerticalRangeAc_ = 2;
};

} // namespace kes
