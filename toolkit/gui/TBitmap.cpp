#include "toolkit/gui/TBitmap.h"

#include <algorithm>

namespace kes {

TBitmap::TBitmap() : canvas_(&image_) {}

TBitmap::~TBitmap() = default;

void TBitmap::SetSize(int width, int height) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width == Width() && height == Height())
        return;
    QImage resized(width, height, QImage::Format_RGB32);
    resized.fill(Qt::black);
    for (int y = 0; y < std::min(height, Height()); ++y)
        for (int x = 0; x < std::min(width, Width()); ++x)
            resized.setPixel(x, y, image_.pixel(x, y));
    image_ = std::move(resized);
}

void TBitmap::Assign(TPersistent* source) {
    if (auto* other = dynamic_cast<TBitmap*>(source)) {
        image_ = other->image_.copy();
        return;
    }
    TPersistent::Assign(source);
}

} // namespace kes
