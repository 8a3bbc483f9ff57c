#pragma once

#include <cstdint>
#include <string>

namespace kes {

// The encodings a text file may come in. The editor always holds code page 932; the others
// are converted on the way in and out.
enum TTextEncoding : uint8_t {
    teCp932 = 0,
    teUtf8 = 1,
    teUtf16LE = 2,
    teUtf16BE = 3,
};

// The line break a file writes between its lines.
enum TLineBreakStyle : uint8_t {
    lbCRLF = 0,
    lbLF = 1,
    lbCR = 2,
};

// How a text is written to a file: its encoding, whether a byte-order mark starts the file
// (never for code page 932) and its line break. The default is the program's own format, the
// format of the draft files and of text from anywhere but a file.
struct TTextFormat {
    TTextEncoding Encoding = teCp932;
    bool ByteOrderMark = false;
    TLineBreakStyle LineBreak = lbCRLF;

    bool operator==(const TTextFormat&) const = default;
};

// The names the person sees: "Shift_JIS", "UTF-8", "UTF-16LE", "UTF-16BE"; "CRLF", "LF",
// "CR"; and a whole format as "UTF-8 LF", "UTF-8 BOM LF" (the mark is named for UTF-8 only,
// where a file may or may not have it).
std::string EncodingName(TTextEncoding encoding);
std::string LineBreakName(TLineBreakStyle lineBreak);
std::string TextFormatName(const TTextFormat& format);

} // namespace kes
