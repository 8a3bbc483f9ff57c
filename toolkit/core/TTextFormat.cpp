#include "toolkit/core/TTextFormat.h"

namespace kes {

std::string EncodingName(TTextEncoding encoding) {
    switch (encoding) {
    case teUtf8:
        return "UTF-8";
    case teUtf16LE:
        return "UTF-16LE";
    case teUtf16BE:
        return "UTF-16BE";
    case teCp932:
        break;
    }
    return "Shift_JIS";
}

std::string LineBreakName(TLineBreakStyle lineBreak) {
    switch (lineBreak) {
    case lbLF:
        return "LF";
    case lbCR:
        return "CR";
    case lbCRLF:
        break;
    }
    return "CRLF";
}

std::string TextFormatName(const TTextFormat& format) {
    std::string name = EncodingName(format.Encoding);
    if (format.Encoding == teUtf8 && format.ByteOrderMark)
        name += " BOM";
    return name + ' ' + LineBreakName(format.LineBreak);
}

} // namespace kes
