#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace kes {

// CP932 text to and from Qt's strings, with the conversion rules of Cp932Codec (raw bytes
// as U+F780-U+F7FF, characters outside the code page as "&#x...;").
QString Cp932ToQString(std::string_view bytes, bool restoreReferences = true);
std::string QStringToCp932(const QString& text);

} // namespace kes
