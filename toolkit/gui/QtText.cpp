#include "toolkit/gui/QtText.h"

#include "toolkit/core/Cp932Codec.h"

namespace kes {

QString Cp932ToQString(std::string_view bytes, bool restoreReferences) {
    std::u16string utf16 = Cp932ToUtf16(bytes, restoreReferences);
    return QString::fromUtf16(utf16.data(), static_cast<qsizetype>(utf16.size()));
}

std::string QStringToCp932(const QString& text) {
    return Utf16ToCp932(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()),
                                            static_cast<size_t>(text.size())));
}

} // namespace kes
