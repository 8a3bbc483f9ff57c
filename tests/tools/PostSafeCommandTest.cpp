#include "tools/ToolRunner.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using kes::test::RunKespadTool;
using kes::test::WriteTestFile;

TEST(PostSafeCommand, ConvertsTheFileAndReportsWhatStaysByLineAndColumn) {
    // ｶﾞ①, then ∮ after a converted kana on the second line, 髙 alone on the last one.
    const std::string file =
        WriteTestFile("post-safe.txt", "a\xB6\xDE\x87\x40\r\n\xB1\x87\x93x\n\xFB\xFC");
    const kes::test::ToolResult out = RunKespadTool("post-safe " + file, false);
    EXPECT_EQ(out.exitCode, 1);
    EXPECT_EQ(out.out, "a\x83K(1)\r\n\x83\x41\x87\x93x\n\xFB\xFC");
    const kes::test::ToolResult errors =
        RunKespadTool("post-safe " + file + " 2>&1 >/dev/null | cat", false);
    EXPECT_EQ(errors.out, "2\t3\t∮\n3\t1\t髙\n");
}

TEST(PostSafeCommand, ExitsZeroWhenNothingStaysAndTwoOnAnUnreadableFile) {
    const kes::test::ToolResult safe =
        RunKespadTool("post-safe < " + WriteTestFile("post-safe-in.txt", "\xB1\r\n\x87\x8A"), true);
    EXPECT_EQ(safe.exitCode, 0);
    EXPECT_EQ(safe.out, "\x83\x41\r\n(\x8A\x94)");
    EXPECT_EQ(
        RunKespadTool("post-safe " + std::string(KES_BINARY_DIR) + "/no-such-file", false).exitCode,
        2);
}

} // namespace
