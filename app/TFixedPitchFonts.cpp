#include "app/TFixedPitchFonts.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontMetricsF>

#include <cmath>

namespace kes {

bool TFixedPitchFonts::IsFixedPitch(const QString& family) {
    QFont font(family);
    font.setPixelSize(24); // even, so a half-width cell is a whole number of pixels
    font.setKerning(false);
    font.setStyleStrategy(QFont::NoFontMerging);
    const QFontMetricsF metrics(font);
    const QString half = QString::fromUtf8("0iW m.|ｱ");
    const QString full = QString::fromUtf8("あ亜Ｗ　ア");
    const double cell = metrics.horizontalAdvance(half.at(0));
    if (cell <= 0)
        return false;
    for (QChar c : half)
        if (!metrics.inFont(c) || std::abs(metrics.horizontalAdvance(c) - cell) > 0.01)
            return false;
    for (QChar c : full)
        if (!metrics.inFont(c) || std::abs(metrics.horizontalAdvance(c) - 2 * cell) > 0.01)
            return false;
    return true;
}

const QStringList& TFixedPitchFonts::Families() {
    static const QStringList families = [] {
        QStringList list;
        for (const QString& family : QFontDatabase::families())
            if (!QFontDatabase::isPrivateFamily(family) && IsFixedPitch(family))
                list.append(family);
        return list;
    }();
    return families;
}

} // namespace kes
