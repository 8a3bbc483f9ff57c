#include "toolkit/gui/QtCursor.h"

#include "textmodel/TEditorCursors.h"

#include <QImage>
#include <QPixmap>

#include <string_view>

namespace kes {

namespace {

constexpr int kCursorSize = 32;

// The usual arrow, tip at the top left: 'B' outline, 'W' fill, anything else transparent.
constexpr std::string_view kArrow[] = {
    "B",           "BB",           "BWB",         "BWWB",        "BWWWB",
    "BWWWWB",      "BWWWWWB",      "BWWWWWWB",    "BWWWWWWWB",   "BWWWWWWWWB",
    "BWWWWWWWWWB", "BWWWWWWBBBBB", "BWWWBWWB",    "BWWB BWWB",   "BWB  BWWB",
    "BB    BWWB",  "B     BWWB",   "       BWWB", "       BWWB", "        BB",
};

// A small box with a plus, the mark of a copy.
constexpr std::string_view kPlusBox[] = {
    "BBBBBBBBBBB", "BWWWWWWWWWB", "BWWWWBWWWWB", "BWWWWBWWWWB", "BWWWWBWWWWB", "BWBBBBBBBWB",
    "BWWWWBWWWWB", "BWWWWBWWWWB", "BWWWWBWWWWB", "BWWWWWWWWWB", "BBBBBBBBBBB",
};

template <size_t N>
void Stamp(QImage& image, const std::string_view (&rows)[N], int left, int top, bool mirror) {
    for (size_t row = 0; row < N; ++row) {
        for (size_t col = 0; col < rows[row].size(); ++col) {
            char c = rows[row][col];
            if (c != 'B' && c != 'W')
                continue;
            int x = mirror ? left - static_cast<int>(col) : left + static_cast<int>(col);
            image.setPixel(x, top + static_cast<int>(row), c == 'B' ? 0xFF000000 : 0xFFFFFFFF);
        }
    }
}

QImage EmptyCursorImage() {
    QImage image(kCursorSize, kCursorSize, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}

QCursor RightArrowCursor() {
    QImage image = EmptyCursorImage();
    Stamp(image, kArrow, kCursorSize - 1, 0, true);
    return QCursor(QPixmap::fromImage(image), kCursorSize - 1, 0);
}

QCursor DragCopyCursor() {
    QImage image = EmptyCursorImage();
    Stamp(image, kArrow, 0, 0, false);
    Stamp(image, kPlusBox, 12, 19, false);
    return QCursor(QPixmap::fromImage(image), 0, 0);
}

} // namespace

QCursor CursorOf(TCursor cursor) {
    switch (cursor) {
    case crIBeam:
        return QCursor(Qt::IBeamCursor);
    case crDrag:
        return QCursor(Qt::DragMoveCursor);
    case crHandPoint:
        return QCursor(Qt::PointingHandCursor);
    case crRightArrow: {
        static const QCursor rightArrow = RightArrowCursor();
        return rightArrow;
    }
    case crDragSelCopy: {
        static const QCursor dragCopy = DragCopyCursor();
        return dragCopy;
    }
    default:
        return QCursor(Qt::ArrowCursor);
    }
}

} // namespace kes
