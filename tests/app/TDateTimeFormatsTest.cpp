#include "app/TDateTimeFormats.h"

#include <gtest/gtest.h>

namespace kes {
namespace {

QString U(const char* utf8) {
    return QString::fromUtf8(utf8);
}

QDateTime At(int y, int mo, int d, int h, int mi, int s = 0, int ms = 0) {
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s, ms));
}

TEST(TDateTimeFormats, ElevenTextsInJapaneseRegionalSettings) {
    const QStringList texts = TDateTimeFormats::Texts(At(2004, 3, 5, 15, 7, 3, 42));
    const QStringList expected{U("2004年3月5日"),
                               U("2004/03/05"),
                               U("平成16年3月5日"),
                               U("15:07:03"),
                               U("15:07"),
                               U("午後3時7分"),
                               U("15:7:3 042"),
                               U("2004/03/05 15:07:03"),
                               U("2004/03/05 15:07"),
                               U("2004年3月5日  午後3時7分"),
                               U("平成16年3月5日  午後3時7分")};
    EXPECT_EQ(texts, expected);
}

TEST(TDateTimeFormats, ErasChangeOnTheirFirstDay) {
    const QString format = U("gge\"年\"m\"月\"d\"日\"");
    struct Case {
        QDate date;
        const char* text;
    };
    for (const Case& c :
         {Case{QDate(1868, 1, 24), "西暦1868年1月24日"}, Case{QDate(1868, 1, 25), "明治1年1月25日"},
          Case{QDate(1912, 7, 29), "明治45年7月29日"}, Case{QDate(1912, 7, 30), "大正1年7月30日"},
          Case{QDate(1926, 12, 24), "大正15年12月24日"},
          Case{QDate(1926, 12, 25), "昭和1年12月25日"}, Case{QDate(1989, 1, 7), "昭和64年1月7日"},
          Case{QDate(1989, 1, 8), "平成1年1月8日"}, Case{QDate(2019, 4, 30), "平成31年4月30日"},
          Case{QDate(2019, 5, 1), "令和1年5月1日"}})
        EXPECT_EQ(TDateTimeFormats::Format(format, QDateTime(c.date, QTime(0, 0))), U(c.text))
            << c.date.toString(Qt::ISODate).toStdString();
}

TEST(TDateTimeFormats, AmPmPutsTheFollowingHourOnATwelveHourClock) {
    const QString format = U("ampm h\"時\"n\"分\"");
    EXPECT_EQ(TDateTimeFormats::Format(format, At(2020, 1, 1, 0, 7)), U("午前12時7分"));
    EXPECT_EQ(TDateTimeFormats::Format(format, At(2020, 1, 1, 11, 59)), U("午前11時59分"));
    EXPECT_EQ(TDateTimeFormats::Format(format, At(2020, 1, 1, 12, 7)), U("午後12時7分"));
    EXPECT_EQ(TDateTimeFormats::Format(format, At(2020, 1, 1, 23, 0)), U("午後11時0分"));
    // An hour before ampm, and any hour without it, stays on the 24-hour clock.
    EXPECT_EQ(TDateTimeFormats::Format(u"h ampm h", At(2020, 1, 1, 0, 7)), U("0 午前12"));
    EXPECT_EQ(TDateTimeFormats::Format(u"t", At(2020, 1, 1, 0, 7)), U("0:07"));
}

TEST(TDateTimeFormats, QuotedTextAndUnknownLettersAreCopied) {
    const QDateTime when = At(1999, 12, 31, 23, 59, 58, 7);
    EXPECT_EQ(TDateTimeFormats::Format(u"\"dd mm\" dd-mm [x] zzz", when), U("dd mm 31-12 [x] 007"));
    // A quote left open takes the rest of the format as text.
    EXPECT_EQ(TDateTimeFormats::Format(u"yyyy\"h:n", when), U("1999h:n"));
    EXPECT_EQ(TDateTimeFormats::Format(u"", when), QString());
    EXPECT_EQ(TDateTimeFormats::Format(u"yyyy", At(33, 1, 1, 0, 0)), U("0033"));
}

} // namespace
} // namespace kes
