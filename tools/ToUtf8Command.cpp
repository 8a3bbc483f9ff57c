#include "toolkit/core/Cp932Codec.h"
#include "tools/ToolCommand.h"

#include <cstdio>

namespace {

// Prints CP932 text as UTF-8, the way the editor shows it: raw bytes as U+F780-U+F7FF,
// "&#x...;" references of characters outside the code page as the characters.
int RunToUtf8(const std::vector<std::string>& args) {
    if (args.size() > 1)
        return kes::tool::Fail("to-utf8", "at most one file");
    auto input = kes::tool::ReadInput(args.empty() ? std::string() : args[0]);
    if (!input)
        return 2;
    std::string out = kes::Cp932ToUtf8(*input);
    std::fwrite(out.data(), 1, out.size(), stdout);
    return 0;
}

const kes::tool::ToolCommand command{"to-utf8", "[FILE]", &RunToUtf8};

} // namespace
