#include "editor/TEditorResources.h"
#include "toolkit/gui/TBitmap.h"

#include <QByteArray>
#include <QImage>

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace kes {
namespace {

// Picture `index` of list drawn on green: '.' where the green shows through, 'o' elsewhere.
std::string Drawn(const TImageList& list, int index) {
    TBitmap bitmap;
    bitmap.SetSize(list.Width() + 2, list.Height() + 2);
    bitmap.Canvas()->FillRect(Rect(0, 0, bitmap.Width(), bitmap.Height()), clLime);
    list.Draw(bitmap.Canvas(), 1, 1, index);
    std::string text;
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x)
            text += bitmap.Canvas()->Pixel(x, y) == clLime ? '.' : 'o';
    return text;
}

TEST(TImageList, TransparentPixelsLeaveTheCanvasAsItWas) {
    TImageList list(3, 2);
    QImage picture(4, 2, QImage::Format_RGB32);
    picture.fill(0xFFFF0000);
    picture.setPixel(1, 0, 0xFF0000FF);
    picture.setPixel(2, 1, 0xFF000000);
    list.Add(picture, 0xFFFF0000);
    ASSERT_EQ(list.Count(), 1);
    EXPECT_EQ(list.Image(0).size(), QSize(3, 2)) << "cut to the list's size";
    EXPECT_EQ(Drawn(list, 0), "....."
                              "..o.."
                              "...o."
                              ".....");
    EXPECT_EQ(Drawn(list, 1), std::string(20, '.')) << "an index out of range draws nothing";
    EXPECT_EQ(Drawn(list, -1), std::string(20, '.'));
}

TEST(TEditorResources, EveryMarkPictureIsItsOwnAndLeavesItsBorderTransparent) {
    for (const TImageList* list : {&BuiltInDigitMarks(), &BuiltInPictureMarks()}) {
        std::set<QByteArray> pictures;
        for (int i = 0; i < list->Count(); ++i) {
            std::string drawn = Drawn(*list, i);
            EXPECT_NE(drawn.find('o'), std::string::npos) << i;
            EXPECT_EQ(drawn.substr(0, static_cast<size_t>(list->Width()) + 2),
                      std::string(static_cast<size_t>(list->Width()) + 2, '.'));
            EXPECT_EQ(drawn[static_cast<size_t>(list->Width()) + 2], '.') << "the corner";
            const QImage& image = list->Image(i);
            pictures.insert(
                QByteArray(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes()));
        }
        EXPECT_EQ(static_cast<int>(pictures.size()), list->Count());
    }
    EXPECT_EQ(BuiltInDigitMarks().Count(), 10);
    EXPECT_EQ(BuiltInPictureMarks().Count(), 6);
    EXPECT_EQ(&BuiltInDigitMarks(), &BuiltInDigitMarks()) << "made once";
}

} // namespace
} // namespace kes
