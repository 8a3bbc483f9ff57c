#include "toolkit/gui/TImageList.h"

#include "toolkit/gui/QtColor.h"
#include "toolkit/gui/TCanvas.h"

#include <algorithm>
#include <utility>

namespace kes {

void TImageList::Add(const QImage& image, QRgb transparent) {
    QImage picture(width_, height_, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    QImage source = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < std::min(height_, source.height()); ++y) {
        for (int x = 0; x < std::min(width_, source.width()); ++x) {
            QRgb pixel = source.pixel(x, y);
            if ((pixel & 0x00FFFFFFu) != (transparent & 0x00FFFFFFu))
                picture.setPixel(x, y, pixel | 0xFF000000u);
        }
    }
    images_.push_back(std::move(picture));
}

void TImageList::Draw(TCanvas* canvas, int x, int y, int index) const {
    if (!canvas || index < 0 || index >= Count())
        return;
    const QImage& picture = images_[static_cast<size_t>(index)];
    for (int row = 0; row < picture.height(); ++row) {
        for (int col = 0; col < picture.width(); ++col) {
            QRgb pixel = picture.pixel(col, row);
            if (qAlpha(pixel) != 0)
                canvas->SetPixel(x + col, y + row, FromQColor(QColor(pixel)));
        }
    }
}

} // namespace kes
