#include "fountain/PostSafeConversion.h"
#include "toolkit/core/Cp932.h"
#include "toolkit/core/Cp932Codec.h"
#include "toolkit/core/TLineSplitter.h"
#include "tools/ToolCommand.h"

#include <cstdio>

namespace {

// Makes a post safe for the board as the editor's F8 does, over the whole file: the converted
// text goes to standard output, and each character that stays dangerous to standard error as
// "LINE<TAB>COLUMN<TAB>character": its 1-based line and byte column in the converted text,
// the character in UTF-8. Exit 0 when none stays, 1 when some do, 2 on errors.
int RunPostSafe(const std::vector<std::string>& args) {
    if (args.size() > 1)
        return kes::tool::Fail("post-safe", "at most one file");
    auto input = kes::tool::ReadInput(args.empty() ? std::string() : args[0]);
    if (!input)
        return 2;
    const kes::TPostSafeResult result = kes::MakePostSafe(*input);
    std::fwrite(result.text.data(), 1, result.text.size(), stdout);
    std::fflush(stdout);
    const std::string_view text = result.text;
    auto next = result.unconvertible.begin();
    size_t lineNumber = 0;
    kes::ForEachLine(text, {}, [&](const kes::TTextLine& line) {
        ++lineNumber;
        const auto start = static_cast<size_t>(line.text.data() - text.data());
        for (; next != result.unconvertible.end() && *next < start + line.text.size(); ++next) {
            const std::string character =
                kes::Cp932ToUtf8(text.substr(*next, kes::CharLength(text, *next)));
            std::fprintf(stderr, "%zu\t%zu\t%s\n", lineNumber, *next - start + 1,
                         character.c_str());
        }
    });
    return result.unconvertible.empty() ? 0 : 1;
}

const kes::tool::ToolCommand command{"post-safe", "[FILE]", &RunPostSafe};

} // namespace
