#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

namespace {

// Runs kespad-tool with the arguments and returns what it printed; status gets the exit code.
std::string RunTool(const std::string& arguments, int& status) {
    std::string command = std::string(KESPAD_TOOL) + " " + arguments + " 2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        status = -1;
        return {};
    }
    std::string out;
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        out.append(buffer, n);
    status = pclose(pipe);
    return out;
}

std::string WriteTemp(const std::string& name, const std::string& data) {
    std::string path = std::string(KES_BINARY_DIR) + "/" + name;
    std::ofstream(path, std::ios::binary) << data;
    return path;
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
    std::string utf8 = RunTool("to-utf8 " + WriteTemp("tool-in.txt", cp932), status);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(utf8, "あ\r\n\U0001F600\uF780");
    std::string back = RunTool("from-utf8 " + WriteTemp("tool-out.txt", utf8), status);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(back, cp932);
    RunTool("to-utf8 " + std::string(KES_BINARY_DIR) + "/no-such-file", status);
    EXPECT_NE(status, 0) << "a missing file is an error";
}

} // namespace
