#include "tools/ToolRunner.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct ToolRun {
    int status;
    std::string out;
};

// Runs "kespad-tool find ARGS"; stderr joins stdout.
ToolRun RunFind(const std::string& args) {
    kes::test::ToolResult result = kes::test::RunKespadTool("find " + args, true);
    return {result.exitCode, result.out};
}

class FindCommand : public ::testing::Test {
protected:
    std::string Write(const std::string& name, const std::string& bytes) {
        return "'" + kes::test::WriteTestFile("find-" + name, bytes) + "'";
    }
};

TEST_F(FindCommand, PrintsOffsetAndLengthOfTheMatchOverTheRawBytes) {
    // "ab\r\ncd ｶﾞｲﾄﾞ ab": line breaks are ordinary bytes of the one buffer
    std::string text = Write("text.txt", "ab\r\ncd \xB6\xDE\xB2\xC4\xDE ab");
    EXPECT_EQ(RunFind("ab " + text).out, "0\t2\n");
    EXPECT_EQ(RunFind("--skip 2 ab " + text).out, "13\t2\n");
    EXPECT_EQ(RunFind("--start 1 ab " + text).out, "13\t2\n");
    EXPECT_EQ(RunFind("--up ab " + text).out, "13\t2\n") << "up starts at the end of the text";
    EXPECT_EQ(RunFind("--up --start 13 ab " + text).out, "0\t2\n");
    EXPECT_EQ(RunFind("--ignore-line-breaks bc " + text).out, "1\t4\n");
    EXPECT_EQ(RunFind("--ignore-width ガイド " + text).out, "7\t5\n")
        << "the pattern is converted from UTF-8";
    EXPECT_EQ(RunFind("--ignore-width --match-case AB " + text).out, "");
    EXPECT_EQ(RunFind("AB " + text).out, "0\t2\n");
    EXPECT_EQ(RunFind("--match-case AB " + text).status, 1);
    EXPECT_EQ(RunFind("--whole-word b " + text).status, 1);
    EXPECT_EQ(RunFind("--ignore-spaces 'd\xEF\xBD\xB6' " + text).out, "5\t3\n")
        << "a half-width katakana pattern converted from UTF-8";
    EXPECT_EQ(RunFind("--start 99 ab " + text).status, 1);
    EXPECT_EQ(RunFind("-- -x " + text).status, 1);
}

TEST_F(FindCommand, ReadsRawPatternBytesFromAFileAndTextFromStandardInput) {
    std::string text = Write("kana.txt", "\x82\xA0\x82\xA2"); // あい
    std::string pattern = Write("pattern.txt", "\x82\xA2\r\n");
    EXPECT_EQ(RunFind("--pattern-file " + pattern + " " + text).out, "2\t2\n");
    EXPECT_EQ(RunFind("--pattern-file " + pattern + " < " + text).out, "2\t2\n");
    EXPECT_EQ(RunFind("い < " + text).out, "2\t2\n");
    std::string empty = Write("empty.txt", "\n");
    EXPECT_EQ(RunFind("--pattern-file " + empty + " " + text).status, 1)
        << "an empty pattern finds nothing";
}

TEST_F(FindCommand, ReportsBadArgumentsAndUnreadableFilesWithExitTwo) {
    std::string text = Write("plain.txt", "abc");
    ToolRun run = RunFind("--bogus a " + text);
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.out.find("unknown option '--bogus'"), std::string::npos) << run.out;
    EXPECT_EQ(RunFind("--start x a " + text).status, 2);
    EXPECT_EQ(RunFind("--start 1x a " + text).status, 2);
    EXPECT_EQ(RunFind("--skip").status, 2);
    EXPECT_EQ(RunFind("a " + text + " " + text).status, 2);
    EXPECT_EQ(RunFind("--up").status, 2) << "missing PATTERN";
    run = RunFind("a '" + std::string(KES_BINARY_DIR) + "/no-such-dir/missing.txt" + "'");
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.out.find("missing.txt"), std::string::npos) << run.out;
    EXPECT_EQ(RunFind("--pattern-file '" + std::string(KES_BINARY_DIR) +
                      "/no-such-dir/missing.txt" + "' " + text)
                  .status,
              2);
}

} // namespace
