#include "app/TDateTimeFormats.h"

#include "toolkit/core/TStrings.h"
#include "toolkit/gui/QtText.h"

namespace kes {

namespace {

// The eras of the Japanese calendar, newest first, from their first day.
struct TEra {
    int year;
    int month;
    int day;
    const char* name;
};
constexpr TEra kEras[] = {
    {2019, 5, 1, "令和"},  {1989, 1, 8, "平成"},  {1926, 12, 25, "昭和"},
    {1912, 7, 30, "大正"}, {1868, 1, 25, "明治"},
};
// Before the first era the Western year is written under its own name.
constexpr const char* kWesternEra = "西暦";

struct TEraYear {
    QString name;
    int year;
};

TEraYear EraYearOf(QDate date) {
    for (const TEra& era : kEras)
        if (date >= QDate(era.year, era.month, era.day))
            return {QString::fromUtf8(era.name), date.year() - era.year + 1};
    return {QString::fromUtf8(kWesternEra), date.year()};
}

enum class TSpecifier {
    LongDate,
    ShortDate,
    AmPm,
    Year,
    Milliseconds,
    Era,
    LongTime,
    Day2,
    Month2,
    Hour2,
    Minute2,
    Second2,
    Day,
    EraYear,
    Month,
    ShortTime,
    Hour,
    Minute,
    Second,
};

struct TSpecifierName {
    QStringView name;
    TSpecifier specifier;
};

// Longer names first, so that the first name matching at a place is the longest one there.
constexpr TSpecifierName kSpecifiers[] = {
    {u"dddddd", TSpecifier::LongDate},
    {u"ddddd", TSpecifier::ShortDate},
    {u"ampm", TSpecifier::AmPm},
    {u"yyyy", TSpecifier::Year},
    {u"zzz", TSpecifier::Milliseconds},
    {u"gg", TSpecifier::Era},
    {u"tt", TSpecifier::LongTime},
    {u"dd", TSpecifier::Day2},
    {u"mm", TSpecifier::Month2},
    {u"hh", TSpecifier::Hour2},
    {u"nn", TSpecifier::Minute2},
    {u"ss", TSpecifier::Second2},
    {u"d", TSpecifier::Day},
    {u"e", TSpecifier::EraYear},
    {u"m", TSpecifier::Month},
    {u"t", TSpecifier::ShortTime},
    {u"h", TSpecifier::Hour},
    {u"n", TSpecifier::Minute},
    {u"s", TSpecifier::Second},
};

// The Japanese regional settings.
constexpr QStringView kLongDate = u"yyyy\"年\"m\"月\"d\"日\"";
constexpr QStringView kShortDate = u"yyyy/mm/dd";
constexpr QStringView kLongTime = u"h:nn:ss";
constexpr QStringView kShortTime = u"h:nn";
constexpr QStringView kMorning = u"午前";
constexpr QStringView kAfternoon = u"午後";

const char* const kFormats[] = {
    "dddddd",
    "ddddd",
    "gge\"年\"m\"月\"d\"日\"",
    "tt",
    "t",
    "ampm h\"時\"n\"分\"",
    "h:n:s zzz",
    "ddddd tt",
    "ddddd t",
    "yyyy\"年\"m\"月\"d\"日\"  ampm h\"時\"n\"分\"",
    "gge\"年\"m\"月\"d\"日\"  ampm h\"時\"n\"分\"",
};

// Writes one instant in formats; the regional formats are read in the same way, sharing the
// 12-hour state with the format that names them.
class TFormatWriter {
public:
    explicit TFormatWriter(const QDateTime& when) : date_(when.date()), time_(when.time()) {}

    void Write(QStringView format) {
        qsizetype i = 0;
        while (i < format.size()) {
            if (format[i] == u'"') {
                qsizetype end = format.indexOf(u'"', i + 1);
                if (end < 0)
                    end = format.size();
                text_ += format.sliced(i + 1, end - i - 1);
                i = end + 1;
                continue;
            }
            const TSpecifierName* found = nullptr;
            for (const TSpecifierName& s : kSpecifiers)
                if (format.sliced(i).startsWith(s.name)) {
                    found = &s;
                    break;
                }
            if (!found) {
                text_ += format[i++];
                continue;
            }
            Put(found->specifier);
            i += found->name.size();
            // The designator is written against the hour: "ampm h" gives 午後3.
            if (found->specifier == TSpecifier::AmPm && i < format.size() && format[i] == u' ')
                ++i;
        }
    }

    const QString& Text() const { return text_; }

private:
    void Number(int value, int digits) {
        text_ += QStringLiteral("%1").arg(value, digits, 10, QLatin1Char('0'));
    }

    int Hour() const {
        const int hour = time_.hour();
        if (!twelveHour_)
            return hour;
        return hour % 12 == 0 ? 12 : hour % 12;
    }

    void Put(TSpecifier specifier) {
        switch (specifier) {
        case TSpecifier::LongDate:
            return Write(kLongDate);
        case TSpecifier::ShortDate:
            return Write(kShortDate);
        case TSpecifier::LongTime:
            return Write(kLongTime);
        case TSpecifier::ShortTime:
            return Write(kShortTime);
        case TSpecifier::AmPm:
            text_ += time_.hour() < 12 ? kMorning : kAfternoon;
            twelveHour_ = true;
            return;
        case TSpecifier::Era:
            text_ += EraYearOf(date_).name;
            return;
        case TSpecifier::EraYear:
            return Number(EraYearOf(date_).year, 1);
        case TSpecifier::Year:
            return Number(date_.year(), 4);
        case TSpecifier::Month:
        case TSpecifier::Month2:
            return Number(date_.month(), specifier == TSpecifier::Month2 ? 2 : 1);
        case TSpecifier::Day:
        case TSpecifier::Day2:
            return Number(date_.day(), specifier == TSpecifier::Day2 ? 2 : 1);
        case TSpecifier::Hour:
        case TSpecifier::Hour2:
            return Number(Hour(), specifier == TSpecifier::Hour2 ? 2 : 1);
        case TSpecifier::Minute:
        case TSpecifier::Minute2:
            return Number(time_.minute(), specifier == TSpecifier::Minute2 ? 2 : 1);
        case TSpecifier::Second:
        case TSpecifier::Second2:
            return Number(time_.second(), specifier == TSpecifier::Second2 ? 2 : 1);
        case TSpecifier::Milliseconds:
            return Number(time_.msec(), 3);
        }
    }

    QDate date_;
    QTime time_;
    bool twelveHour_ = false;
    QString text_;
};

} // namespace

QStringList TDateTimeFormats::Formats() {
    QStringList formats;
    for (const char* format : kFormats)
        formats.append(QString::fromUtf8(format));
    return formats;
}

QString TDateTimeFormats::Format(QStringView format, const QDateTime& when) {
    TFormatWriter writer(when);
    writer.Write(format);
    return writer.Text();
}

QStringList TDateTimeFormats::Texts(const QDateTime& when) {
    QStringList texts;
    for (const QString& format : Formats())
        texts.append(Format(format, when));
    return texts;
}

void TDateTimeFormats::AddTexts(const QDateTime& when, TStrings& list) {
    for (const QString& text : Texts(when))
        list.Add(QStringToCp932(text));
}

} // namespace kes
