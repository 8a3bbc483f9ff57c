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

// A buffer cut out of a longer text: whether the text goes on before its first byte and after
// its last. A candidate whose outcome hangs on bytes outside the buffer is left undecided.
struct TSearchWindow {
    bool TextBefore = false;
    bool TextAfter = false;
};

// How a scan of a buffer ended. Undecided: the candidate at the match's offset (-1 or the
// buffer's length when the next one lies just outside) needs bytes outside the buffer, and
// every candidate before it in the search direction was rejected.
enum class TSearchScan { Found, NotFound, Undecided };

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

    // Find in two steps, for a text searched piece by piece: the first candidate position of a
    // search from start (false when there is none), then the scan of the candidates from one
    // position on. The up search steps back from start over the pattern's length, so the
    // buffer must hold twice the pattern's bytes before start.
    bool FirstCandidate(std::string_view text, std::ptrdiff_t start, std::ptrdiff_t skip,
                        std::ptrdiff_t& candidate) const;
    TSearchScan Scan(std::string_view text, std::ptrdiff_t from, TSearchWindow window,
                     TSearchMatch& match) const;

    // The number of bytes of the pattern as it is compared.
    std::ptrdiff_t PatternBytes() const { return bytes_; }

private:
    // Compares from a character start up to `decided`, the end of the bytes that can be
    // judged inside the buffer: the offset after the match, NoMatch, or Undecided.
    std::ptrdiff_t MatchAt(std::string_view text, std::ptrdiff_t at, std::ptrdiff_t decided) const;
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
