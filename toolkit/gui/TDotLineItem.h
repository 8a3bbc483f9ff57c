#pragma once

#include "toolkit/core/TCollection.h"
#include "toolkit/core/TColor.h"
#include "toolkit/gui/TBitmap.h"

namespace kes {

// One dotted line of the cache: a one-pixel-high bitmap, as wide as the screen when it was
// made, holding dots of one colour on a background of another.
class TDotLineItem : public TCollectionItem {
public:
    TDotLineItem();

    TBitmap* Bitmap() { return &bitmap_; }
    TColor BkColor() const { return bkColor_; }
    TColor Color() const { return color_; }

    // Sets both colours and the width, then paints the line: background everywhere, the dot
    // colour on pixels 0, 2, 4, ...
    void Render(TColor color, TColor bkColor, int width);

    // Copies the bitmap and both colours of another item.
    void Assign(TPersistent* source) override;

private:
    TBitmap bitmap_;
    TColor bkColor_ = clBlack;
    TColor color_ = clBlack;
};

} // namespace kes
