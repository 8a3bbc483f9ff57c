#include "toolkit/gui/TDotLineItem.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

namespace kes {

namespace {

// Wide enough for a line across every screen; without a screen (no application yet) a
// generous default. A longer line makes the cache widen the item.
int ScreenWidth() {
    if (qGuiApp != nullptr) {
        if (QScreen* screen = QGuiApplication::primaryScreen())
            return std::max(screen->virtualGeometry().width(), 1);
    }
    return 2048;
}

} // namespace

TDotLineItem::TDotLineItem() {
    bitmap_.SetSize(ScreenWidth(), 1);
}

void TDotLineItem::Render(TColor color, TColor bkColor, int width) {
    color_ = color;
    bkColor_ = bkColor;
    bitmap_.SetSize(width, 1);
    TCanvas* canvas = bitmap_.Canvas();
    canvas->FillRect(Rect(0, 0, width, 1), bkColor);
    for (int x = 0; x < width; x += 2)
        canvas->SetPixel(x, 0, color);
}

void TDotLineItem::Assign(TPersistent* source) {
    if (auto* other = dynamic_cast<TDotLineItem*>(source)) {
        bitmap_.Assign(&other->bitmap_);
        bkColor_ = other->bkColor_;
        color_ = other->color_;
        return;
    }
    TCollectionItem::Assign(source);
}

} // namespace kes
