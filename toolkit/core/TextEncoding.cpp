#include "toolkit/core/TextEncoding.h"

#include "toolkit/core/Cp932Codec.h"
#include "toolkit/core/TLineSplitter.h"

#include <array>

namespace kes {

namespace {

constexpr char16_t kReplacement = 0xFFFD;

std::string_view ByteOrderMark(TTextEncoding encoding) {
    switch (encoding) {
    case teUtf8:
        return "\xEF\xBB\xBF";
    case teUtf16LE:
        return "\xFF\xFE";
    case teUtf16BE:
        return "\xFE\xFF";
    case teCp932:
        break;
    }
    return {};
}

bool HasNonAscii(std::string_view bytes) {
    for (char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80)
            return true;
    return false;
}

std::u16string Utf16Units(std::string_view bytes, bool bigEndian) {
    std::u16string units;
    units.reserve(bytes.size() / 2 + 1);
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
        auto first = static_cast<unsigned char>(bytes[i]);
        auto second = static_cast<unsigned char>(bytes[i + 1]);
        units += static_cast<char16_t>(bigEndian ? first << 8 | second : second << 8 | first);
    }
    if (bytes.size() % 2 != 0)
        units += kReplacement;
    return units;
}

std::string Utf16Bytes(std::u16string_view units, bool bigEndian) {
    std::string bytes;
    bytes.reserve(units.size() * 2);
    for (char16_t unit : units) {
        const auto high = static_cast<char>(unit >> 8);
        const auto low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    }
    return bytes;
}

std::string_view LineBreakText(TLineBreakStyle lineBreak) {
    switch (lineBreak) {
    case lbLF:
        return "\n";
    case lbCR:
        return "\r";
    case lbCRLF:
        break;
    }
    return "\r\n";
}

} // namespace

TTextEncoding DetectEncoding(std::string_view bytes) {
    for (TTextEncoding encoding : {teUtf8, teUtf16LE, teUtf16BE})
        if (HasByteOrderMark(bytes, encoding))
            return encoding;
    return HasNonAscii(bytes) && IsWellFormedUtf8(bytes) ? teUtf8 : teCp932;
}

bool HasByteOrderMark(std::string_view bytes, TTextEncoding encoding) {
    const std::string_view mark = ByteOrderMark(encoding);
    return !mark.empty() && bytes.starts_with(mark);
}

std::string DecodeText(std::string_view bytes, TTextEncoding encoding) {
    if (HasByteOrderMark(bytes, encoding))
        bytes.remove_prefix(ByteOrderMark(encoding).size());
    switch (encoding) {
    case teUtf8:
        return Utf8ToCp932(bytes);
    case teUtf16LE:
    case teUtf16BE:
        return Utf16ToCp932(Utf16Units(bytes, encoding == teUtf16BE));
    case teCp932:
        break;
    }
    return std::string(bytes);
}

TLineBreakStyle DetectLineBreak(std::string_view text, TTextEncoding encoding) {
    std::array<size_t, 3> counts{};
    std::array<size_t, 3> firstLine{};
    size_t line = 0;
    ForEachLine(text, {}, [&](const TTextLine& l) {
        ++line;
        if (!l.broken)
            return;
        const size_t end = static_cast<size_t>(l.text.data() - text.data()) + l.text.size();
        const TLineBreakStyle style = text[end] == '\n'                                ? lbLF
                                      : end + 1 < text.size() && text[end + 1] == '\n' ? lbCRLF
                                                                                       : lbCR;
        if (counts[style]++ == 0)
            firstLine[style] = line;
    });
    TLineBreakStyle best = encoding == teUtf8 ? lbLF : lbCRLF;
    size_t bestCount = 0;
    for (TLineBreakStyle style : {lbCRLF, lbLF, lbCR}) {
        if (counts[style] > bestCount ||
            (counts[style] == bestCount && bestCount > 0 && firstLine[style] < firstLine[best])) {
            best = style;
            bestCount = counts[style];
        }
    }
    return best;
}

std::string EncodeText(std::string_view text, const TTextFormat& format) {
    std::string lines;
    if (format.LineBreak == lbCRLF) {
        lines = text;
    } else {
        lines.reserve(text.size());
        const std::string_view lineBreak = LineBreakText(format.LineBreak);
        ForEachLine(text, {}, [&](const TTextLine& line) {
            lines += line.text;
            if (line.broken)
                lines += lineBreak;
        });
    }
    std::string bytes(format.ByteOrderMark ? ByteOrderMark(format.Encoding) : std::string_view());
    switch (format.Encoding) {
    case teUtf8:
        return bytes + Cp932ToUtf8(lines);
    case teUtf16LE:
    case teUtf16BE:
        return bytes + Utf16Bytes(Cp932ToUtf16(lines), format.Encoding == teUtf16BE);
    case teCp932:
        break;
    }
    return lines;
}

} // namespace kes
