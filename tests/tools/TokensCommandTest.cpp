#include "tools/ToolRunner.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Result {
    int exitCode;
    std::string out;
};

// Runs kespad-tool with the given arguments (and a file holding input, when given).
Result RunTool(const std::string& args, const std::string* input = nullptr) {
    std::string command = args;
    if (input)
        command += " " + kes::test::WriteTestFile("tokens-input.txt", *input);
    kes::test::ToolResult result = kes::test::RunKespadTool(command, true);
    return {result.exitCode, result.out};
}

TEST(TokensCommand, PrintsEveryTokenOfEveryRowWithTheMailSchemeByDefault) {
    // Rows: a level-2 quotation; あ漢 between words; a MIME word left open over the CR LF;
    // a comment line; a Ctrl-Z ends the text.
    std::string text = ">> q\nab \x82\xA0\x8A\xBF =?x\r\n?= http://a.jp\r|c\x1A>> lost";
    Result r = RunTool("tokens", &text);
    EXPECT_EQ(r.exitCode, 0) << r.out;
    EXPECT_EQ(r.out, "0\t0\t4\t52\n"
                     "1\t0\t2\t11\n"
                     "1\t3\t2\t16\n"
                     "1\t5\t2\t18\n"
                     "1\t8\t3\t6\n"
                     "2\t0\t2\t6\n"
                     "2\t3\t11\t21\n"
                     "3\t0\t2\t7\n");
}

TEST(TokensCommand, EditorSchemeAndLineBreaks) {
    std::string text = "a 1\n\n'b'\r\n";
    Result r = RunTool("tokens --fountain editor", &text);
    EXPECT_EQ(r.exitCode, 0) << r.out;
    EXPECT_EQ(r.out, "0\t0\t1\t11\n0\t2\t1\t3\n2\t0\t1\t1\n2\t1\t1\t11\n2\t2\t1\t1\n");
    std::string mail = "'b'";
    EXPECT_EQ(RunTool("tokens --fountain mail", &mail).out,
              "0\t0\t1\t1\n0\t1\t1\t11\n0\t2\t1\t1\n");
}

TEST(TokensCommand, FailuresExitWithTwoAndAMessage) {
    Result missing = RunTool("tokens /nonexistent/kestrelpad-input.txt");
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_NE(missing.out.find("/nonexistent/kestrelpad-input.txt"), std::string::npos);
    Result scheme = RunTool("tokens --fountain plain");
    EXPECT_EQ(scheme.exitCode, 2);
    EXPECT_NE(scheme.out.find("plain"), std::string::npos);
    // A directory opens like a file but cannot be read.
    Result directory = RunTool("tokens " + std::string(KES_BINARY_DIR));
    EXPECT_EQ(directory.exitCode, 2) << directory.out;
    EXPECT_NE(directory.out.find(KES_BINARY_DIR), std::string::npos) << directory.out;
    Result stdinDirectory = RunTool("tokens < " + std::string(KES_BINARY_DIR));
    EXPECT_EQ(stdinDirectory.exitCode, 2) << stdinDirectory.out;
    EXPECT_NE(stdinDirectory.out.find("standard input"), std::string::npos) << stdinDirectory.out;
    std::string empty;
    Result nothing = RunTool("tokens", &empty);
    EXPECT_EQ(nothing.exitCode, 0);
    EXPECT_EQ(nothing.out, "");
}

} // namespace
