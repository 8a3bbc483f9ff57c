#include "tools/ToolRunner.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Runs kespad-tool with the arguments and returns what it printed; status gets the exit code.
std::string RunTool(const std::string& arguments, int& status) {
    kes::test::ToolResult result = kes::test::RunKespadTool(arguments, false);
    status = result.exitCode;
    return result.out;
}

TEST(KespadTool, HelpListsTheConversionCommands) {
    int status = 0;
    std::string help = RunTool("--help", status);
    EXPECT_EQ(status, 0);
    EXPECT_NE(help.find("to-utf8"), std::string::npos) << help;
    EXPECT_NE(help.find("from-utf8"), std::string::npos) << help;
}

TEST(KespadTool, ConvertsBothWaysWithoutLoss) {
    const std::string cp932 = "\x82\xA0\r\n&#x1F600;\x80";
    int status = 0;
    std::string utf8 = RunTool("to-utf8 " + kes::test::WriteTestFile("tool-in.txt", cp932), status);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(utf8, "あ\r\n\U0001F600\uF780");
    std::string back =
        RunTool("from-utf8 " + kes::test::WriteTestFile("tool-out.txt", utf8), status);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(back, cp932);
    RunTool("to-utf8 " + std::string(KES_BINARY_DIR) + "/no-such-file", status);
    EXPECT_NE(status, 0) << "a missing file is an error";
}

} // namespace
