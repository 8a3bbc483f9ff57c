#include "tools/ToolRunner.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Result {
    int exitCode;
    std::string out;
};

// Runs kespad-tool with the arguments; the input goes in through a file, or through standard
// input when asked.
Result RunWrapTool(const std::string& args, const std::string& input, bool viaStdin = false) {
    std::string path = kes::test::WriteTestFile("wrap-input.txt", input);
    kes::test::ToolResult result =
        kes::test::RunKespadTool(args + (viaStdin ? " < " : " ") + path, true);
    return {result.exitCode, result.out};
}

std::string Letters(int n) {
    std::string s;
    for (int i = 0; i < n; ++i)
        s += static_cast<char>('a' + i % 26);
    return s;
}

TEST(WrapCommand, PrintsEveryScreenRowWithHowItEnds) {
    std::string text = Letters(25) + "\r\n\r\n" + Letters(10) + " " + Letters(14);
    Result r = RunWrapTool("wrap --width 20", text);
    EXPECT_EQ(r.exitCode, 0) << r.out;
    EXPECT_EQ(r.out, "C\t" + Letters(20) + "\nL\t" + Letters(25).substr(20) + "\nL\t\n" + "C\t" +
                         (Letters(10) + " " + Letters(14)).substr(0, 20) + "\nT\t" +
                         Letters(14).substr(9) + "\n");
    r = RunWrapTool("wrap --width 20 --word-break", text, true);
    EXPECT_EQ(r.exitCode, 0) << r.out;
    EXPECT_NE(r.out.find("C\t" + Letters(10) + " \nT\t" + Letters(14) + "\n"), std::string::npos)
        << r.out;
    r = RunWrapTool("wrap --no-wrap", text);
    EXPECT_EQ(r.out, "L\t" + Letters(25) + "\nL\t\nT\t" + Letters(10) + " " + Letters(14) + "\n");
}

TEST(WrapCommand, OptionsAreClampedAsTheEditorClampsThem) {
    // A width below 20 is 20; a tab width of 3 is 2, so a tab at column 0 takes two columns.
    Result r = RunWrapTool("wrap --width 5 --tab 3", "\t" + Letters(19));
    EXPECT_EQ(r.out, "C\t\t" + Letters(18) + "\nT\t" + Letters(19).substr(18) + "\n");
    std::string closing = Letters(19) + "\x81\x76"; // 」
    r = RunWrapTool("wrap --width 20 --leading --follow-retmark", closing);
    EXPECT_EQ(r.out, "C\t" + Letters(18) + "\nT\t" + Letters(19).substr(18) + "\x81\x76\n");
    r = RunWrapTool("wrap --width 20 --follow-punctuation", Letters(20) + "\x81\x42" + "z"); // 。
    EXPECT_EQ(r.out, "C\t" + Letters(20) + "\x81\x42\nT\tz\n");
    // Numbers beyond an int are clamped like any other out-of-range value.
    r = RunWrapTool("wrap --width 99999999999", Letters(251));
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "C\t" + Letters(250) + "\nT\t" + Letters(251).substr(250) + "\n");
    r = RunWrapTool("wrap --width -99999999999", Letters(21));
    EXPECT_EQ(r.out, "C\t" + Letters(20) + "\nT\t" + Letters(21).substr(20) + "\n");
}

TEST(WrapCommand, UnreadableInputExitsWith2) {
    Result r = RunWrapTool("wrap /nonexistent/kespad-file", "", true);
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.out.find("/nonexistent/kespad-file"), std::string::npos) << r.out;
    r = RunWrapTool("wrap", std::string("a\0b", 3));
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.out.find("NUL"), std::string::npos) << r.out;
    r = RunWrapTool("wrap --width", "x");
    EXPECT_EQ(r.exitCode, 2);
    r = RunWrapTool("wrap --bogus", "x");
    EXPECT_EQ(r.exitCode, 2);
}

TEST(WrapCommand, TokensCanBeShownOverWrappedRows) {
    Result r = RunWrapTool("tokens --fountain editor --wrap 20", Letters(30));
    EXPECT_EQ(r.exitCode, 0) << r.out;
    // The word straddles the cut: row 1 starts with the carried rest of it.
    EXPECT_EQ(r.out, "0\t0\t30\t11\n1\t0\t10\t11\n");
    r = RunWrapTool("tokens --wrap x", "a");
    EXPECT_EQ(r.exitCode, 2);
}

} // namespace
