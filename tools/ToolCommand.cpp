#include "tools/ToolCommand.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>

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

std::optional<std::string> ReadInput(const std::string& path) {
    if (path.empty()) {
        std::ostringstream data;
        data << std::cin.rdbuf();
        return data.str();
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "kespad-tool: %s: %s\n", path.c_str(), std::strerror(errno));
        return std::nullopt;
    }
    std::string data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) {
        std::fprintf(stderr, "kespad-tool: %s: read error\n", path.c_str());
        return std::nullopt;
    }
    return data;
}

int Fail(const char* command, const std::string& message) {
    std::fprintf(stderr, "kespad-tool %s: %s\n", command, message.c_str());
    return 2;
}

} // namespace kes::tool
