#include "toolkit/gui/ShellOpen.h"

#include "toolkit/gui/QtText.h"

#include <QDesktopServices>
#include <QUrl>

namespace kes {

std::string LinkWithScheme(std::string_view link) {
    if (link.starts_with("www."))
        return "http://" + std::string(link);
    return std::string(link);
}

bool ShellOpen(const std::string& link) {
    return QDesktopServices::openUrl(QUrl(Cp932ToQString(link), QUrl::TolerantMode));
}

} // namespace kes
