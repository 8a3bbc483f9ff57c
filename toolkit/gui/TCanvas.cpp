#include "toolkit/gui/TCanvas.h"

#include "toolkit/gui/QtColor.h"

#include <QImage>
#include <QPainter>

#include <cstring>

namespace kes {

int TCanvas::Width() const {
    return image_->width();
}
int TCanvas::Height() const {
    return image_->height();
}

TColor TCanvas::Pixel(int x, int y) const {
    if (!image_->valid(x, y))
        return clNone;
    return FromQColor(QColor(image_->pixel(x, y)));
}

void TCanvas::SetPixel(int x, int y, TColor color) {
    if (image_->valid(x, y))
        image_->setPixel(x, y, ToQColor(color).rgb());
}

void TCanvas::FillRect(const TRect& rect, TColor color) {
    QRect area = QRect(rect.Left, rect.Top, rect.Width(), rect.Height()) & image_->rect();
    if (area.isEmpty())
        return;
    QRgb rgb = ToQColor(color).rgb();
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            image_->setPixel(x, y, rgb);
}

void TCanvas::CopyRect(const TRect& dest, const TCanvas& source, const TRect& sourceRect) {
    if (dest.IsEmpty() || sourceRect.IsEmpty())
        return;
    QRect to(dest.Left, dest.Top, dest.Width(), dest.Height());
    QRect from(sourceRect.Left, sourceRect.Top, sourceRect.Width(), sourceRect.Height());
    if (to.size() != from.size()) {
        QPainter painter(image_);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(to, *source.image_, from);
        return;
    }
    // A plain copy: clip both rectangles together so that every pixel keeps its place. The
    // source pixels are taken first, so copying within one image may overlap.
    QPoint offset = to.topLeft() - from.topLeft();
    QRect clippedTo = (from & source.image_->rect()).translated(offset) & image_->rect();
    if (clippedTo.isEmpty())
        return;
    QImage part = source.image_->copy(clippedTo.translated(-offset));
    if (part.format() == image_->format() && part.depth() == 32) {
        for (int y = 0; y < part.height(); ++y) {
            std::memcpy(image_->scanLine(clippedTo.top() + y) + clippedTo.left() * 4,
                        part.constScanLine(y), static_cast<size_t>(part.width()) * 4);
        }
        return;
    }
    for (int y = 0; y < part.height(); ++y)
        for (int x = 0; x < part.width(); ++x)
            image_->setPixel(clippedTo.left() + x, clippedTo.top() + y, part.pixel(x, y));
}

} // namespace kes
