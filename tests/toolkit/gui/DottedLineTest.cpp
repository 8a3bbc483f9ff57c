#include "toolkit/gui/QtColor.h"
#include "toolkit/gui/TBitmap.h"
#include "toolkit/gui/TDotLineCollection.h"

#include <QGuiApplication>
#include <QPalette>
#include <QScreen>

#include <gtest/gtest.h>

#include <string>

namespace kes {
namespace {

// One character per pixel of row y: 'o' dot colour, '.' background, '#' the canvas's own.
std::string Row(const TCanvas* canvas, int y, TColor dot, TColor bk) {
    std::string row;
    for (int x = 0; x < canvas->Width(); ++x) {
        TColor c = canvas->Pixel(x, y);
        row += c == dot ? 'o' : c == bk ? '.' : '#';
    }
    return row;
}

TEST(QtColor, TColorIsBlueGreenRed) {
    EXPECT_EQ(ToQColor(clRed), QColor(255, 0, 0));
    EXPECT_EQ(ToQColor(clBlue), QColor(0, 0, 255));
    EXPECT_EQ(ToQColor(0x123456), QColor(0x56, 0x34, 0x12));
    EXPECT_EQ(FromQColor(QColor(0x56, 0x34, 0x12)), 0x123456);
    EXPECT_EQ(ColorToRGB(clWindow), FromQColor(QGuiApplication::palette().color(QPalette::Base)));
    EXPECT_FALSE(IsSystemColor(ColorToRGB(clHighlight)));

    TBitmap bitmap;
    bitmap.SetSize(2, 1);
    bitmap.Canvas()->SetPixel(0, 0, 0x0080FF);
    EXPECT_EQ(QColor(bitmap.Image().pixel(0, 0)), QColor(0xFF, 0x80, 0x00)) << "orange";
    EXPECT_EQ(bitmap.Canvas()->Pixel(0, 0), 0x0080FF);
    EXPECT_EQ(bitmap.Canvas()->Pixel(2, 0), clNone) << "outside the bitmap";
}

TEST(TCanvas, FillAndCopyAreClippedAndExact) {
    TBitmap target;
    target.SetSize(4, 2);
    target.Canvas()->FillRect(Rect(-5, -5, 2, 9), clRed);
    EXPECT_EQ(Row(target.Canvas(), 1, clRed, clBlack), "oo..") << "new pixels are black";
    TBitmap source;
    source.SetSize(3, 1);
    source.Canvas()->SetPixel(0, 0, clWhite);
    source.Canvas()->SetPixel(1, 0, clBlue);
    source.Canvas()->SetPixel(2, 0, clWhite);
    source.Canvas()->SetPixel(5, 0, clBlue); // outside: ignored
    target.Canvas()->CopyRect(Rect(-1, 0, 2, 1), *source.Canvas(), Rect(0, 0, 3, 1));
    EXPECT_EQ(Row(target.Canvas(), 0, clBlue, clWhite), "o.##");
    target.Canvas()->CopyRect(Rect(2, 0, 4, 2), *source.Canvas(), Rect(1, 0, 2, 1));
    EXPECT_EQ(Row(target.Canvas(), 0, clBlue, clWhite), "o.oo") << "one pixel stretched to 2 x 2";
    EXPECT_EQ(Row(target.Canvas(), 1, clBlue, clWhite), "##oo");
    source.SetSize(1, 1);
    EXPECT_EQ(source.Canvas()->Pixel(0, 0), clWhite) << "resizing keeps what stays inside";
}

TEST(DrawDottedLine, DotsFallOnX1AndEverySecondPixelToX2) {
    TBitmap bitmap;
    bitmap.SetSize(14, 3);
    bitmap.Canvas()->FillRect(Rect(0, 0, 14, 3), clGreen);
    DrawDottedLine(bitmap.Canvas(), 5, 1, clWhite, clRed, 9);
    EXPECT_EQ(Row(bitmap.Canvas(), 1, clRed, clWhite), "#####o.o.o####");
    EXPECT_EQ(Row(bitmap.Canvas(), 0, clRed, clWhite), "##############");
    EXPECT_EQ(Row(bitmap.Canvas(), 2, clRed, clWhite), "##############");

    DrawDottedLine(bitmap.Canvas(), 3, 0, clWhite, clRed, 3);
    EXPECT_EQ(Row(bitmap.Canvas(), 0, clRed, clWhite), "###o##########") << "one pixel";
    DrawDottedLine(bitmap.Canvas(), 9, 2, clWhite, clRed, 8);
    EXPECT_EQ(Row(bitmap.Canvas(), 2, clRed, clWhite), "##############") << "x2 < x1 draws nothing";
}

TEST(DrawDottedLine, LinesReachingPastTheCanvasKeepTheirPhase) {
    TBitmap bitmap;
    bitmap.SetSize(8, 2);
    bitmap.Canvas()->FillRect(Rect(0, 0, 8, 2), clGreen);
    DrawDottedLine(bitmap.Canvas(), -3, 0, clBlack, clYellow, 100);
    EXPECT_EQ(Row(bitmap.Canvas(), 0, clYellow, clBlack), ".o.o.o.o");
    DrawDottedLine(bitmap.Canvas(), -4, 1, clBlack, clYellow, 5);
    EXPECT_EQ(Row(bitmap.Canvas(), 1, clYellow, clBlack), "o.o.o.##");
    DrawDottedLine(bitmap.Canvas(), 2, 7, clBlack, clYellow, 5); // below the canvas: ignored
}

TEST(DrawDottedLine, LongerThanTheCachedBitmap) {
    const int width = DotLineCache().DotLine(clLime, clNavy)->Bitmap()->Width() + 10;
    TBitmap bitmap;
    bitmap.SetSize(width, 1);
    DrawDottedLine(bitmap.Canvas(), 0, 0, clNavy, clLime, width - 1);
    EXPECT_EQ(bitmap.Canvas()->Pixel(width - 1, 0), (width - 1) % 2 == 0 ? clLime : clNavy);
    EXPECT_EQ(bitmap.Canvas()->Pixel(width - 2, 0), (width - 2) % 2 == 0 ? clLime : clNavy);
}

TEST(TDotLineCollection, OneItemPerColourPair) {
    TDotLineCollection& cache = DotLineCache();
    TDotLineItem* item = cache.DotLine(clRed, clWhite);
    int count = cache.Count();
    EXPECT_EQ(cache.DotLine(clRed, clWhite), item);
    EXPECT_EQ(cache.Count(), count);
    TDotLineItem* swapped = cache.DotLine(clWhite, clRed);
    EXPECT_NE(swapped, item) << "dot and background colours are not interchangeable";
    EXPECT_EQ(cache.Count(), count + 1);
    EXPECT_EQ(item->Bitmap()->Height(), 1);
    EXPECT_GE(item->Bitmap()->Width(), QGuiApplication::primaryScreen()->geometry().width());
    EXPECT_EQ(item->Bitmap()->Canvas()->Pixel(0, 0), clRed);
    EXPECT_EQ(item->Bitmap()->Canvas()->Pixel(1, 0), clWhite);
    EXPECT_EQ(swapped->Bitmap()->Canvas()->Pixel(0, 0), clWhite);

    TDotLineCollection copy;
    copy.Assign(&cache);
    ASSERT_EQ(copy.Count(), cache.Count());
    EXPECT_EQ(copy.Items(item->Index())->Color(), clRed);
    EXPECT_EQ(copy.Items(item->Index())->BkColor(), clWhite);
    EXPECT_EQ(copy.Items(item->Index())->Bitmap()->Image(), item->Bitmap()->Image());
}

} // namespace
} // namespace kes
