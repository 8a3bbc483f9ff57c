#include "tools/ToolCommand.h"

#include "toolkit/core/Exception.h"
#include "toolkit/core/TextFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>

namespace kes::tool {

namespace {

std::vector<const ToolCommand*>& Registry() {
    static std::vector<const ToolCommand*> commands;
    return commands;
}

} // namespace

ToolCommand::ToolCommand(const char* name, const char* usage, Run run)
    : name(name), usage(usage), run(run) {
    Registry().push_back(this);
}

const std::vector<const ToolCommand*>& Commands() {
    return Registry();
}

bool IsStandardInput(const std::string& path) {
    return path.empty() || path == "-";
}

std::optional<std::string> ReadInput(const std::string& path) {
    if (IsStandardInput(path)) {
        // Read with stdio so that a failed read (standard input redirected from a directory,
        // say) is told apart from an empty input.
        std::string data;
        char buffer[65536];
        size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, stdin)) > 0)
            data.append(buffer, n);
        if (std::ferror(stdin)) {
            std::fprintf(stderr, "kespad-tool: standard input: %s\n", std::strerror(errno));
            return std::nullopt;
        }
        return data;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "kespad-tool: %s: %s\n", path.c_str(), std::strerror(errno));
        return std::nullopt;
    }
    std::string data;
    errno = 0;
    try {
        data.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    } catch (const std::ios_base::failure&) {
        // The file opened but cannot be read (a directory opens on Linux); the stream
        // buffer throws rather than setting a state.
        std::fprintf(stderr, "kespad-tool: %s: %s\n", path.c_str(),
                     errno != 0 ? std::strerror(errno) : "read error");
        return std::nullopt;
    }
    if (in.bad()) {
        std::fprintf(stderr, "kespad-tool: %s: read error\n", path.c_str());
        return std::nullopt;
    }
    return data;
}

std::optional<std::string> ReadTextInput(const std::string& path) {
    try {
        if (IsStandardInput(path))
            return LoadTextStream(stdin, "standard input");
        return LoadTextFile(path);
    } catch (const Exception& e) {
        std::fprintf(stderr, "kespad-tool: %s\n", e.Message().c_str());
        return std::nullopt;
    }
}

int Fail(const char* command, const std::string& message) {
    std::fprintf(stderr, "kespad-tool %s: %s\n", command, message.c_str());
    return 2;
}

} // namespace kes::tool
