#pragma once

#include "toolkit/gui/QtText.h"

#include <QFile>
#include <QString>

#include <stdexcept>
#include <string>
#include <string_view>

namespace kes::test {

inline std::string Cp932(const char* utf8) {
    return QStringToCp932(QString::fromUtf8(utf8));
}

// Hand-written settings files: the text is UTF-8 here and CP932 in the file.
inline void WriteFileBytes(const QString& path, std::string_view bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw std::runtime_error("cannot write " + path.toStdString());
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

inline std::string ReadFileBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "<missing>";
    return file.readAll().toStdString();
}

} // namespace kes::test
