#pragma once

#include <QImage>

#include <vector>

namespace kes {

class TCanvas;

// A list of pictures of one size, drawn with one colour taken as transparent.
class TImageList {
public:
    TImageList(int width, int height) : width_(width), height_(height) {}

    int Width() const { return width_; }
    int Height() const { return height_; }
    int Count() const { return static_cast<int>(images_.size()); }
    // Adds a picture; pixels of the transparent colour are left out when drawing.
    void Add(const QImage& image, QRgb transparent);
    const QImage& Image(int index) const { return images_[index]; }
    // Draws picture `index` with its top-left at (x, y); nothing for an index out of range.
    void Draw(TCanvas* canvas, int x, int y, int index) const;

private:
    int width_;
    int height_;
    std::vector<QImage> images_;
};

} // namespace kes
