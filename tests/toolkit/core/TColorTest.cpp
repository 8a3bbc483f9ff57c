#include "toolkit/core/TColor.h"
#include "toolkit/core/Exception.h"

#include <gtest/gtest.h>

namespace kes {
namespace {

TEST(TColor, NamesAndValuesOfTheTable) {
    struct Case {
        TColor color;
        const char* name;
    };
    for (Case k :
         {Case{0x000000, "clBlack"}, Case{0x0000FF, "clRed"}, Case{0x00FF00, "clLime"},
          Case{0xFF0000, "clBlue"}, Case{0xC0DCC0, "clMoneyGreen"}, Case{0xF0CAA6, "clSkyBlue"},
          Case{0xF0FBFF, "clCream"}, Case{0xA4A0A0, "clMedGray"}, Case{0x1FFFFFFF, "clNone"},
          Case{0x20000000, "clDefault"}, Case{SystemColor(0), "clScrollBar"},
          Case{SystemColor(24), "clInfoBk"}, Case{SystemColor(26), "clHotLight"},
          Case{SystemColor(30), "clMenuBar"}}) {
        EXPECT_EQ(ColorToString(k.color), k.name);
        EXPECT_EQ(StringToColor(k.name), k.color) << k.name;
    }
    // Every system colour index of the table has a name that reads back; 25 has none.
    for (int index = 0; index <= 30; ++index) {
        std::string text = ColorToString(SystemColor(index));
        EXPECT_EQ(text.rfind(index == 25 ? "$" : "cl", 0), 0u) << index << ": " << text;
        EXPECT_EQ(StringToColor(text), SystemColor(index)) << text;
    }
    EXPECT_EQ(static_cast<std::uint32_t>(clHotLight), 0x8000001Au);
}

TEST(TColor, UnnamedColoursAreEightHexDigits) {
    EXPECT_EQ(ColorToString(0x123456), "$00123456");
    EXPECT_EQ(ColorToString(0x00ABCDEF), "$00ABCDEF");
    EXPECT_EQ(ColorToString(-2), "$FFFFFFFE");
    EXPECT_EQ(ColorToString(SystemColor(31)), "$8000001F");
}

TEST(TColor, ReadsNamesIgnoringCaseDecimalAndDollarHex) {
    EXPECT_EQ(StringToColor("CLRED"), clRed);
    EXPECT_EQ(StringToColor("clwindowtext"), clWindowText);
    EXPECT_EQ(StringToColor("$0000FF00"), clLime) << "a hand-edited value reads as the colour";
    EXPECT_EQ(ColorToString(StringToColor("$0000FF00")), "clLime");
    EXPECT_EQ(StringToColor("$ff"), clRed);
    EXPECT_EQ(StringToColor("65280"), clLime);
    EXPECT_EQ(StringToColor("-1"), -1);
    EXPECT_EQ(StringToColor(" +12"), 12);
    EXPECT_EQ(StringToColor("$FFFFFFFF"), -1);
    EXPECT_EQ(StringToColor("$80000005"), clWindow);
    EXPECT_EQ(StringToColor("-2147483648"), INT32_MIN);
    EXPECT_EQ(StringToColor("2147483647"), INT32_MAX);
}

TEST(TColor, AnythingElseIsAConversionError) {
    for (const char* bad : {"", " ", "red", "clRedd", "12a", "$", "$G0", "0x10", "$100000000",
                            "2147483648", "-2147483649", "1.5", "12 ", "--1", "\x82\xA0"}) {
        EXPECT_THROW(StringToColor(bad), EConvertError) << '"' << bad << '"';
    }
    try {
        StringToColor("\x90\xD4"); // 赤
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "'赤' は有効な整数値ではありません") << "the message is UTF-8";
    }
}

} // namespace
} // namespace kes
