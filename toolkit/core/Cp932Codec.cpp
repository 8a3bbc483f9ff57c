#include "toolkit/core/Cp932Codec.h"

#include "toolkit/core/Cp932.h"
#include "toolkit/core/Cp932Table.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace kes {

namespace {

using cp932table::kDoubleByte;
using cp932table::kTrailCount;

constexpr char32_t kReplacement = 0xFFFD;
constexpr char32_t kHalfWidthKatakana = 0xFF61; // the character of byte 0xA1

int TableIndex(unsigned char lead, unsigned char trail) {
    int row = lead <= 0x9F ? lead - 0x81 : lead - 0xE0 + 31;
    return row * kTrailCount + (trail - 0x40);
}

char32_t Raw(unsigned char b) {
    return kRawByteBase + b;
}

// Unicode (Basic Multilingual Plane) to double-byte code, 0 where there is none; built from
// the table on first use, leaving out the decode-only duplicates.
const std::vector<std::uint16_t>& EncodeTable() {
    static const std::vector<std::uint16_t> table = [] {
        std::vector<std::uint16_t> codes(0x10000, 0);
        const char16_t* decodeOnly = cp932table::kDecodeOnly;
        const char16_t* decodeOnlyEnd = decodeOnly + cp932table::kDecodeOnlyCount;
        for (unsigned lead = 0x81; lead <= 0xFC; ++lead) {
            if (!IsLeadByte(static_cast<unsigned char>(lead)))
                continue;
            for (unsigned trail = 0x40; trail <= 0xFC; ++trail) {
                char16_t c = kDoubleByte[TableIndex(static_cast<unsigned char>(lead),
                                                    static_cast<unsigned char>(trail))];
                auto code = static_cast<char16_t>(lead << 8 | trail);
                if (c != 0 && !std::binary_search(decodeOnly, decodeOnlyEnd, code))
                    codes[c] = code;
            }
        }
        return codes;
    }();
    return table;
}

bool IsHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F');
}

// The reference the encoder writes for a character code page 932 cannot hold, at text[pos]:
// "&#x" + 1-6 upper-case hex digits, no leading zero, ";". Returns its length, or 0 when the
// text there is anything else or names a character the encoder would not have escaped.
size_t ParseReference(std::string_view text, size_t pos, char32_t& c) {
    if (text.substr(pos, 3) != "&#x")
        return 0;
    size_t p = pos + 3;
    if (p >= text.size() || text[p] == '0')
        return 0;
    char32_t value = 0;
    size_t digits = 0;
    while (p < text.size() && IsHexDigit(text[p]) && digits < 6) {
        char d = text[p++];
        value = value * 16 + static_cast<char32_t>(d <= '9' ? d - '0' : d - 'A' + 10);
        ++digits;
    }
    if (digits == 0 || p >= text.size() || text[p] != ';')
        return 0;
    if (value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF) || Cp932CodeOfChar(value) >= 0)
        return 0;
    c = value;
    return p + 1 - pos;
}

// Decodes the whole text, handing each character to put.
template <class Put> void Decode(std::string_view text, bool restoreReferences, Put put) {
    size_t i = 0;
    const size_t n = text.size();
    while (i < n) {
        auto b = static_cast<unsigned char>(text[i]);
        if (b < 0x80) {
            char32_t c = 0;
            size_t length = b == '&' && restoreReferences ? ParseReference(text, i, c) : 0;
            if (length > 0) {
                put(c);
                i += length;
            } else {
                put(b);
                ++i;
            }
        } else if (b >= 0xA1 && b <= 0xDF) {
            put(kHalfWidthKatakana + (b - 0xA1));
            ++i;
        } else if (CharLength(text, i) == 2) {
            auto trail = static_cast<unsigned char>(text[i + 1]);
            char32_t c = kDoubleByte[TableIndex(b, trail)];
            if (c != 0) {
                put(c);
                i += 2;
            } else {
                // An unassigned code: both bytes stay visible as raw bytes. A trail byte below
                // 0x80 is an ASCII character and shows as itself.
                put(Raw(b));
                if (trail >= 0x80) {
                    put(Raw(trail));
                    i += 2;
                } else {
                    ++i;
                }
            }
        } else {
            put(Raw(b));
            ++i;
        }
    }
}

void AppendHex(std::string& out, char32_t c) {
    char digits[8];
    int n = 0;
    do {
        digits[n++] = "0123456789ABCDEF"[c % 16];
        c /= 16;
    } while (c != 0);
    while (n > 0)
        out += digits[--n];
}

void Encode(char32_t c, std::string& out) {
    if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        c = kReplacement;
    int code = Cp932CodeOfChar(c);
    if (code < 0) {
        out += "&#x";
        AppendHex(out, c);
        out += ';';
    } else if (code < 0x100) {
        out += static_cast<char>(code);
    } else {
        out += static_cast<char>(code >> 8);
        out += static_cast<char>(code & 0xFF);
    }
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

void AppendUtf16(std::u16string& out, char32_t c) {
    if (c < 0x10000) {
        out += static_cast<char16_t>(c);
    } else {
        c -= 0x10000;
        out += static_cast<char16_t>(0xD800 + (c >> 10));
        out += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
    }
}

// One UTF-8 character at text[pos]: its value and length; a byte that does not start a
// well-formed sequence (overlong, surrogate, beyond U+10FFFF, cut short) counts as one
// replacement character.
char32_t NextUtf8(std::string_view text, size_t pos, size_t& length) {
    auto byte = [&](size_t k) { return static_cast<unsigned char>(text[pos + k]); };
    unsigned char b = byte(0);
    length = 1;
    if (b < 0x80)
        return b;
    size_t need;
    char32_t c;
    char32_t min;
    if (b >= 0xC2 && b <= 0xDF) {
        need = 1, c = b & 0x1F, min = 0x80;
    } else if (b >= 0xE0 && b <= 0xEF) {
        need = 2, c = b & 0x0F, min = 0x800;
    } else if (b >= 0xF0 && b <= 0xF4) {
        need = 3, c = b & 0x07, min = 0x10000;
    } else {
        return kReplacement;
    }
    if (pos + need >= text.size())
        return kReplacement;
    for (size_t k = 1; k <= need; ++k) {
        if ((byte(k) & 0xC0) != 0x80)
            return kReplacement;
        c = c << 6 | (byte(k) & 0x3F);
    }
    if (c < min || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return kReplacement;
    length = need + 1;
    return c;
}

} // namespace

char32_t Cp932CharOfCode(unsigned code) {
    auto lead = static_cast<unsigned char>(code >> 8);
    auto trail = static_cast<unsigned char>(code & 0xFF);
    if (code > 0xFFFF || !IsLeadByte(lead) || !IsTrailByte(trail))
        return 0;
    return kDoubleByte[TableIndex(lead, trail)];
}

int Cp932CodeOfChar(char32_t c) {
    if (c < 0x80)
        return static_cast<int>(c);
    if (c >= kHalfWidthKatakana && c <= kHalfWidthKatakana + (0xDF - 0xA1))
        return static_cast<int>(c - kHalfWidthKatakana + 0xA1);
    if (c >= kRawByteBase + 0x80 && c <= kRawByteBase + 0xFF)
        return static_cast<int>(c - kRawByteBase);
    if (c >= 0x10000)
        return -1;
    std::uint16_t code = EncodeTable()[c];
    return code != 0 ? code : -1;
}

std::u32string Cp932ToUtf32(std::string_view bytes, bool restoreReferences) {
    std::u32string out;
    out.reserve(bytes.size());
    Decode(bytes, restoreReferences, [&](char32_t c) { out += c; });
    return out;
}

std::string Utf32ToCp932(std::u32string_view text) {
    std::string out;
    out.reserve(text.size() * 2);
    for (char32_t c : text)
        Encode(c, out);
    return out;
}

std::string Cp932ToUtf8(std::string_view bytes, bool restoreReferences) {
    std::string out;
    out.reserve(bytes.size() * 3 / 2);
    Decode(bytes, restoreReferences, [&](char32_t c) { AppendUtf8(out, c); });
    return out;
}

std::string Utf8ToCp932(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    size_t pos = 0;
    while (pos < utf8.size()) {
        size_t length = 1;
        Encode(NextUtf8(utf8, pos, length), out);
        pos += length;
    }
    return out;
}

bool IsWellFormedUtf8(std::string_view bytes) {
    size_t pos = 0;
    while (pos < bytes.size()) {
        size_t length = 1;
        NextUtf8(bytes, pos, length);
        // A malformed sequence reads as one byte of replacement; a well-formed character of
        // one byte is ASCII.
        if (length == 1 && static_cast<unsigned char>(bytes[pos]) >= 0x80)
            return false;
        pos += length;
    }
    return true;
}

std::u16string Cp932ToUtf16(std::string_view bytes, bool restoreReferences) {
    std::u16string out;
    out.reserve(bytes.size());
    Decode(bytes, restoreReferences, [&](char32_t c) { AppendUtf16(out, c); });
    return out;
}

std::string Utf16ToCp932(std::u16string_view utf16) {
    std::string out;
    out.reserve(utf16.size() * 2);
    for (size_t i = 0; i < utf16.size(); ++i) {
        char32_t c = utf16[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 &&
            utf16[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (utf16[i + 1] - 0xDC00);
            ++i;
        }
        Encode(c, out);
    }
    return out;
}

} // namespace kes
