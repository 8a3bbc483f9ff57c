#pragma once

#include <QString>

#include <string>
#include <string_view>

class QMimeData;

namespace kes {

// Text of the editor (code page 932, CR LF line breaks) in the data the desktop passes between
// programs: the clipboard and drag and drop. Other programs get Unicode text with LF line
// breaks (characters outside the code page as "&#x...;"); beside it a private MIME type of our
// own carries the exact bytes followed by a zero byte, so text that goes from one editor to
// another comes back byte for byte.
class TMimeText {
public:
    // The Unicode text other programs read.
    static QString DesktopText(std::string_view text);
    // Whether data holds text: Unicode text or the exact bytes under exactFormat.
    static bool HasText(const QMimeData& data, const char* exactFormat);
    // The text of data: the exact bytes under exactFormat (up to their zero byte) when data
    // holds them, else its Unicode text with every CR, LF and CR LF made CR LF; empty when it
    // holds neither.
    static std::string Text(const QMimeData& data, const char* exactFormat);
    // Puts text into data both ways: as Unicode text and as the exact bytes under exactFormat.
    static void SetText(QMimeData& data, std::string_view text, const char* exactFormat);
};

} // namespace kes
