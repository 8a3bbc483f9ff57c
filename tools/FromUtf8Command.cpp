#include "toolkit/core/Cp932Codec.h"
#include "tools/ToolCommand.h"

#include <cstdio>

namespace {

// Prints UTF-8 text as CP932, the way the editor takes it in: characters outside the code
// page as "&#x...;" references, U+F780-U+F7FF as the raw bytes they stand for.
int RunFromUtf8(const std::vector<std::string>& args) {
    if (args.size() > 1)
        return kes::tool::Fail("from-utf8", "at most one file");
    auto input = kes::tool::ReadInput(args.empty() ? std::string() : args[0]);
    if (!input)
        return 2;
    std::string out = kes::Utf8ToCp932(*input);
    std::fwrite(out.data(), 1, out.size(), stdout);
    return 0;
}

const kes::tool::ToolCommand command{"from-utf8", "[FILE]", &RunFromUtf8};

} // namespace
