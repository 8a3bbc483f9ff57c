#pragma once

#include "toolkit/gui/TCanvas.h"

#include <QImage>

namespace kes {

// An off-screen bitmap with its canvas. New pixels are black.
class TBitmap : public TPersistent {
public:
    TBitmap();
    ~TBitmap() override;

    int Width() const { return image_.width(); }
    int Height() const { return image_.height(); }
    void SetWidth(int width) { SetSize(width, Height()); }
    void SetHeight(int height) { SetSize(Width(), height); }
    // Keeps the pixels that stay inside the new size.
    void SetSize(int width, int height);

    TCanvas* Canvas() { return &canvas_; }
    const QImage& Image() const { return image_; }

    // Copies the size and pixels of another bitmap.
    void Assign(TPersistent* source) override;

private:
    QImage image_;
    TCanvas canvas_;
};

} // namespace kes
