#include "app/TFindQuery.h"

#include "editor/search/SearchMatcher.h"

#include <string_view>
#include <vector>

namespace kes {

TSearchOptions TFindQuery::PlainOptions(bool down) const {
    TSearchOptions options;
    if (down)
        options.Include(TSearchOption::SearchDown);
    if (MatchCase)
        options.Include(TSearchOption::MatchCase);
    if (WholeWord)
        options.Include(TSearchOption::WholeWord);
    if (IgnoreWidth)
        options.Include(TSearchOption::IgnoreWidth);
    if (IgnoreBlanks) {
        options.Include(TSearchOption::IgnoreLineBreaks);
        options.Include(TSearchOption::IgnoreSpaces);
    }
    return options;
}

TExSearchOptions TFindQuery::LineOptions() const {
    TExSearchOptions options = 0;
    if (MatchCase)
        options |= soMatchCase;
    if (Regexp)
        return options | soRegexp | (Fuzzy ? TExSearchOptions{soFuzzy} : 0);
    return WholeWord ? options | soWholeWord : options;
}

void ForEachMatch(const std::string& text, const TFindQuery& query,
                  const std::function<bool(std::size_t, std::size_t)>& sink,
                  const std::atomic<bool>* stop) {
    const auto stopped = [stop] { return stop && stop->load(std::memory_order_relaxed); };
    if (query.Pattern.empty())
        return;
    if (!query.Regexp) {
        const TSearchMatcher matcher(query.Pattern, query.PlainOptions(true));
        TSearchMatch match;
        std::ptrdiff_t from = 0;
        std::ptrdiff_t skip = 0;
        while (matcher.Find(text, from, skip, match)) {
            if (!sink(static_cast<std::size_t>(match.Offset),
                      static_cast<std::size_t>(match.Length)))
                return;
            from = match.Offset;
            skip = match.Length;
        }
        return;
    }
    TLineSearch search;
    search.SetExSearchOptions(query.LineOptions());
    search.SetFindString(query.Pattern);
    std::vector<TSearchInfo> list;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find("\r\n", start);
        const bool breakFollows = end != std::string::npos;
        const std::string line = text.substr(start, breakFollows ? end - start : std::string::npos);
        search.FindInLine(line, breakFollows, list);
        for (const TSearchInfo& match : list)
            if (!sink(start + static_cast<std::size_t>(match.position - 1),
                      static_cast<std::size_t>(match.length)))
                return;
        if (!breakFollows || stopped())
            return;
        start = end + 2;
    }
}

} // namespace kes
