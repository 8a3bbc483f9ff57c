#include "toolkit/gui/TClipboard.h"
#include "toolkit/core/Cp932Codec.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include <gtest/gtest.h>

#include <string>

namespace kes {
namespace {

QString DesktopText() {
    return QGuiApplication::clipboard()->text();
}

void SetDesktopText(const QString& text) {
    QGuiApplication::clipboard()->setText(text);
}

TEST(TClipboard, JapaneseTextAndLineBreaksCrossTheEdge) {
    std::string text = Utf8ToCp932("日本語の\r\nテキスト\r\n");
    TClipboard::SetText(text);
    EXPECT_EQ(DesktopText(), QString::fromUtf8("日本語の\nテキスト\n"));
    EXPECT_TRUE(TClipboard::HasText());
    EXPECT_FALSE(TClipboard::HasBoxFormat());
    EXPECT_EQ(TClipboard::Text(), text);

    TClipboard::SetText("a\rb\r\n\r\nc");
    EXPECT_EQ(DesktopText(), "a\nb\n\nc") << "a lone CR is a line break too";

    SetDesktopText(QString::fromUtf8("一\r二\n三\r\n\n四\r"));
    EXPECT_EQ(TClipboard::Text(), Utf8ToCp932("一\r\n二\r\n三\r\n\r\n四\r\n"));
}

TEST(TClipboard, AnEmojiIsACharacterOnTheDesktopAndAReferenceHere) {
    SetDesktopText(QString::fromUtf8("笑顔😀です"));
    std::string ours = TClipboard::Text();
    EXPECT_EQ(ours, Utf8ToCp932("笑顔") + "&#x1F600;" + Utf8ToCp932("です"));
    TClipboard::SetText(ours);
    EXPECT_EQ(DesktopText(), QString::fromUtf8("笑顔😀です"));
    TClipboard::SetText("&#x41;&#x1f600;");
    EXPECT_EQ(DesktopText(), "&#x41;&#x1f600;") << "other references stay as typed";
}

TEST(TClipboard, ABoxSurvivesByteForByte) {
    std::string box = "\x82\xA0\x80\xFF\r\n\x81\r\n" + Utf8ToCp932("表") + "\xFD\x85\x40";
    TClipboard::SetBoxText(box);
    EXPECT_TRUE(TClipboard::HasBoxFormat());
    EXPECT_EQ(TClipboard::Text(), box);
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    EXPECT_EQ(data->data(TClipboard::BoxFormat), QByteArray(box.data(), box.size()) + '\0');
    EXPECT_TRUE(DesktopText().startsWith(QString::fromUtf8("あ"))) << "other programs get text";
    EXPECT_FALSE(DesktopText().contains('\r'));

    auto* odd = new QMimeData;
    odd->setData(TClipboard::BoxFormat, QByteArray("ab\0cd", 5));
    QGuiApplication::clipboard()->setMimeData(odd);
    EXPECT_TRUE(TClipboard::HasText()) << "the box format alone is text";
    EXPECT_EQ(TClipboard::Text(), "ab") << "the first zero ends the box";

    SetDesktopText("plain");
    EXPECT_FALSE(TClipboard::HasBoxFormat()) << "a new text from elsewhere is no box";
    QGuiApplication::clipboard()->clear();
    EXPECT_FALSE(TClipboard::HasText());
    EXPECT_EQ(TClipboard::Text(), "");
}

} // namespace
} // namespace kes
