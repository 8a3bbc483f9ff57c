#include "app/TToolIcons.h"
#include "app/TAppIconPainter.h"

#include <QFile>
#include <QImage>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <vector>

namespace kes {
namespace {

// The share of the picture's pixels that are drawn (not fully transparent).
double PaintedShare(const QImage& image) {
    int painted = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            painted += qAlpha(image.pixel(x, y)) != 0;
    return double(painted) / (image.width() * image.height());
}

QImage Picture(const QIcon& icon, int size) {
    return icon.pixmap(QSize(size, size)).toImage().convertToFormat(QImage::Format_ARGB32);
}

TEST(TToolIcons, EveryCommandHasItsOwnPictureAtBothSizes) {
    const QStringList names = TToolIcons::ActionNames();
    for (const char* name :
         {"ClearEditor", "CopyToclipboard", "DDTempLoadMenu", "DDTempSaveMenu", "Undo", "Redo",
          "CutClipboard", "CopyClipboard", "PasteClipboard", "InsertFS", "InsertDateTime",
          "Configure", "HelpContents", "GotoBBS", "SaveFile", "LoadFile"})
        EXPECT_TRUE(names.contains(QString::fromLatin1(name))) << name;
    std::vector<QImage> small;
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        const QIcon icon = TToolIcons::Icon(name);
        ASSERT_FALSE(icon.isNull());
        EXPECT_TRUE(icon.availableSizes().contains(QSize(16, 16)));
        EXPECT_TRUE(icon.availableSizes().contains(QSize(32, 32)));
        for (int size : {16, 32}) {
            const QImage image = Picture(icon, size);
            EXPECT_EQ(image.size(), QSize(size, size));
            // Something legible, not a speck and not a filled square.
            EXPECT_GT(PaintedShare(image), 0.2) << size;
            EXPECT_LT(PaintedShare(image), 0.95) << size;
        }
        small.push_back(Picture(icon, 16));
    }
    // No two commands share a picture.
    for (std::size_t i = 0; i < small.size(); ++i)
        for (std::size_t j = i + 1; j < small.size(); ++j)
            EXPECT_NE(small[i], small[j])
                << names[i].toStdString() << " " << names[j].toStdString();
}

TEST(TToolIcons, CommandsWithoutAPictureGetANullIcon) {
    EXPECT_TRUE(TToolIcons::Icon("AppExit").isNull());
    EXPECT_TRUE(TToolIcons::Icon("").isNull());
    EXPECT_TRUE(TToolIcons::Icon("undo").isNull());
}

TEST(TToolIcons, TheWindowIconHasEveryDesktopSize) {
    const QIcon icon = TToolIcons::AppIcon();
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        EXPECT_TRUE(icon.availableSizes().contains(QSize(size, size))) << size;
        EXPECT_GT(PaintedShare(Picture(icon, size)), 0.3) << size;
    }
}

// The installed icon is what the desktop shows; the window icon paints it on the same grid.
TEST(TToolIcons, TheInstalledIconIsAnSvgOnTheWindowIconsGrid) {
    QFile file(QStringLiteral(KES_SOURCE_DIR "/desktop/kestrelpad.svg"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    ASSERT_TRUE(xml.readNextStartElement());
    EXPECT_EQ(xml.name(), QStringLiteral("svg"));
    const QString grid = QString::number(TAppIconPainter::GridSize);
    EXPECT_EQ(xml.attributes().value("viewBox"), QStringLiteral("0 0 %1 %1").arg(grid));
    while (!xml.atEnd())
        xml.readNext();
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
}

} // namespace
} // namespace kes
