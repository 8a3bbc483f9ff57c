#include "toolkit/gui/TDotLineCollection.h"

#include <algorithm>

namespace kes {

TDotLineCollection::TDotLineCollection() : TCollection(NewItem<TDotLineItem>) {}

TDotLineItem* TDotLineCollection::Items(int index) const {
    return static_cast<TDotLineItem*>(TCollection::Items(index));
}

TDotLineItem* TDotLineCollection::DotLine(TColor color, TColor bkColor, int minWidth) {
    for (int i = 0; i < Count(); ++i) {
        TDotLineItem* item = Items(i);
        if (item->Color() == color && item->BkColor() == bkColor) {
            if (item->Bitmap()->Width() < minWidth)
                item->Render(color, bkColor, minWidth);
            return item;
        }
    }
    auto* item = static_cast<TDotLineItem*>(Add());
    item->Render(color, bkColor, std::max(item->Bitmap()->Width(), minWidth));
    return item;
}

TDotLineCollection& DotLineCache() {
    static TDotLineCollection cache;
    return cache;
}

void DrawDottedLine(TCanvas* canvas, int x1, int y, TColor bkColor, TColor color, int x2) {
    // Only the part on the canvas is copied; a line that starts left of it keeps its phase by
    // starting one pixel into the bitmap when the first visible pixel falls between dots.
    int first = std::max(x1, 0);
    int last = std::min(x2, canvas->Width() - 1);
    if (last < first)
        return;
    int phase = static_cast<int>((static_cast<long long>(first) - x1) % 2);
    int width = last - first + 1;
    TDotLineItem* item = DotLineCache().DotLine(color, bkColor, phase + width);
    canvas->CopyRect(Rect(first, y, first + width, y + 1), *item->Bitmap()->Canvas(),
                     Rect(phase, 0, phase + width, 1));
}

} // namespace kes
