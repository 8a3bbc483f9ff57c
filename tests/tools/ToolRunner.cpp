#include "tools/ToolRunner.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sys/wait.h>
#include <unistd.h>

namespace kes::test {

ToolResult RunKespadTool(const std::string& args, bool withErrors) {
    std::string command =
        std::string("'") + KESPAD_TOOL + "' " + args + (withErrors ? " 2>&1" : " 2>/dev/null");
    ToolResult result;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return result;
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        result.out.append(buffer, n);
    int status = pclose(pipe);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

std::string WriteTestFile(const std::string& name, const std::string& bytes) {
    std::filesystem::path dir = std::filesystem::path(KES_BINARY_DIR) / "tool-tests";
    std::filesystem::create_directories(dir);
    std::filesystem::path path = dir / (std::to_string(getpid()) + "-" + name);
    std::ofstream(path, std::ios::binary) << bytes;
    return path.string();
}

} // namespace kes::test
