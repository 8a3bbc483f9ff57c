#include "regexp/ERegExpParser.h"
#include "regexp/TLineSearch.h"
#include "toolkit/core/Cp932Codec.h"
#include "toolkit/core/TLineSplitter.h"
#include "tools/ToolCommand.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr const char* kName = "grep";

// Prints LINE<TAB>POS<TAB>LEN for every match of the pattern in every logical line of the text,
// searched as the editor's find highlighting searches each line it paints.
int RunGrep(const std::vector<std::string>& args) {
    kes::TExSearchOptions options = 0;
    std::string patternFile;
    std::vector<std::string> operands;
    bool optionsEnd = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (optionsEnd || a.empty() || a[0] != '-' || a == "-") {
            operands.push_back(a);
        } else if (a == "--") {
            optionsEnd = true;
        } else if (a == "--regexp") {
            options |= kes::soRegexp;
        } else if (a == "--fuzzy") {
            options |= kes::soFuzzy;
        } else if (a == "--match-case") {
            options |= kes::soMatchCase;
        } else if (a == "--whole-word") {
            options |= kes::soWholeWord;
        } else if (a == "--pattern-file") {
            if (++i == args.size())
                return kes::tool::Fail(kName, "--pattern-file needs a file");
            patternFile = args[i];
        } else {
            return kes::tool::Fail(kName, "unknown option " + a);
        }
    }

    std::string pattern;
    if (!patternFile.empty()) {
        auto bytes = kes::tool::ReadInput(patternFile);
        if (!bytes)
            return 2;
        pattern = std::move(*bytes);
        if (pattern.ends_with("\r\n"))
            pattern.resize(pattern.size() - 2);
        else if (pattern.ends_with('\n'))
            pattern.pop_back();
    } else {
        if (operands.empty())
            return kes::tool::Fail(kName, "no pattern");
        pattern = kes::Utf8ToCp932(operands.front());
        operands.erase(operands.begin());
    }
    if (operands.size() > 1)
        return kes::tool::Fail(kName, "at most one file");
    auto input = kes::tool::ReadTextInput(operands.empty() ? std::string() : operands.front());
    if (!input)
        return 2;

    kes::TLineSearch search;
    search.SetFindString(pattern);
    search.SetExSearchOptions(options);
    std::vector<kes::TSearchInfo> hits;
    bool found = false;
    std::string line;
    std::size_t lineNumber = 0;
    try {
        // Searching an empty line compiles the pattern, so a faulty one is reported even when
        // the text has no line to search.
        search.FindInLine(std::string(), false, hits);
        kes::ForEachLine(*input, {}, [&](const kes::TTextLine& textLine) {
            line.assign(textLine.text);
            ++lineNumber;
            search.FindInLine(line, textLine.broken, hits);
            for (const kes::TSearchInfo& hit : hits)
                std::printf("%zu\t%d\t%d\n", lineNumber, hit.position, hit.length);
            found = found || !hits.empty();
        });
    } catch (const kes::ERegExpParser& e) {
        std::fflush(stdout);
        return kes::tool::Fail(kName,
                               e.Message() + " (ErrorPos " + std::to_string(e.ErrorPos()) + ")");
    }
    return found ? 0 : 1;
}

const kes::tool::ToolCommand command{
    kName, "[--regexp] [--fuzzy] [--match-case] [--whole-word] [--pattern-file F] PATTERN [FILE]",
    &RunGrep};

} // namespace
