#pragma once

#include "toolkit/core/TColor.h"
#include "toolkit/core/TPersistent.h"
#include "toolkit/core/TRect.h"

class QImage;

namespace kes {

// Drawing on an off-screen image, exact to the pixel: no antialiasing, no blending, every
// operation writes the colours it is given.
class TCanvas : public TPersistent {
public:
    explicit TCanvas(QImage* image) : image_(image) {}

    int Width() const;
    int Height() const;

    // The colour at (x, y); clNone outside the image.
    TColor Pixel(int x, int y) const;
    // Sets one pixel; a point outside the image is ignored.
    void SetPixel(int x, int y, TColor color);
    void FillRect(const TRect& rect, TColor color);
    // Copies the pixels of sourceRect of source into dest, scaling when the sizes differ; the
    // parts outside either image are left out.
    void CopyRect(const TRect& dest, const TCanvas& source, const TRect& sourceRect);

    QImage* Image() const { return image_; }

private:
    QImage* image_;
};

} // namespace kes
