#include "editor/TEditorResources.h"

#include <QImage>

#include <cmath>
#include <cstdlib>
#include <string_view>

namespace kes {

namespace {

constexpr QRgb kDigitTransparent = 0xFFFF0000; // red
constexpr QRgb kDigitBox = 0xFF404040;
constexpr QRgb kDigitInk = 0xFFFFFFFF;
constexpr QRgb kPictureTransparent = 0xFFFFFFFF;

// The digits 0 to 9 in 5 x 7 pixels, one row per string.
constexpr std::string_view kDigitFont[10][7] = {
    {".###.", "#...#", "#..##", "#.#.#", "##..#", "#...#", ".###."},
    {"..#..", ".##..", "..#..", "..#..", "..#..", "..#..", ".###."},
    {".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"},
    {"#####", "...#.", "..#..", "...#.", "....#", "#...#", ".###."},
    {"...#.", "..##.", ".#.#.", "#..#.", "#####", "...#.", "...#."},
    {"#####", "#....", "####.", "....#", "....#", "#...#", ".###."},
    {"..##.", ".#...", "#....", "####.", "#...#", "#...#", ".###."},
    {"#####", "....#", "...#.", "..#..", ".#...", ".#...", ".#..."},
    {".###.", "#...#", "#...#", ".###.", "#...#", "#...#", ".###."},
    {".###.", "#...#", "#...#", ".####", "....#", "...#.", ".##.."},
};

// A digit in white on a dark box with cut corners, 7 x 11 pixels in an 8 x 11 picture so that
// digits side by side keep a gap.
QImage DigitPicture(int digit) {
    QImage image(8, 11, QImage::Format_RGB32);
    image.fill(kDigitTransparent);
    for (int y = 0; y < 11; ++y) {
        for (int x = 0; x < 7; ++x) {
            bool corner = (x == 0 || x == 6) && (y == 0 || y == 10);
            if (!corner)
                image.setPixel(x, y, kDigitBox);
        }
    }
    for (int row = 0; row < 7; ++row)
        for (int col = 0; col < 5; ++col)
            if (kDigitFont[digit][row][col] == '#')
                image.setPixel(1 + col, 2 + row, kDigitInk);
    return image;
}

// The shapes of the picture marks, each a test of one pixel of an 11 x 11 picture (centre at
// (5, 5)): whether it is inside and whether it lies on the outline.
struct Shape {
    QRgb fill;
    bool (*inside)(int x, int y);
};

bool InCircle(int x, int y) {
    return (x - 5) * (x - 5) + (y - 5) * (y - 5) <= 26;
}
bool InSquare(int x, int y) {
    return x >= 1 && x <= 9 && y >= 1 && y <= 9;
}
bool InTriangle(int x, int y) {
    return y >= 1 && y <= 9 && std::abs(x - 5) * 2 <= y - 1 + 1;
}
bool InDiamond(int x, int y) {
    return std::abs(x - 5) + std::abs(y - 5) <= 5;
}
bool InArrow(int x, int y) {
    bool shaft = y >= 4 && y <= 6 && x >= 0 && x <= 5;
    bool head = x >= 5 && x <= 10 && std::abs(y - 5) <= 10 - x;
    return shaft || head;
}
bool InCheck(int x, int y) {
    // Two strokes two pixels thick: down from (1, 5) to (4, 8), then up to (10, 2).
    bool down = x >= 1 && x <= 4 && (y - x == 4 || y - x == 3);
    bool up = x >= 4 && x <= 10 && (x + y == 12 || x + y == 11);
    return down || up;
}

constexpr Shape kShapes[] = {
    {0xFFE03030, InCircle},  {0xFF3060E0, InSquare}, {0xFF30A030, InTriangle},
    {0xFFE0A000, InDiamond}, {0xFF8040C0, InArrow},  {0xFF008080, InCheck},
};

// A shape filled with its colour and outlined in black where it borders the outside.
QImage ShapePicture(const Shape& shape) {
    QImage image(11, 11, QImage::Format_RGB32);
    image.fill(kPictureTransparent);
    auto inside = [&shape](int x, int y) {
        return x >= 0 && x < 11 && y >= 0 && y < 11 && shape.inside(x, y);
    };
    for (int y = 0; y < 11; ++y) {
        for (int x = 0; x < 11; ++x) {
            if (!inside(x, y))
                continue;
            bool edge =
                !inside(x - 1, y) || !inside(x + 1, y) || !inside(x, y - 1) || !inside(x, y + 1);
            image.setPixel(x, y, edge ? 0xFF000000 : shape.fill);
        }
    }
    return image;
}

} // namespace

const TImageList& BuiltInDigitMarks() {
    static const TImageList digits = [] {
        TImageList list(8, 11);
        for (int digit = 0; digit < 10; ++digit)
            list.Add(DigitPicture(digit), kDigitTransparent);
        return list;
    }();
    return digits;
}

const TImageList& BuiltInPictureMarks() {
    static const TImageList pictures = [] {
        TImageList list(11, 11);
        for (const Shape& shape : kShapes)
            list.Add(ShapePicture(shape), kPictureTransparent);
        return list;
    }();
    return pictures;
}

} // namespace kes
