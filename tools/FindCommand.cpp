#include "editor/search/SearchMatcher.h"
#include "toolkit/core/Cp932Codec.h"
#include "tools/ToolCommand.h"

#include <charconv>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace kes::tool {

namespace {

constexpr const char* kName = "find";

std::optional<std::ptrdiff_t> ParseNumber(const std::string& text) {
    std::ptrdiff_t value = 0;
    const char* end = text.data() + text.size();
    auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end)
        return std::nullopt;
    return value;
}

// The pattern file's raw bytes without the one line break an editor leaves at its end.
std::string WithoutFinalLineBreak(std::string bytes) {
    if (!bytes.empty() && bytes.back() == '\n') {
        bytes.pop_back();
        if (!bytes.empty() && bytes.back() == '\r')
            bytes.pop_back();
    }
    return bytes;
}

// Runs the plain-text matcher once over the raw bytes of a file, taken as one buffer, and
// prints where the match is: "OFFSET<TAB>LENGTH". Exit 0 found, 1 not found, 2 on errors.
int RunFind(const std::vector<std::string>& args) {
    TSearchOptions options{TSearchOption::SearchDown};
    std::optional<std::ptrdiff_t> start;
    std::ptrdiff_t skip = 0;
    std::optional<std::string> patternFile;
    std::vector<std::string> operands;
    bool optionsEnded = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
            operands.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--up") {
            options.Exclude(TSearchOption::SearchDown);
        } else if (arg == "--match-case") {
            options.Include(TSearchOption::MatchCase);
        } else if (arg == "--whole-word") {
            options.Include(TSearchOption::WholeWord);
        } else if (arg == "--ignore-width") {
            options.Include(TSearchOption::IgnoreWidth);
        } else if (arg == "--ignore-line-breaks") {
            options.Include(TSearchOption::IgnoreLineBreaks);
        } else if (arg == "--ignore-spaces") {
            options.Include(TSearchOption::IgnoreSpaces);
        } else if (arg == "--start" || arg == "--skip" || arg == "--pattern-file") {
            if (i + 1 == args.size())
                return Fail(kName, arg + " needs a value");
            const std::string& value = args[++i];
            if (arg == "--pattern-file") {
                patternFile = value;
                continue;
            }
            std::optional<std::ptrdiff_t> number = ParseNumber(value);
            if (!number)
                return Fail(kName, arg + " needs a whole number, not '" + value + "'");
            if (arg == "--start")
                start = *number;
            else
                skip = *number;
        } else {
            return Fail(kName, "unknown option '" + arg + "'");
        }
    }

    std::string pattern;
    if (patternFile) {
        if (patternFile->empty())
            return Fail(kName, "--pattern-file needs a file name");
        std::optional<std::string> bytes = ReadInput(*patternFile);
        if (!bytes)
            return 2;
        pattern = WithoutFinalLineBreak(std::move(*bytes));
    } else {
        if (operands.empty())
            return Fail(kName, "missing PATTERN");
        pattern = Utf8ToCp932(operands.front());
        operands.erase(operands.begin());
    }
    if (operands.size() > 1)
        return Fail(kName, "too many arguments");
    std::optional<std::string> text = ReadInput(operands.empty() ? std::string() : operands[0]);
    if (!text)
        return 2;

    bool down = options.Contains(TSearchOption::SearchDown);
    std::ptrdiff_t from = start.value_or(down ? 0 : static_cast<std::ptrdiff_t>(text->size()));
    TSearchMatch match;
    if (!SearchFind(*text, from, skip, pattern, options, match))
        return 1;
    std::printf("%td\t%td\n", match.Offset, match.Length);
    return 0;
}

const ToolCommand command{kName,
                          "[--up] [--match-case] [--whole-word] [--ignore-width] "
                          "[--ignore-line-breaks] [--ignore-spaces] [--start N] [--skip N] "
                          "[--pattern-file F] PATTERN [FILE]",
                          &RunFind};

} // namespace

} // namespace kes::tool
