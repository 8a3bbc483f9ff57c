#include "tools/ToolRunner.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using kes::test::RunKespadTool;
using kes::test::WriteTestFile;

const std::vector<std::string> kCommands = {"tokens", "wrap",    "grep",
                                            "find",   "to-utf8", "from-utf8"};

TEST(KespadToolCommandLine, CommandHelpPrintsThatCommandsUsage) {
    for (const std::string& command : kCommands) {
        for (const char* help : {" --help", " -h", " --fountain editor --help"}) {
            if (command != "tokens" && std::string(help).find("fountain") != std::string::npos)
                continue;
            kes::test::ToolResult r = RunKespadTool(command + help, false);
            EXPECT_EQ(r.exitCode, 0) << command << help;
            EXPECT_EQ(r.out.rfind("usage: kespad-tool " + command + " [", 0), 0u)
                << command << help << ": " << r.out;
        }
    }
    // After "--" the word is an operand: here the pattern grep looks for.
    std::string file = WriteTestFile("help-operand.txt", "say --help\n");
    kes::test::ToolResult r = RunKespadTool("grep -- --help " + file, false);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "1\t5\t6\n");
}

TEST(KespadToolCommandLine, ADashNamesStandardInput) {
    const std::string text = "ab \x82\xA0 cd\r\nab\x1A";
    const std::string file = WriteTestFile("dash-input.txt", text);
    for (std::string command : {"tokens", "wrap --width 4", "grep ab", "find cd", "to-utf8"}) {
        kes::test::ToolResult named = RunKespadTool(command + " " + file, true);
        kes::test::ToolResult dash = RunKespadTool(command + " - < " + file, true);
        EXPECT_EQ(named.exitCode, 0) << command << ": " << named.out;
        EXPECT_EQ(dash.exitCode, named.exitCode) << command;
        EXPECT_EQ(dash.out, named.out) << command;
    }
}

TEST(KespadToolCommandLine, TextCommandsRefuseAFileWithANulLikeTheEditor) {
    const std::string file = WriteTestFile("nul-input.txt", std::string("a\0b\n", 4));
    for (std::string command : {"tokens", "wrap", "grep a"}) {
        kes::test::ToolResult r = RunKespadTool(command + " " + file, true);
        EXPECT_EQ(r.exitCode, 2) << command;
        EXPECT_NE(r.out.find(file), std::string::npos) << command << ": " << r.out;
        EXPECT_NE(r.out.find("NUL バイトを含むファイルはテキストとして読み込めません"),
                  std::string::npos)
            << command << ": " << r.out;
    }
}

} // namespace
