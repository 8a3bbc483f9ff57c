#include "toolkit/gui/TBitmap.h"

#include <gtest/gtest.h>

#include <string>

namespace kes {
namespace {

// The bitmap as text, one line per row: '#' red, '.' anything else.
std::string Picture(TBitmap& bitmap) {
    std::string text;
    for (int y = 0; y < bitmap.Height(); ++y) {
        for (int x = 0; x < bitmap.Width(); ++x)
            text += bitmap.Canvas()->Pixel(x, y) == clRed ? '#' : '.';
        text += '\n';
    }
    return text;
}

TEST(TCanvasLine, TheEndPointIsLeftOut) {
    TBitmap bitmap;
    bitmap.SetSize(6, 4);
    TCanvas* canvas = bitmap.Canvas();
    canvas->Line(0, 0, 4, 0, clRed);
    canvas->Line(5, 3, 1, 3, clRed);
    canvas->Line(5, 0, 5, 3, clRed);
    canvas->Line(0, 1, 2, 3, clRed);
    canvas->Line(3, 1, 3, 1, clRed);
    EXPECT_EQ(Picture(bitmap), "####.#\n"
                               "#....#\n"
                               ".#...#\n"
                               "..####\n");
}

TEST(TCanvasLine, OperationsInsideBeginAndEndShowAtOnce) {
    TBitmap bitmap;
    bitmap.SetSize(4, 2);
    TCanvas* canvas = bitmap.Canvas();
    canvas->Begin();
    canvas->Begin();
    canvas->FillRect(Rect(0, 0, 2, 1), clRed);
    EXPECT_EQ(canvas->Pixel(1, 0), clRed);
    canvas->End();
    canvas->SetPixel(3, 1, clRed);
    EXPECT_EQ(canvas->Pixel(3, 1), clRed) << "the painter is still open";
    canvas->CopyRect(Rect(0, 1, 2, 2), *canvas, Rect(0, 0, 2, 1));
    canvas->Line(2, 0, 3, 0, clRed);
    canvas->End();
    canvas->End();
    EXPECT_EQ(Picture(bitmap), "###.\n"
                               "##.#\n");
}

} // namespace
} // namespace kes
