#pragma once

#include <string>

namespace kes::test {

struct ToolResult {
    int exitCode = -1; // -1 when the tool did not exit normally
    std::string out;
};

// Runs "kespad-tool ARGS" through the shell. Its standard error joins the output when
// withErrors is set and is discarded otherwise.
ToolResult RunKespadTool(const std::string& args, bool withErrors);

// Writes bytes to a file of this test process and returns its path. The name is made unique per
// process, because ctest runs the tests of one program side by side.
std::string WriteTestFile(const std::string& name, const std::string& bytes);

} // namespace kes::test
