#include "fountain/PostSafeConversion.h"
#include "fountain/BoardDangerousChars.h"
#include "toolkit/core/Cp932.h"
#include "toolkit/core/Cp932Codec.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace kes {
namespace {

std::string Sj(std::string_view utf8) {
    return Utf8ToCp932(utf8);
}

std::string Code(unsigned code) {
    std::string bytes;
    if (code > 0xFF)
        bytes += static_cast<char>(code >> 8);
    bytes += static_cast<char>(code & 0xFF);
    return bytes;
}

// Every double-byte code whose bytes form one character, with a flag for the dangerous ones.
template <class Visit> void ForEachDoubleByteCode(Visit visit) {
    for (unsigned lead = 0x81; lead <= 0xFC; ++lead)
        for (unsigned trail = 0x40; trail <= 0xFC; ++trail)
            if (IsLeadByte(static_cast<unsigned char>(lead)) &&
                IsTrailByte(static_cast<unsigned char>(trail)))
                visit(lead << 8 | trail, IsPlatformDependent(lead, trail));
}

TEST(PostSafeConversion, SafeTextStaysByteForByte) {
    std::string text;
    for (int b = 0; b < 0x80; ++b)
        text += static_cast<char>(b);
    text += "\r\n\r\n\n\r";
    ForEachDoubleByteCode([&text](unsigned code, bool dangerous) {
        if (!dangerous)
            text += Code(code);
    });
    ASSERT_EQ(CountBoardDangerous(text), 0u);
    const TPostSafeResult result = MakePostSafe(text);
    EXPECT_EQ(result.text, text);
    EXPECT_EQ(result.converted, 0u);
    EXPECT_TRUE(result.unconvertible.empty());
}

// Every code alone and before each sound mark is compared with Qt's normalization in
// tests/app/CompatibilityFormsTest.cpp.
TEST(PostSafeConversion, HalfWidthKanaBecomeFullWidthWithTheirSoundMarksComposed) {
    EXPECT_EQ(MakePostSafe(Sj("ｶﾞｲﾄﾞ ﾊﾟﾝ ｳﾞｨ ｱﾞ ﾜﾞ ﾟ｡｢｣､･ｰ")).text,
              Sj("ガイド パン ヴィ ア゛ ワ゛ ゜。「」、・ー"));
}

TEST(PostSafeConversion, PlatformDependentCharactersBecomeTheirSafeForms) {
    const std::pair<const char*, const char*> cases[] = {
        {"①⑩⑳", "(1)(10)(20)"}, {"㈱", "(株)"},   {"Ⅳ", "IV"},  {"ⅲ", "iii"},
        {"㍉㌔", "ミリキロ"},   {"㎏㎡", "kgm2"}, {"№", "No"},  {"℡", "TEL"},
        {"㍻", "平成"},         {"＇＂", "'\""},  {"￢", "￢"},
    };
    for (auto [from, to] : cases) {
        const TPostSafeResult result = MakePostSafe(Sj(from));
        EXPECT_EQ(Cp932ToUtf8(result.text), to) << from;
        EXPECT_TRUE(result.unconvertible.empty()) << from;
    }
    // The NEC copies of these come out at their JIS X 0208 codes, as do the IBM ones of ⅰ
    // (as "i") and ∵.
    const std::string nec = "\x87\x90\x87\x91\x87\x92\x87\x95\x87\x96\x87\x97\x87\x9A\x87\x9B"
                            "\x87\x9C\xFA\x40\xFA\x5B\xEE\xF9";
    EXPECT_EQ(MakePostSafe(nec).text, "\x81\xE0\x81\xDF\x81\xE7\x81\xE3\x81\xDB\x81\xDA\x81\xE6"
                                      "\x81\xBF\x81\xBE"
                                      "i\x81\xE6\x81\xCA");
}

TEST(PostSafeConversion, CharactersWithoutASafeFormStayAndAreReported) {
    // ∮ ∑ ∟ ⊿, 髙 and 﨑 at their IBM codes, a user-defined character, an unassigned code,
    // and bytes that are no character: a 0xFD, a lead byte before a line break.
    const std::string text = Sj("ｱ∮∑∟⊿") + "\xFB\xFC\xFA\xB1\xF0\x40\x85\x40\xFD" + "x\x88\r\n";
    const TPostSafeResult result = MakePostSafe(text);
    EXPECT_EQ(result.text, Sj("ア") + text.substr(1));
    EXPECT_EQ(result.converted, 1u);
    EXPECT_EQ(result.unconvertible, (std::vector<size_t>{2, 4, 6, 8, 10, 12, 14, 16, 18, 20}));
    EXPECT_EQ(result.converted + result.unconvertible.size(), CountBoardDangerous(text));
}

TEST(PostSafeConversion, EveryPlatformDependentCodeIsReplacedSafelyOrReported) {
    size_t reported = 0;
    ForEachDoubleByteCode([&reported](unsigned code, bool dangerous) {
        if (!dangerous)
            return;
        const std::string text = "x" + Code(code) + "y";
        const TPostSafeResult result = MakePostSafe(text);
        ASSERT_EQ(result.converted + result.unconvertible.size(), 1u) << std::hex << code;
        if (result.converted == 1) {
            EXPECT_EQ(CountBoardDangerous(result.text), 0u) << std::hex << code;
            EXPECT_EQ(result.text.find("&#x"), std::string::npos) << std::hex << code;
            EXPECT_EQ(result.text.front(), 'x');
            EXPECT_EQ(result.text.back(), 'y');
        } else {
            EXPECT_EQ(result.text, text);
            EXPECT_EQ(result.unconvertible, std::vector<size_t>{1});
            ++reported;
        }
    });
    EXPECT_GT(reported, 0u);
}

} // namespace
} // namespace kes
