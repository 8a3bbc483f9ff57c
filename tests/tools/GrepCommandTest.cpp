#include "tools/ToolRunner.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Result {
    std::string out;
    int status;
};

// Runs kespad-tool with the arguments; stderr is folded into the output when asked.
Result RunTool(const std::string& arguments, bool withErrors = false) {
    kes::test::ToolResult result = kes::test::RunKespadTool(arguments, withErrors);
    return {result.out, result.exitCode};
}

TEST(GrepCommand, PrintsEveryMatchOfEveryLogicalLine) {
    const std::string file = kes::test::WriteTestFile("grep-lines.txt", "abc\r\nxab\ny\rab\x1A"
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
    r = RunTool("grep --regexp --match-case '[A-Z]' " +
                kes::test::WriteTestFile("grep-case.txt", "aB\n"));
    EXPECT_EQ(r.out, "1\t2\t1\n");
    r = RunTool("grep --regexp '[A-Z]' " + kes::test::WriteTestFile("grep-case.txt", "aB\n"));
    EXPECT_EQ(r.out, "1\t1\t1\n1\t2\t1\n");
}

TEST(GrepCommand, ConvertsThePatternAndTakesRawPatternFiles) {
    // "あ掲" in CP932; the pattern is given in UTF-8.
    const std::string file =
        kes::test::WriteTestFile("grep-kana.txt", "x\x82\xA0\x8C\x66\r\n\x82\xA0\n");
    Result r = RunTool("grep 'あ掲' " + file);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "1\t2\t4\n");
    r = RunTool("grep --pattern-file " +
                kes::test::WriteTestFile("grep-pattern.txt", "\x82\xA0\r\n") + " " + file);
    EXPECT_EQ(r.out, "1\t2\t2\n2\t1\t2\n");
    // ｶﾞ with the fuzzy pass finds が; without --regexp the fuzzy switch is dropped.
    const std::string kana = kes::test::WriteTestFile("grep-fuzzy.txt", "\x82\xAA\n");
    EXPECT_EQ(RunTool("grep --regexp --fuzzy 'ｶﾞ' " + kana).out, "1\t1\t2\n");
    EXPECT_EQ(RunTool("grep --fuzzy 'ｶﾞ' " + kana).status, 1);
}

TEST(GrepCommand, WholeWordsOnlyWithoutRegexp) {
    const std::string file = kes::test::WriteTestFile("grep-words.txt", "foo foobar\n");
    EXPECT_EQ(RunTool("grep --whole-word foo " + file).out, "1\t1\t3\n");
    EXPECT_EQ(RunTool("grep --regexp --whole-word foo " + file).out, "1\t1\t3\n1\t5\t3\n");
}

TEST(GrepCommand, PatternFaultsAndBadArgumentsExitWithTwo) {
    const std::string file = kes::test::WriteTestFile("grep-err.txt", "a\n");
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
    r = RunTool("grep --regexp '(ab' " + kes::test::WriteTestFile("grep-empty.txt", ""), true);
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.out.find("ErrorPos 4"), std::string::npos) << r.out;
    EXPECT_EQ(RunTool("grep --regexp 'a[b' " + kes::test::WriteTestFile("grep-eof.txt", "\x1A"
                                                                                        "a\n"))
                  .status,
              2);
}

} // namespace
