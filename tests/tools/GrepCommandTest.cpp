#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

namespace {

struct Result {
    std::string out;
    int status;
};

// Runs kespad-tool with the arguments; stderr is folded into the output when asked.
Result RunTool(const std::string& arguments, bool withErrors = false) {
    std::string command =
        std::string(KESPAD_TOOL) + " " + arguments + (withErrors ? " 2>&1" : " 2>/dev/null");
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return {"", -1};
    std::string out;
    char buffer[4096];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        out.append(buffer, n);
    const int status = pclose(pipe);
    return {out, WIFEXITED(status) ? WEXITSTATUS(status) : -1};
}

std::string Temp(const std::string& name, const std::string& data) {
    std::string path = std::string(KES_BINARY_DIR) + "/" + name;
    std::ofstream(path, std::ios::binary) << data;
    return path;
}

TEST(GrepCommand, PrintsEveryMatchOfEveryLogicalLine) {
    const std::string file = Temp("grep-lines.txt", "abc\r\nxab\ny\rab\x1A"
                                                    "ab");
    Result r = RunTool("grep ab " + file);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "1\t1\t2\n2\t2\t2\n4\t1\t2\n");
    r = RunTool("grep zz " + file);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    // '$' matches before every line break and at the end of a last line without one.
    r = RunTool("grep --regexp 'b$' " + file);
    EXPECT_EQ(r.out, "2\t3\t1\n4\t2\t1\n");
    r = RunTool("grep --regexp --match-case '[A-Z]' " + Temp("grep-case.txt", "aB\n"));
    EXPECT_EQ(r.out, "1\t2\t1\n");
    r = RunTool("grep --regexp '[A-Z]' " + Temp("grep-case.txt", "aB\n"));
    EXPECT_EQ(r.out, "1\t1\t1\n1\t2\t1\n");
}

TEST(GrepCommand, ConvertsThePatternAndTakesRawPatternFiles) {
    // "あ掲" in CP932; the pattern is given in UTF-8.
    const std::string file = Temp("grep-kana.txt", "x\x82\xA0\x8C\x66\r\n\x82\xA0\n");
    Result r = RunTool("grep 'あ掲' " + file);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "1\t2\t4\n");
    r = RunTool("grep --pattern-file " + Temp("grep-pattern.txt", "\x82\xA0\r\n") + " " + file);
    EXPECT_EQ(r.out, "1\t2\t2\n2\t1\t2\n");
    // ｶﾞ with the fuzzy pass finds が; without --regexp the fuzzy switch is dropped.
    const std::string kana = Temp("grep-fuzzy.txt", "\x82\xAA\n");
    EXPECT_EQ(RunTool("grep --regexp --fuzzy 'ｶﾞ' " + kana).out, "1\t1\t2\n");
    EXPECT_EQ(RunTool("grep --fuzzy 'ｶﾞ' " + kana).status, 1);
}

TEST(GrepCommand, WholeWordsOnlyWithoutRegexp) {
    const std::string file = Temp("grep-words.txt", "foo foobar\n");
    EXPECT_EQ(RunTool("grep --whole-word foo " + file).out, "1\t1\t3\n");
    EXPECT_EQ(RunTool("grep --regexp --whole-word foo " + file).out, "1\t1\t3\n1\t5\t3\n");
}

TEST(GrepCommand, PatternFaultsAndBadArgumentsExitWithTwo) {
    const std::string file = Temp("grep-err.txt", "a\n");
    Result r = RunTool("grep --regexp 'a[b' " + file, true);
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.out.find("右ブラケット\"]\"が必要です"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("ErrorPos 4"), std::string::npos) << r.out;
    EXPECT_EQ(RunTool("grep --bogus a " + file).status, 2);
    EXPECT_EQ(RunTool("grep").status, 2);
    EXPECT_EQ(RunTool("grep a " + file + " " + file).status, 2);
    EXPECT_EQ(RunTool("grep a " + std::string(KES_BINARY_DIR) + "/no-such-file").status, 2);
    // Without --regexp the same text is plain.
    EXPECT_EQ(RunTool("grep 'a[b' " + file).status, 1);
    // A faulty pattern is reported even when the text has no line to search.
    r = RunTool("grep --regexp '(ab' " + Temp("grep-empty.txt", ""), true);
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.out.find("ErrorPos 4"), std::string::npos) << r.out;
    EXPECT_EQ(RunTool("grep --regexp 'a[b' " + Temp("grep-eof.txt", "\x1A"
                                                                    "a\n"))
                  .status,
              2);
}

} // namespace
