#include "toolkit/gui/TClipboard.h"

#include "toolkit/gui/QtText.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include <memory>

namespace kes {

// The private "TEditor Box Type" format under a MIME type of our own.
const char* const TClipboard::BoxFormat = "application/x-teditor-box-type";

namespace {

const QMimeData* ClipboardData() {
    return qGuiApp ? QGuiApplication::clipboard()->mimeData() : nullptr;
}

// Every CR, LF and CR LF of text becomes `lineBreak`.
QString WithLineBreaks(const QString& text, QStringView lineBreak) {
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        QChar c = text[i];
        if (c == u'\r' || c == u'\n') {
            result += lineBreak;
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
        } else {
            result += c;
        }
    }
    return result;
}

QString DesktopText(std::string_view text) {
    return WithLineBreaks(Cp932ToQString(text), u"\n");
}

} // namespace

bool TClipboard::HasText() {
    const QMimeData* data = ClipboardData();
    return data && (data->hasText() || data->hasFormat(BoxFormat));
}

bool TClipboard::HasBoxFormat() {
    const QMimeData* data = ClipboardData();
    return data && data->hasFormat(BoxFormat);
}

std::string TClipboard::Text() {
    const QMimeData* data = ClipboardData();
    if (!data)
        return {};
    if (data->hasFormat(BoxFormat)) {
        QByteArray bytes = data->data(BoxFormat);
        qsizetype end = bytes.indexOf('\0');
        return std::string(bytes.constData(), static_cast<size_t>(end < 0 ? bytes.size() : end));
    }
    if (!data->hasText())
        return {};
    return QStringToCp932(WithLineBreaks(data->text(), u"\r\n"));
}

void TClipboard::SetText(std::string_view text) {
    if (!qGuiApp)
        return;
    auto data = std::make_unique<QMimeData>();
    data->setText(DesktopText(text));
    QGuiApplication::clipboard()->setMimeData(data.release());
}

void TClipboard::SetBoxText(std::string_view text) {
    if (!qGuiApp)
        return;
    auto data = std::make_unique<QMimeData>();
    data->setText(DesktopText(text));
    QByteArray bytes(text.data(), static_cast<qsizetype>(text.size()));
    bytes.append('\0');
    data->setData(BoxFormat, bytes);
    QGuiApplication::clipboard()->setMimeData(data.release());
}

} // namespace kes
