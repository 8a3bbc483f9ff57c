#include "toolkit/gui/TMimeText.h"

#include "toolkit/gui/QtText.h"

#include <QByteArray>
#include <QMimeData>

namespace kes {

namespace {

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

} // namespace

QString TMimeText::DesktopText(std::string_view text) {
    return WithLineBreaks(Cp932ToQString(text), u"\n");
}

bool TMimeText::HasText(const QMimeData& data, const char* exactFormat) {
    return data.hasText() || data.hasFormat(exactFormat);
}

std::string TMimeText::Text(const QMimeData& data, const char* exactFormat) {
    if (data.hasFormat(exactFormat)) {
        const QByteArray bytes = data.data(exactFormat);
        const qsizetype end = bytes.indexOf('\0');
        return std::string(bytes.constData(), static_cast<size_t>(end < 0 ? bytes.size() : end));
    }
    if (!data.hasText())
        return {};
    return QStringToCp932(WithLineBreaks(data.text(), u"\r\n"));
}

void TMimeText::SetText(QMimeData& data, std::string_view text, const char* exactFormat) {
    data.setText(DesktopText(text));
    QByteArray bytes(text.data(), static_cast<qsizetype>(text.size()));
    bytes.append('\0');
    data.setData(exactFormat, bytes);
}

} // namespace kes
