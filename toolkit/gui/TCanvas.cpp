#include "toolkit/gui/TCanvas.h"

#include "toolkit/gui/QtColor.h"

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace kes {

TCanvas::TCanvas(QImage* image) : image_(image) {}

TCanvas::~TCanvas() = default;

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
    if (!image_->valid(x, y))
        return;
    if (painter_)
        painter_->fillRect(x, y, 1, 1, ToQColor(color));
    else
        image_->setPixel(x, y, ToQColor(color).rgb());
}

void TCanvas::FillRect(const TRect& rect, TColor color) {
    QRect area = QRect(rect.Left, rect.Top, rect.Width(), rect.Height()) & image_->rect();
    if (area.isEmpty())
        return;
    if (painter_) {
        painter_->fillRect(area, ToQColor(color));
        return;
    }
    QRgb rgb = ToQColor(color).rgb();
    bool wholeWords =
        image_->format() == QImage::Format_RGB32 || image_->format() == QImage::Format_ARGB32;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        if (wholeWords) {
            QRgb* line = reinterpret_cast<QRgb*>(image_->scanLine(y));
            std::fill_n(line + area.left(), area.width(), rgb);
            continue;
        }
        for (int x = area.left(); x <= area.right(); ++x)
            image_->setPixel(x, y, rgb);
    }
}

void TCanvas::CopyRect(const TRect& dest, const TCanvas& source, const TRect& sourceRect) {
    if (dest.IsEmpty() || sourceRect.IsEmpty())
        return;
    QRect to(dest.Left, dest.Top, dest.Width(), dest.Height());
    QRect from(sourceRect.Left, sourceRect.Top, sourceRect.Width(), sourceRect.Height());
    if (to.size() != from.size()) {
        Begin();
        if (painter_)
            painter_->drawImage(to, *source.image_, from);
        End();
        return;
    }
    // A plain copy: clip both rectangles together so that every pixel keeps its place. The
    // source pixels are taken first, so copying within one image may overlap.
    QPoint offset = to.topLeft() - from.topLeft();
    QRect clippedTo = (from & source.image_->rect()).translated(offset) & image_->rect();
    if (clippedTo.isEmpty())
        return;
    QImage part = source.image_->copy(clippedTo.translated(-offset));
    if (painter_) {
        painter_->drawImage(clippedTo.topLeft(), part);
        return;
    }
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

void TCanvas::Line(int x1, int y1, int x2, int y2, TColor color) {
    if (x1 == x2 && y1 == y2)
        return;
    // A line wholly beside the image draws nothing (and need not be walked).
    if (std::max(x1, x2) < 0 || std::min(x1, x2) >= image_->width() || std::max(y1, y2) < 0 ||
        std::min(y1, y2) >= image_->height())
        return;
    // Straight lines are one fill; any other goes pixel by pixel (Bresenham), stopping just
    // before the end point.
    if (y1 == y2) {
        FillRect(x1 < x2 ? Rect(x1, y1, x2, y1 + 1) : Rect(x2 + 1, y1, x1 + 1, y1 + 1), color);
        return;
    }
    if (x1 == x2) {
        FillRect(y1 < y2 ? Rect(x1, y1, x1 + 1, y2) : Rect(x1, y2 + 1, x1 + 1, y1 + 1), color);
        return;
    }
    int dx = std::abs(x2 - x1);
    int dy = -std::abs(y2 - y1);
    int stepX = x1 < x2 ? 1 : -1;
    int stepY = y1 < y2 ? 1 : -1;
    int error = dx + dy;
    int x = x1;
    int y = y1;
    while (x != x2 || y != y2) {
        SetPixel(x, y, color);
        int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x += stepX;
        }
        if (twice <= dx) {
            error += dx;
            y += stepY;
        }
    }
}

void TCanvas::Begin() {
    if (beginCount_++ > 0 || image_->isNull())
        return;
    painter_ = std::make_unique<QPainter>(image_);
    painter_->setRenderHint(QPainter::Antialiasing, false);
    painter_->setRenderHint(QPainter::TextAntialiasing, false);
    painter_->setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter_->setCompositionMode(QPainter::CompositionMode_Source);
}

void TCanvas::End() {
    if (beginCount_ == 0)
        return;
    if (--beginCount_ == 0)
        painter_.reset();
}

} // namespace kes
