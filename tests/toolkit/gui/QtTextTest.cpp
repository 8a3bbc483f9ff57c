#include "toolkit/gui/QtText.h"

#include <gtest/gtest.h>

namespace kes {
namespace {

TEST(QtText, Cp932AndQStringMeetWithoutLoss) {
    const std::string bytes =
        "\x82\xA0\x85\x40&#x1F600;\xFF"; // あ, an unassigned code, emoji, 0xFF
    QString text = Cp932ToQString(bytes);
    EXPECT_EQ(text, QString::fromUtf8("あ\uF785@\U0001F600\uF7FF"));
    EXPECT_EQ(text.size(), 6) << "the emoji is one surrogate pair";
    EXPECT_EQ(QStringToCp932(text), bytes);
    EXPECT_EQ(QStringToCp932(QString::fromUtf8("表\u00A0")), "\x95\x5C&#xA0;");
    EXPECT_EQ(Cp932ToQString(bytes, false).size(), 13) << "the reference stays nine characters";
}

} // namespace
} // namespace kes
