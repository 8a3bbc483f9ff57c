#pragma once

#include <optional>
#include <string>
#include <vector>

namespace kes::tool {

// One sub-command of kespad-tool. Each command lives in a file of its own and registers
// itself with a static ToolCommand object:
//     static const ToolCommand tokens{"tokens", "[--fountain mail|editor] [FILE]", &RunTokens};
// run receives the arguments after the command name and returns the exit code.
struct ToolCommand {
    using Run = int (*)(const std::vector<std::string>& args);
    ToolCommand(const char* name, const char* usage, Run run);

    const char* name;
    const char* usage;
    Run run;
};

const std::vector<const ToolCommand*>& Commands();

// Reads a whole file, or standard input when path is empty. On failure prints
// "kespad-tool: <path>: <reason>" to stderr and returns nothing; callers exit with 2.
std::optional<std::string> ReadInput(const std::string& path);

// Prints "kespad-tool <command>: <message>" to stderr and returns 2.
int Fail(const char* command, const std::string& message);

} // namespace kes::tool
