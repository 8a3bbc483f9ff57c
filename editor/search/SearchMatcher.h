#pragma once

#include "editor/search/SearchOptions.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace kes {

// Where a search found its pattern: the byte offset in the searched buffer and the number of
// text bytes the match covers, which differs from the pattern's length when widths, line breaks
// or spaces are ignored.
struct TSearchMatch {
    std::ptrdiff_t Offset = 0;
    std::ptrdiff_t Length = 0;
};

// The plain-text matcher over code page 932 bytes. A match never starts on the trail byte of a
// double-byte character and a single-byte pattern character never matches half of one. The
// pattern is prepared once (upper-cased without MatchCase, made full-width with IgnoreWidth), so
// one matcher can search many buffers or step through one buffer match by match.
class TSearchMatcher {
public:
    TSearchMatcher(std::string_view pattern, TSearchOptions options);

    // Searches text from start: towards the end with SearchDown, after skipping skip bytes (the
    // length of the previous match); towards the start otherwise, for a match that ends at start
    // when nothing in it is skipped. An empty pattern or text, a start outside the text or a
    // negative skip find nothing.
    bool Find(std::string_view text, std::ptrdiff_t start, std::ptrdiff_t skip,
              TSearchMatch& match) const;

private:
    std::ptrdiff_t MatchAt(std::string_view text, std::ptrdiff_t at) const;
    bool Equal(std::uint16_t text, std::uint16_t pattern) const;
    std::uint16_t TextChar(std::string_view text, std::ptrdiff_t at, int& size) const;

    TSearchOptions options_;
    bool matchCase_;
    bool ignoreWidth_;
    // The pattern's characters as compared, each a byte value or lead * 0x100 + trail.
    std::vector<std::uint16_t> chars_;
    std::ptrdiff_t bytes_ = 0;
    // The bytes a text character equal to the pattern's first character can start with.
    std::array<bool, 256> firstBytes_{};
};

// One search with a matcher made for it.
bool SearchFind(std::string_view text, std::ptrdiff_t start, std::ptrdiff_t skip,
                std::string_view pattern, TSearchOptions options, TSearchMatch& match);

} // namespace kes
