#include "tools/ToolCommand.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

void PrintUsage(std::FILE* out) {
    std::fputs("usage: kespad-tool COMMAND [OPTIONS] [FILE]\n"
               "\n"
               "The command-line companion of Kestrelpad: runs its text engine (word wrap,\n"
               "colouring, search) over code page 932 text. Without FILE, or with FILE -,\n"
               "a command reads standard input. COMMAND --help shows its usage.\n"
               "\n"
               "commands:\n",
               out);
    std::vector<const kes::tool::ToolCommand*> commands = kes::tool::Commands();
    std::sort(commands.begin(), commands.end(),
              [](auto* a, auto* b) { return std::string(a->name) < b->name; });
    for (const auto* command : commands)
        std::fprintf(out, "  %s %s\n", command->name, command->usage);
    std::fputs("  --help\n", out);
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 2) {
        PrintUsage(stderr);
        return 2;
    }
    std::string name = argv[1];
    if (name == "--help" || name == "-h" || name == "help") {
        PrintUsage(stdout);
        return 0;
    }
    for (const auto* command : kes::tool::Commands()) {
        if (name != command->name)
            continue;
        std::vector<std::string> args(argv + 2, argv + argc);
        // --help among the options (before a "--" that ends them) asks for the usage.
        for (const std::string& arg : args) {
            if (arg == "--")
                break;
            if (arg == "--help" || arg == "-h") {
                std::printf("usage: kespad-tool %s %s\n", command->name, command->usage);
                return 0;
            }
        }
        return command->run(args);
    }
    std::fprintf(stderr, "kespad-tool: unknown command '%s'\n", name.c_str());
    PrintUsage(stderr);
    return 2;
}
