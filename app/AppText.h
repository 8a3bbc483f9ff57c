#pragma once

#include <QString>

namespace kes {

// The program's own texts are written in the sources as UTF-8.
inline QString U(const char* utf8) {
    return QString::fromUtf8(utf8);
}

} // namespace kes
