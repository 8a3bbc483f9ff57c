#include "toolkit/gui/TCanvas.h"

#include "toolkit/gui/QtColor.h"

#include <QImage>
#include <QPainter>

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
    if (to.size() == from.size()) {
        // A plain copy: clip both rectangles together so that every pixel keeps its place.
        QRect clippedFrom = from & source.image_->rect();
        QRect clippedTo = clippedFrom.translated(to.topLeft() - from.topLeft()) & image_->rect();
        clippedFrom = clippedTo.translated(from.topLeft() - to.topLeft());
        for (int dy = 0; dy < clippedTo.height(); ++dy)
            for (int dx = 0; dx < clippedTo.width(); ++dx)
                image_->setPixel(
                    clippedTo.left() + dx, clippedTo.top() + dy,
                    source.image_->pixel(clippedFrom.left() + dx, clippedFrom.top() + dy));
        return;
    }
    QPainter painter(image_);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(to, *source.image_, from);
}

} // namespace kes
