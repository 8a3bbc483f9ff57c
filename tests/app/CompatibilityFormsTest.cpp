// The post-safe conversion's tables against Qt's Unicode normalization (NFKC), which the Qt-free
// core cannot call.
#include "fountain/CompatibilityForms.h"
#include "fountain/BoardDangerousChars.h"
#include "fountain/PostSafeConversion.h"
#include "toolkit/core/Cp932.h"
#include "toolkit/core/Cp932Codec.h"

#include <QString>

#include <gtest/gtest.h>

namespace kes {
namespace {

QString Nfkc(const QString& text) {
    return text.normalized(QString::NormalizationForm_KC);
}

TEST(CompatibilityForms, AreTheNfkcFormsOfEveryPlatformDependentCharacter) {
    int listed = 0;
    for (unsigned lead = 0x81; lead <= 0xFC; ++lead) {
        for (unsigned trail = 0x40; trail <= 0xFC; ++trail) {
            if (!IsLeadByte(static_cast<unsigned char>(lead)) ||
                !IsTrailByte(static_cast<unsigned char>(trail)) ||
                !IsPlatformDependent(lead, trail))
                continue;
            const char32_t c = Cp932CharOfCode(lead << 8 | trail);
            if (c == 0)
                continue;
            const QString character = QString::fromUcs4(&c, 1);
            const QString form = Nfkc(character);
            const std::string expected = form == character ? "" : form.toStdString();
            EXPECT_EQ(CompatibilityForm(c), expected) << std::hex << (lead << 8 | trail);
            listed += expected.empty() ? 0 : 1;
        }
    }
    EXPECT_GT(listed, 100);
}

// Half-width kana with a sound mark after them come out as NFKC composes them, the marks that
// stay alone as the spacing "゛" and "゜"; where NFKC composes a character that code page 932
// lacks (ﾜﾞ is ヷ), the kana and the mark are converted one by one.
TEST(CompatibilityForms, HalfWidthKanaComeOutAsNfkcComposesThem) {
    const auto spacing = [](QString text) {
        return text.replace(QChar(0x3099), QChar(0x309B)).replace(QChar(0x309A), QChar(0x309C));
    };
    for (int b = 0xA1; b <= 0xDF; ++b) {
        for (int mark : {0, 0xDE, 0xDF}) {
            std::string input(1, static_cast<char>(b));
            if (mark != 0)
                input += static_cast<char>(mark);
            QString expected = spacing(Nfkc(QString::fromStdString(Cp932ToUtf8(input))));
            if (Utf8ToCp932(expected.toStdString()).find("&#x") != std::string::npos)
                expected = spacing(Nfkc(QString::fromStdString(Cp932ToUtf8(input.substr(0, 1)))) +
                                   Nfkc(QString::fromStdString(Cp932ToUtf8(input.substr(1)))));
            EXPECT_EQ(QString::fromStdString(Cp932ToUtf8(MakePostSafe(input).text)), expected)
                << std::hex << b << " " << mark;
        }
    }
}

} // namespace
} // namespace kes
