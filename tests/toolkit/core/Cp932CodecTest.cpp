#include "toolkit/core/Cp932Codec.h"
#include "toolkit/core/Cp932.h"
#include "toolkit/core/Cp932Table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <iconv.h>
#include <random>
#include <string>
#include <vector>

namespace kes {
namespace {

std::string Bytes(unsigned code) {
    return {static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
}

bool IsDecodeOnly(unsigned code) {
    const char16_t* begin = cp932table::kDecodeOnly;
    const char16_t* end = begin + cp932table::kDecodeOnlyCount;
    return std::binary_search(begin, end, static_cast<char16_t>(code));
}

std::string Hex(std::string_view bytes) {
    std::string out;
    char buf[4];
    for (char c : bytes) {
        std::snprintf(buf, sizeof buf, "%02X ", static_cast<unsigned char>(c));
        out += buf;
    }
    return out;
}

template <class F> void ForEachDoubleByteCode(F f) {
    for (unsigned lead = 0x81; lead <= 0xFC; ++lead) {
        if (!IsLeadByte(static_cast<unsigned char>(lead)))
            continue;
        for (unsigned trail = 0x40; trail <= 0xFC; ++trail) {
            if (trail != 0x7F)
                f(lead << 8 | trail);
        }
    }
}

TEST(Cp932, CaseConversionChangesAsciiLettersOnly) {
    // 0x83 0x61 is "ダ" and 0x83 0x41 is "ア": their trail bytes are the letters 'a' and 'A'.
    EXPECT_EQ(Cp932UpperCase("a\x83\x61z\x82"), "A\x83\x61Z\x82");
    EXPECT_EQ(Cp932LowerCase("A\x83\x41Z\xE9"), "a\x83\x41z\xE9");
    EXPECT_EQ(Cp932CompareText("abc", "ABC"), 0);
    EXPECT_NE(Cp932CompareText("\x83\x41", "\x83\x61"), 0);
    EXPECT_LT(Cp932CompareText("ab", "ABC"), 0);
    EXPECT_GT(Cp932CompareText("b", "A"), 0);
    EXPECT_EQ(Cp932CompareText("x\x83\x41y", "X\x83\x41Y"), 0);
}

TEST(Cp932Codec, EveryDoubleByteCodeRoundTripsOrComesBackAsThePreferredCode) {
    int assigned = 0;
    int duplicates = 0;
    ForEachDoubleByteCode([&](unsigned code) {
        char32_t c = Cp932CharOfCode(code);
        if (c == 0)
            return;
        ++assigned;
        std::u32string decoded = Cp932ToUtf32(Bytes(code));
        ASSERT_EQ(decoded, std::u32string(1, c)) << std::hex << code;
        std::string back = Utf32ToCp932(decoded);
        if (!IsDecodeOnly(code)) {
            EXPECT_EQ(back, Bytes(code)) << std::hex << code;
            return;
        }
        ++duplicates;
        ASSERT_EQ(back.size(), 2u) << std::hex << code;
        unsigned preferred =
            static_cast<unsigned char>(back[0]) << 8 | static_cast<unsigned char>(back[1]);
        EXPECT_NE(preferred, code);
        EXPECT_FALSE(IsDecodeOnly(preferred)) << std::hex << code;
        EXPECT_EQ(Cp932CharOfCode(preferred), c) << std::hex << code;
    });
    EXPECT_EQ(assigned, 9604) << "the table lost or gained codes";
    EXPECT_EQ(duplicates, 398);
    EXPECT_EQ(static_cast<int>(cp932table::kDecodeOnlyCount), duplicates);
}

TEST(Cp932Codec, FollowsMicrosoftsMappingAndPreferences) {
    struct Case {
        unsigned code;
        char32_t c;
    };
    // Where Microsoft's code page 932 differs from JIS-based Shift_JIS tables.
    for (Case k :
         {Case{0x815F, 0xFF3C}, Case{0x8160, 0xFF5E}, Case{0x8161, 0x2225}, Case{0x817C, 0xFF0D},
          Case{0x8191, 0xFFE0}, Case{0x8192, 0xFFE1}, Case{0x81CA, 0xFFE2}, Case{0x8740, 0x2460},
          Case{0xED40, 0x7E8A}, Case{0xEEEF, 0x2170}, Case{0xF040, 0xE000}, Case{0xF9FC, 0xE757}}) {
        EXPECT_EQ(Cp932CharOfCode(k.code), k.c) << std::hex << k.code;
    }
    // Duplicates: JIS X 0208 first, then NEC row 13, then IBM, NEC-selected IBM last.
    for (Case k : {Case{0x81CA, 0xFFE2}, Case{0x81E6, 0x2235}, Case{0x8754, 0x2160},
                   Case{0x8782, 0x2116}, Case{0x878A, 0x3231}, Case{0xFA40, 0x2170},
                   Case{0xFA55, 0xFFE4}, Case{0xFA5C, 0x7E8A}, Case{0xFC4B, 0x9ED1}}) {
        EXPECT_EQ(Cp932CodeOfChar(k.c), static_cast<int>(k.code))
            << std::hex << static_cast<unsigned>(k.c);
    }
    EXPECT_EQ(Cp932ToUtf8("\\~\xA1\xDF"), "\\~\uFF61\uFF9F");
    EXPECT_EQ(Utf8ToCp932("\uFF61\uFF9F"), "\xA1\xDF");
}

TEST(Cp932Codec, CharactersOutsideTheCodePageTravelAsReferences) {
    const std::string text = "返信\U0001F600 ¥〜\u00E9!";
    const std::string bytes = Utf8ToCp932(text);
    EXPECT_EQ(bytes, "\x95\xD4\x90\x4D&#x1F600; &#xA5;&#x301C;&#xE9;!");
    EXPECT_EQ(Cp932ToUtf8(bytes), text);
    EXPECT_EQ(Cp932ToUtf8(bytes, false), "返信&#x1F600; &#xA5;&#x301C;&#xE9;!");

    const std::u16string utf16 = u"a\U0001F600b";
    EXPECT_EQ(Utf16ToCp932(utf16), "a&#x1F600;b");
    EXPECT_EQ(Cp932ToUtf16(Utf16ToCp932(utf16)), utf16);
}

TEST(Cp932Codec, OnlyTheEncodersOwnReferenceFormIsTurnedBack) {
    // Each of these must stay text: another spelling, or a character the code page holds
    // (the encoder would never have escaped it), or no character at all.
    for (std::string literal :
         {"&#x1f600;", "&#x01F600;", "&#128512;", "&#X1F600;", "&#x41;", "&#x3042;", "&#xE000;",
          "&#xF781;", "&#xD800;", "&#x110000;", "&#x1F600", "&#x;", "&#x1234567;", "&#", "&"}) {
        EXPECT_EQ(Cp932ToUtf8(literal), literal);
        EXPECT_EQ(Utf8ToCp932(Cp932ToUtf8(literal)), literal);
    }
    EXPECT_EQ(Cp932ToUtf8("&#xFFFD;&#x80;&#x10FFFF;"), "\uFFFD\u0080\U0010FFFF");
    EXPECT_EQ(Cp932ToUtf8("&&#x1F600;;"), "&\U0001F600;");
}

TEST(Cp932Codec, InvalidBytesShowAsRawCharactersAndSurviveARoundTrip) {
    struct Case {
        std::string bytes;
        std::u32string decoded;
    };
    const Case cases[] = {
        {"\x80", U"\uF780"},
        {"\xA0", U"\uF7A0"},
        {"\xFD\xFE\xFF", U"\uF7FD\uF7FE\uF7FF"},
        {"ab\x82", U"ab\uF782"},            // lead byte at the end
        {"\x82\r\n", U"\uF782\r\n"},        // a line break is never swallowed by a lead byte
        {"\x85\x40", U"\uF785@"},           // unassigned code, ASCII trail
        {"\x85\x81\x40", U"\uF785\uF781@"}, // unassigned code; 0x81 is its trail, not a lead
        {"\xEB\xA1", U"\uF7EB\uF7A1"},      // unassigned code with a katakana-range trail
        {"\x82\xA0\x82\xA2", U"\u3042\u3044"},
    };
    for (const Case& k : cases) {
        EXPECT_EQ(Cp932ToUtf32(k.bytes), k.decoded) << Hex(k.bytes);
        EXPECT_EQ(Utf8ToCp932(Cp932ToUtf8(k.bytes)), k.bytes) << Hex(k.bytes);
        EXPECT_EQ(Utf16ToCp932(Cp932ToUtf16(k.bytes)), k.bytes) << Hex(k.bytes);
    }
}

// The one character rule: a lead byte before CR, LF, NUL, another non-trail byte or the end of
// the text is a character of one byte, in the codec and in case folding alike.
TEST(Cp932, ALoneLeadByteNeverTakesTheNextByte) {
    using namespace std::string_literals;
    EXPECT_EQ(Cp932ToUtf32("\x82\n\x82\r\x82"), U"\uF782\n\uF782\r\uF782");
    EXPECT_EQ(Cp932ToUtf32("\x82\0a"s), U"\uF782\0a"s);
    EXPECT_EQ(Cp932ToUtf32("\x82\x7F\x82 "), U"\uF782\x7F\uF782 ");
    EXPECT_EQ(Cp932UpperCase("\x82\na\x83"
                             "a"),
              "\x82\nA\x83"
              "a")
        << "the 'a' after a line break is a letter; after 0x83 it is a trail byte";
    EXPECT_EQ(Cp932CompareText("\x82\na", "\x82\nA"), 0);
    EXPECT_EQ(CharLength("\x82\r\n", 0), 1u);
    EXPECT_TRUE(IsSecondByte("\x82\x82\x40", 1));
    EXPECT_FALSE(IsSecondByte("\x82\x82\n", 2));
}

TEST(Cp932Codec, RandomBytesRoundTrip) {
    const unsigned seed = 20261208;
    std::mt19937 random(seed);
    // Bytes drawn mostly from the interesting places: leads, trails, ASCII and the reference
    // characters.
    const std::string pool = "&#x;1F6A0\r\n@\x81\x82\x85\x87\x9F\xE0\xEB\xED\xEE\xF0\xFA\xFC\xFD"
                             "\xFF\x80\xA0\xA1\xDF\x40\x7E\x7F\x9E\xFB";
    for (int round = 0; round < 2000; ++round) {
        std::string bytes;
        int length = static_cast<int>(random() % 24);
        for (int i = 0; i < length; ++i) {
            bytes += random() % 4 == 0 ? static_cast<char>(random() % 256)
                                       : pool[random() % pool.size()];
        }
        SCOPED_TRACE("seed " + std::to_string(seed) + " round " + std::to_string(round) + ": " +
                     Hex(bytes));
        std::string utf8 = Cp932ToUtf8(bytes);
        std::string back = Utf8ToCp932(utf8);
        ASSERT_EQ(Cp932ToUtf8(back), utf8);
        ASSERT_EQ(Utf16ToCp932(Cp932ToUtf16(bytes)), back);
        // Bytes change only where a duplicate code came back as its preferred code.
        ASSERT_EQ(back.size(), bytes.size());
        for (size_t i = 0; i < bytes.size(); ++i) {
            if (back[i] == bytes[i])
                continue;
            auto pairAt = [&](size_t k) {
                return static_cast<unsigned char>(bytes[k]) << 8 |
                       static_cast<unsigned char>(bytes[k + 1]);
            };
            bool duplicate = (i + 1 < bytes.size() && IsDecodeOnly(pairAt(i))) ||
                             (i > 0 && IsDecodeOnly(pairAt(i - 1)));
            ASSERT_TRUE(duplicate) << "byte " << i << " changed";
        }
    }
}

TEST(Cp932Codec, MalformedUnicodeBecomesTheReplacementReference) {
    EXPECT_EQ(Utf8ToCp932("a\xE3\x81"), "a&#xFFFD;&#xFFFD;");             // cut short
    EXPECT_EQ(Utf8ToCp932("\xC0\xAF"), "&#xFFFD;&#xFFFD;");               // overlong "/"
    EXPECT_EQ(Utf8ToCp932("\xED\xA0\x80z"), "&#xFFFD;&#xFFFD;&#xFFFD;z"); // surrogate
    EXPECT_EQ(Utf8ToCp932("\xF4\x90\x80\x80"), "&#xFFFD;&#xFFFD;&#xFFFD;&#xFFFD;");
    EXPECT_EQ(Utf16ToCp932(std::u16string(u"x") + char16_t(0xD83D) + u"y"), "x&#xFFFD;y");
    EXPECT_EQ(Utf16ToCp932(std::u16string(1, char16_t(0xDE00))), "&#xFFFD;");
    EXPECT_EQ(Utf32ToCp932(std::u32string(1, char32_t(0x110000))), "&#xFFFD;");
}

// The C library's converter, where it has one, must agree with the committed table on every
// double-byte code in both directions. The GNU C library's "CP932" follows Microsoft's table
// and preferences exactly, so no difference is allowed; its JIS-based converters (SJIS,
// EUC-JP) would differ at 0x815F, 0x8160, 0x8161, 0x817C, 0x8191, 0x8192 and 0x81CA.
class Iconv {
public:
    Iconv(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Iconv() {
        if (ok())
            iconv_close(cd_);
    }
    bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
    bool Convert(std::string in, std::string& out) {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char buffer[16];
        char* inPtr = in.data();
        size_t inLeft = in.size();
        char* outPtr = buffer;
        size_t outLeft = sizeof buffer;
        if (iconv(cd_, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<size_t>(-1) || inLeft)
            return false;
        out.assign(buffer, static_cast<size_t>(outPtr - buffer));
        return true;
    }

private:
    iconv_t cd_;
};

TEST(Cp932Codec, AgreesWithTheCLibrarysConverter) {
    Iconv decoder("UTF-8", "CP932");
    Iconv encoder("CP932", "UTF-8");
    if (!decoder.ok() || !encoder.ok())
        GTEST_SKIP() << "the C library has no CP932 converter";
    std::vector<std::string> differences;
    ForEachDoubleByteCode([&](unsigned code) {
        std::string theirs;
        std::string ours = Cp932CharOfCode(code) ? Cp932ToUtf8(Bytes(code)) : std::string();
        if (!decoder.Convert(Bytes(code), theirs))
            theirs.clear();
        if (theirs != ours) {
            differences.push_back("decode " + Hex(Bytes(code)));
            return;
        }
        if (ours.empty())
            return;
        std::string encoded;
        if (!encoder.Convert(ours, encoded) || encoded != Utf8ToCp932(ours))
            differences.push_back("encode " + Hex(Bytes(code)));
    });
    for (unsigned b = 0x80; b <= 0xFF; ++b) {
        std::string theirs;
        std::string byte(1, static_cast<char>(b));
        bool defined = b >= 0xA1 && b <= 0xDF;
        if (!IsLeadByte(static_cast<unsigned char>(b)) && decoder.Convert(byte, theirs) != defined)
            differences.push_back("single byte " + Hex(byte));
    }
    std::string all;
    for (const auto& d : differences)
        all += d + "\n";
    EXPECT_TRUE(differences.empty()) << differences.size() << " differences:\n" << all;
}

} // namespace
} // namespace kes
