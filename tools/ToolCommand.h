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

// Whether a FILE operand names standard input: none given (empty) or "-".
bool IsStandardInput(const std::string& path);

// Reads a whole file's raw bytes, or standard input. On failure prints
// "kespad-tool: <path>: <reason>" to stderr and returns nothing; callers exit with 2.
std::optional<std::string> ReadInput(const std::string& path);

// Reads a text file, or standard input, with the editor's loader (LoadTextFile): the text up
// to a Ctrl-Z, a file with a NUL refused. On failure prints "kespad-tool: <message>" to stderr
// and returns nothing; callers exit with 2.
std::optional<std::string> ReadTextInput(const std::string& path);

// Prints "kespad-tool <command>: <message>" to stderr and returns 2.
int Fail(const char* command, const std::string& message);

} // namespace kes::tool
