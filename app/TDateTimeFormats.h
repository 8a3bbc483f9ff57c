#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace kes {

class TStrings;

// The date-and-time list: the current instant written in eleven formats, for the user to pick
// one. The formats are written in the date-format language below and always read with Japanese
// regional settings, whatever the system's locale: the program writes posts for Japanese boards.
//
// The language: dddddd and ddddd are the long and short regional dates (yyyy年m月d日 and
// yyyy/mm/dd), tt and t the long and short regional times (h:nn:ss and h:nn); gg is the era's
// name and e the year in the era; yyyy, m, d, h, n, s are year, month, day, hour, minute and
// second without leading zeros (yyyy in four digits), mm, dd, hh, nn, ss with them, zzz the
// milliseconds in three digits; ampm writes 午前 or 午後, swallowing one blank after it, and
// puts the h, hh after it on a 12-hour clock (0:07 is 午前12時7分, 12:07 午後12時7分). Text between
// double quotes and every other character are copied as they are.
class TDateTimeFormats {
public:
    // The eleven formats in the order the list shows them.
    static QStringList Formats();
    // when written in format.
    static QString Format(QStringView format, const QDateTime& when);
    // when written in each of the eleven formats.
    static QStringList Texts(const QDateTime& when);
    // Texts(when) in code page 932, added to list (as the phrase window takes them).
    static void AddTexts(const QDateTime& when, TStrings& list);
};

} // namespace kes
