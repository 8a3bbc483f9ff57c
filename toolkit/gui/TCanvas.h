#pragma once

#include "toolkit/core/TColor.h"
#include "toolkit/core/TFontStyles.h"
#include "toolkit/core/TPersistent.h"
#include "toolkit/core/TRect.h"

#include <memory>
#include <string_view>

class QImage;
class QPainter;

namespace kes {

class TFont;

// Drawing on an off-screen image, exact to the pixel: no antialiasing, no blending, every
// operation writes the colours it is given.
class TCanvas : public TPersistent {
public:
    explicit TCanvas(QImage* image);
    ~TCanvas() override;

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

    // A run of code page 932 text with its top-left at (x, y), clipped to clip: every byte
    // advances exactly `advance` pixels whatever the glyph's own width, so a double-byte
    // character covers two cells. Opaque fills clip with brush first; transparent draws the
    // glyphs only. fsUnderline in style is not drawn (callers draw a dotted line). Bytes that
    // are not valid code page 932 show as a visible placeholder in their cell. At most 1001
    // bytes are drawn.
    void TextOut(int x, int y, const TRect& clip, std::string_view text, const TFont& font,
                 TFontStyles style, TColor color, TColor brush, bool opaque, int advance);
    // A one-pixel solid line from (x1, y1) towards (x2, y2); the end point itself is not drawn.
    void Line(int x1, int y1, int x2, int y2, TColor color);

    // Between Begin and End (nested) the canvas keeps one painter open for all operations,
    // which makes many small operations cheap.
    void Begin();
    void End();

    QImage* Image() const { return image_; }

private:
    QImage* image_;
    std::unique_ptr<QPainter> painter_;
    int beginCount_ = 0;
};

} // namespace kes
