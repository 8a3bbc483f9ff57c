#include "toolkit/core/TLineSplitter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kes {
namespace {

using namespace std::string_literals;

// The lines as "text|B" (a break ended it) or "text|-".
std::vector<std::string> Split(std::string_view text, TLineSplit options = {}) {
    std::vector<std::string> lines;
    ForEachLine(text, options, [&](const TTextLine& line) {
        lines.push_back(std::string(line.text) + (line.broken ? "|B" : "|-"));
    });
    EXPECT_EQ(CountLines(text, options), lines.size()) << text;
    return lines;
}

using Lines = std::vector<std::string>;

TEST(TLineSplitter, EveryKindOfBreakEndsOneLineAndAFinalBreakStartsNone) {
    EXPECT_EQ(Split("a\r\nb\nc\rd"), (Lines{"a|B", "b|B", "c|B", "d|-"}));
    EXPECT_EQ(Split("a\n\rb"), (Lines{"a|B", "|B", "b|-"})) << "LF CR is two breaks";
    EXPECT_EQ(Split("a\r\r\nb\r"), (Lines{"a|B", "|B", "b|B"}));
    EXPECT_EQ(Split("\r\n"), (Lines{"|B"}));
    EXPECT_EQ(Split("x"), (Lines{"x|-"}));
}

TEST(TLineSplitter, NulAndEmptyTextAreTheCallersChoice) {
    const std::string withNul = "a\0b\nc"s;
    EXPECT_EQ(Split(withNul), (Lines{"a\0b|B"s, "c|-"}));
    EXPECT_EQ(Split(withNul, {.nulEndsText = true}), (Lines{"a|-"}));
    EXPECT_EQ(Split("a\n\0b"s, {.nulEndsText = true}), (Lines{"a|B"}));
    EXPECT_EQ(Split(""), Lines{});
    EXPECT_EQ(Split("", {.emptyTextIsALine = true}), (Lines{"|-"}));
    EXPECT_EQ(Split("\0x"s, {.nulEndsText = true, .emptyTextIsALine = true}), (Lines{"|-"}));
    EXPECT_EQ(Split("a", {.emptyTextIsALine = true}), (Lines{"a|-"}));
}

} // namespace
} // namespace kes
