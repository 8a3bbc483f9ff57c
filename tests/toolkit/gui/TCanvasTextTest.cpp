#include "toolkit/core/Cp932Codec.h"
#include "toolkit/gui/TBitmap.h"
#include "toolkit/gui/TFont.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace kes {
namespace {

constexpr int kWidth = 120;
constexpr int kHeight = 16;

// A white bitmap with a text run drawn in black, transparent unless `brush` is given.
QImage DrawRun(const TFont& font, const std::string& bytes, int x, int advance,
               TColor brush = clNone, TRect clip = Rect(0, 0, kWidth, kHeight)) {
    TBitmap bitmap;
    bitmap.SetSize(kWidth, kHeight);
    bitmap.Canvas()->FillRect(Rect(0, 0, kWidth, kHeight), clWhite);
    bitmap.Canvas()->TextOut(x, 1, clip, bytes, font, TFontStyles(), clBlack, brush,
                             brush != clNone, advance);
    return bitmap.Image().copy();
}

// The black pixels of a picture as a set of points, to compare glyph placement.
std::vector<QPoint> Ink(const QImage& image) {
    std::vector<QPoint> points;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == 0xFF000000)
                points.emplace_back(x, y);
    return points;
}

// The union of the ink of characters drawn one by one at the given cells.
std::vector<QPoint> InkOfCells(const TFont& font, const std::vector<std::string>& chars,
                               const std::vector<int>& cells, int advance) {
    QImage combined(kWidth, kHeight, QImage::Format_RGB32);
    combined.fill(Qt::white);
    for (size_t i = 0; i < chars.size(); ++i) {
        QImage one = DrawRun(font, chars[i], cells[i] * advance, advance);
        for (const QPoint& p : Ink(one))
            combined.setPixel(p, 0xFF000000);
    }
    return Ink(combined);
}

std::unique_ptr<TFont> Font(const char* name, int height) {
    auto font = std::make_unique<TFont>();
    font->SetName(name);
    font->SetHeight(height);
    return font;
}

TEST(TFont, FaceNamesOfTheOtherDesktopResolveToInstalledFonts) {
    std::unique_ptr<TFont> gothic = Font("ＭＳ ゴシック", 12);
    EXPECT_EQ(QFontInfo(gothic->ToQFont()).family(), "IPAGothic");
    TFontMetrics metrics = gothic->Metrics();
    EXPECT_EQ(metrics.AverageCharWidth, 6) << "half the width of a full-width character";
    EXPECT_EQ(metrics.Height, QFontMetrics(gothic->ToQFont()).height());
    EXPECT_GE(metrics.ExternalLeading, 0);
    EXPECT_EQ(QFontInfo(Font("ＭＳ Ｐゴシック", 12)->ToQFont()).family(), "IPAPGothic");
    EXPECT_TRUE(QFontInfo(Font("FixedSys", 12)->ToQFont()).fixedPitch());

    int changes = 0;
    struct Counter {
        int* count;
        void Changed(TObject*) { ++*count; }
    } counter{&changes};
    gothic->OnChange = MethodOf<&Counter::Changed>(&counter);
    gothic->SetHeight(12);
    gothic->SetStyle(TFontStyles(fsBold));
    std::unique_ptr<TFont> other = Font("FixedSys", 20);
    gothic->Assign(other.get());
    EXPECT_EQ(changes, 2) << "an unchanged value fires nothing, Assign fires once";
    EXPECT_EQ(gothic->Height(), 20);
    EXPECT_EQ(gothic->Size(), 15);
    EXPECT_TRUE(QFontInfo(gothic->ToQFont(TFontStyles(fsBold))).bold());
}

TEST(TCanvasTextOut, EveryByteAdvancesOneCellWhateverTheGlyphWidth) {
    // IPAGothic is 6 and 12 pixels wide at 12 pixels; cells of 9 pixels pull the glyphs apart,
    // and the proportional IPAPGothic in cells of 6 pushes its wide letters together.
    for (auto [name, advance] : {std::pair{"IPAGothic", 9}, std::pair{"IPAPGothic", 6}}) {
        SCOPED_TRACE(name);
        std::unique_ptr<TFont> owned = Font(name, 12);
        const TFont& font = *owned;
        std::string a = "W", kana = Utf8ToCp932("あ"), kanji = Utf8ToCp932("字"), half = "\xB1";
        std::vector<QPoint> run = Ink(DrawRun(font, a + kana + half + kanji + a, 0, advance));
        ASSERT_FALSE(run.empty());
        EXPECT_EQ(run, InkOfCells(font, {a, kana, half, kanji, a}, {0, 1, 3, 4, 6}, advance));
    }
}

TEST(TCanvasTextOut, OpaqueFillsTheClipAndTextStaysInsideIt) {
    std::unique_ptr<TFont> owned = Font("IPAGothic", 12);
    const TFont& font = *owned;
    QImage opaque = DrawRun(font, "HHHHHHHHHH", 0, 6, clRed, Rect(6, 0, 30, 14));
    EXPECT_EQ(opaque.pixel(5, 5), 0xFFFFFFFF) << "left of the clip";
    EXPECT_EQ(opaque.pixel(30, 5), 0xFFFFFFFF) << "right of the clip";
    EXPECT_EQ(opaque.pixel(6, 14), 0xFFFFFFFF) << "below the clip";
    EXPECT_EQ(opaque.pixel(6, 0), 0xFFFF0000) << "the brush";
    for (const QPoint& p : Ink(opaque))
        EXPECT_TRUE(QRect(6, 0, 24, 14).contains(p)) << p.x() << "," << p.y();
    EXPECT_FALSE(Ink(opaque).empty());

    QImage transparent = DrawRun(font, "HHHHHHHHHH", 0, 6, clNone, Rect(6, 0, 30, 14));
    EXPECT_EQ(Ink(transparent), Ink(opaque)) << "the same glyphs";
    EXPECT_EQ(transparent.pixel(6, 0), 0xFFFFFFFF) << "the background stays";
}

TEST(TCanvasTextOut, BytesOutsideTheCodePageShowInTheirCell) {
    std::unique_ptr<TFont> owned = Font("IPAGothic", 12);
    const TFont& font = *owned;
    for (std::string raw : {"\x80", "\xFF", "\xA0", "\xFD"}) {
        SCOPED_TRACE(static_cast<int>(static_cast<unsigned char>(raw[0])));
        QImage image = DrawRun(font, "a" + raw + "a", 0, 8);
        std::vector<QPoint> cell;
        for (const QPoint& p : Ink(image))
            if (p.x() >= 8 && p.x() < 16)
                cell.push_back(p);
        EXPECT_GE(cell.size(), 10u) << "a placeholder, not an empty cell";
        EXPECT_EQ(Ink(image), InkOfCells(font, {"a", raw, "a"}, {0, 1, 2}, 8))
            << "one cell for the byte, the next character after it";
    }
    EXPECT_EQ(Ink(DrawRun(font, "a\x82", 0, 8)), InkOfCells(font, {"a", "\x80"}, {0, 1}, 8))
        << "a lead byte at the end of the run shows like any other stray byte";
    EXPECT_EQ(Ink(DrawRun(font, "\x85@a", 0, 8)),
              InkOfCells(font, {"\x80", "@", "a"}, {0, 1, 2}, 8))
        << "an unassigned double-byte code is two characters of one cell";
    EXPECT_TRUE(Ink(DrawRun(font, " ", 0, 8)).empty());
}

TEST(TCanvasTextOut, AtMost1001BytesAreDrawn) {
    std::unique_ptr<TFont> owned = Font("IPAGothic", 12);
    const TFont& font = *owned;
    std::string text(1001, ' ');
    EXPECT_TRUE(Ink(DrawRun(font, text + "H", -1001, 1)).empty());
    EXPECT_FALSE(Ink(DrawRun(font, text.substr(1) + "H", -1000, 1)).empty());
}

} // namespace
} // namespace kes
