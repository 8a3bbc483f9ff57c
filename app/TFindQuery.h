#pragma once

#include "editor/search/SearchOptions.h"
#include "regexp/TLineSearch.h"

#include <atomic>
#include <cstddef>
#include <functional>
#include <string>

namespace kes {

// What the find bar looks for: the pattern (code page 932) and its options. A regular
// expression (optionally fuzzy) is matched one logical line at a time by the line search of
// the find highlighting; plain text by the plain matcher, which alone knows widths, line breaks
// and spaces, so a plain match may run over a line break.
struct TFindQuery {
    std::string Pattern;
    bool MatchCase = false;
    bool WholeWord = false; // plain text only
    bool Regexp = false;
    bool Fuzzy = false;        // with Regexp only
    bool IgnoreWidth = false;  // plain text only
    bool IgnoreBlanks = false; // line breaks and spaces; plain text only

    // The plain matcher's options for a search in that direction.
    TSearchOptions PlainOptions(bool down) const;
    // The line search's options (normalised as it stores them).
    TExSearchOptions LineOptions() const;

    friend bool operator==(const TFindQuery&, const TFindQuery&) = default;
};

// Calls sink with the byte offset and length of every match in text (as the editor's Lines
// give it, CR LF between lines) from the start on, each search going on after the previous
// match, until sink returns false or stop (when given) is set, which a search on another
// thread looks at after every line and every match. An empty pattern finds nothing; a faulty
// regular expression raises ERegExpParser.
void ForEachMatch(const std::string& text, const TFindQuery& query,
                  const std::function<bool(std::size_t offset, std::size_t length)>& sink,
                  const std::atomic<bool>* stop = nullptr);

} // namespace kes
