#include "editor/search/SearchMatcher.h"

#include "editor/search/SearchTables.h"
#include "toolkit/core/Cp932.h"

#include <algorithm>
#include <optional>

namespace kes {

namespace {

using Index = std::ptrdiff_t;

unsigned char ByteAt(std::string_view text, Index i) {
    return static_cast<unsigned char>(text[static_cast<size_t>(i)]);
}

// Tells which bytes are trail bytes, as IsSecondByte does, remembering the last run of
// lead-byte values looked at, so that a search that moves steadily in one direction reads
// every byte at most a few times. A lone lead byte (before a byte that cannot be a trail byte,
// or at the very end of the buffer) counts as a character of its own.
class TTrailBytes {
public:
    explicit TTrailBytes(std::string_view text) : text_(text) {}

    bool operator()(Index i) {
        if (i <= 0 || i >= static_cast<Index>(text_.size()))
            return false;
        Index before = i - 1;
        if (before > last_) {
            Index k = before;
            while (k > last_ && IsLeadByte(ByteAt(text_, k)))
                --k;
            if (k > last_)
                boundary_ = k;
            last_ = before;
        } else if (before <= boundary_) {
            Index k = before;
            while (k >= 0 && IsLeadByte(ByteAt(text_, k)))
                --k;
            boundary_ = k;
            last_ = before;
        }
        return (before - boundary_) % 2 == 1 && IsTrailByte(ByteAt(text_, i));
    }

private:
    std::string_view text_;
    // The bytes after boundary_ up to last_ all have lead-byte values; the byte at boundary_
    // does not (or boundary_ is -1, before the buffer), so a character starts right after it.
    Index boundary_ = -1;
    Index last_ = -1;
};

constexpr unsigned char kVoicedMark = 0xDE;
constexpr unsigned char kSemiVoicedMark = 0xDF;

bool IsDoubleCode(std::uint16_t code) {
    return code > 0xFF;
}

// Down: the first word start at or after i. A word byte at the start of the text or after a
// delimiter starts a word; otherwise the rest of the word and the delimiters after it are
// passed. Returns the length of the text when no word starts there.
Index NextWordStart(std::string_view text, Index i) {
    Index size = static_cast<Index>(text.size());
    if (!IsSearchDelimiter(ByteAt(text, i)) && (i == 0 || IsSearchDelimiter(ByteAt(text, i - 1))))
        return i;
    while (i < size && !IsSearchDelimiter(ByteAt(text, i)))
        ++i;
    while (i < size && IsSearchDelimiter(ByteAt(text, i)))
        ++i;
    return i;
}

// Up: the start of the word that i is in, or of the last word before i when i is on a
// delimiter. Returns -1 when only delimiters precede.
Index PreviousWordStart(std::string_view text, Index i) {
    while (i >= 0 && IsSearchDelimiter(ByteAt(text, i)))
        --i;
    if (i < 0)
        return -1;
    while (i >= 0 && !IsSearchDelimiter(ByteAt(text, i)))
        --i;
    return i + 1;
}

} // namespace

TSearchMatcher::TSearchMatcher(std::string_view pattern, TSearchOptions options)
    : options_(options), matchCase_(options.Contains(TSearchOption::MatchCase)),
      ignoreWidth_(options.Contains(TSearchOption::IgnoreWidth)) {
    Index size = static_cast<Index>(pattern.size());
    for (Index j = 0; j < size;) {
        unsigned char b = ByteAt(pattern, j);
        std::uint16_t code;
        if (CharLength(pattern, static_cast<size_t>(j)) == 2) {
            code = static_cast<std::uint16_t>(b << 8 | ByteAt(pattern, j + 1));
            if (!matchCase_)
                code = SearchUpperCaseDouble(code);
            j += 2;
        } else {
            code = matchCase_ ? b : SearchUpperCase(b);
            ++j;
            if (ignoreWidth_) {
                std::uint16_t voiced =
                    j < size ? SearchComposeVoiced(b, ByteAt(pattern, j)) : std::uint16_t{0};
                if (voiced != 0) {
                    code = voiced;
                    ++j;
                } else {
                    code = SearchFullWidth(static_cast<unsigned char>(code));
                }
            }
        }
        chars_.push_back(code);
        bytes_ += IsDoubleCode(code) ? 2 : 1;
    }
    if (chars_.empty())
        return;
    // Which first bytes can begin a text character equal to the first pattern character. Only a
    // few second bytes can make a difference: the pattern's own, the sound marks, and any trail
    // byte after the lead bytes of lower-case letters.
    std::uint16_t first = chars_[0];
    auto equalsFirst = [this, first](unsigned lead, std::optional<unsigned> second) {
        char bytes[2] = {static_cast<char>(lead), static_cast<char>(second.value_or(0))};
        int size = 0;
        std::string_view text(bytes, second ? 2 : 1);
        return Equal(TextChar(text, 0, size), first);
    };
    for (unsigned b = 0; b < 256; ++b) {
        bool possible = equalsFirst(b, std::nullopt);
        for (unsigned second : {first & 0xFFu, unsigned{kVoicedMark}, unsigned{kSemiVoicedMark}})
            possible = possible || equalsFirst(b, second);
        if (!matchCase_ && (b == 0x82 || b == 0x83 || b == 0x84 || b == 0xEE)) {
            for (unsigned second = 0; second < 256 && !possible; ++second)
                possible = equalsFirst(b, second);
        }
        firstBytes_[b] = possible;
    }
}

// The text character at a character start, as the pattern is compared with it: a double-byte
// character as its code; with IgnoreWidth a single byte as its full-width form, taking a
// following sound mark along when the two compose. size receives the text bytes it covers.
std::uint16_t TSearchMatcher::TextChar(std::string_view text, Index at, int& size) const {
    Index length = static_cast<Index>(text.size());
    unsigned char b = ByteAt(text, at);
    if (CharLength(text, static_cast<size_t>(at)) == 2) {
        size = 2;
        return static_cast<std::uint16_t>(b << 8 | ByteAt(text, at + 1));
    }
    size = 1;
    if (!ignoreWidth_)
        return b;
    if (at + 1 < length) {
        std::uint16_t voiced = SearchComposeVoiced(b, ByteAt(text, at + 1));
        if (voiced != 0) {
            size = 2;
            return voiced;
        }
    }
    return SearchFullWidth(b);
}

bool TSearchMatcher::Equal(std::uint16_t text, std::uint16_t pattern) const {
    if (matchCase_)
        return text == pattern;
    if (IsDoubleCode(text))
        return SearchDoubleEqual(text, pattern);
    return SearchUpperCase(static_cast<unsigned char>(text)) == pattern;
}

constexpr Index NoMatch = -1;
constexpr Index Undecided = -2;

// Compares the pattern with the text from a character start; returns the offset after the
// match, NoMatch or Undecided. Line breaks and spaces are passed over only once a first
// character matched. Bytes from `decided` on are not judged: when the text goes on after the
// buffer, its last byte may still pair or compose with the next one.
Index TSearchMatcher::MatchAt(std::string_view text, Index at, Index decided) const {
    bool skipBreaks = options_.Contains(TSearchOption::IgnoreLineBreaks);
    bool skipSpaces = options_.Contains(TSearchOption::IgnoreSpaces);
    Index length = static_cast<Index>(text.size());
    Index i = at;
    for (size_t j = 0; j < chars_.size();) {
        if (i >= decided)
            return decided < length ? Undecided : NoMatch;
        int size = 0;
        if (Equal(TextChar(text, i, size), chars_[j])) {
            i += size;
            ++j;
            continue;
        }
        if (j == 0)
            return NoMatch;
        unsigned char b = ByteAt(text, i);
        if (skipBreaks && (b == '\r' || b == '\n')) {
            ++i;
        } else if (skipSpaces && (b == '\t' || b == ' ')) {
            ++i;
        } else if (skipSpaces && b == 0x81 && i + 1 < length && ByteAt(text, i + 1) == 0x40) {
            i += 2; // full-width space
        } else {
            return NoMatch;
        }
    }
    return i;
}

bool TSearchMatcher::Find(std::string_view text, Index start, Index skip,
                          TSearchMatch& match) const {
    Index from = 0;
    return FirstCandidate(text, start, skip, from) &&
           Scan(text, from, TSearchWindow{}, match) == TSearchScan::Found;
}

bool TSearchMatcher::FirstCandidate(std::string_view text, Index start, Index skip,
                                    Index& candidate) const {
    Index length = static_cast<Index>(text.size());
    if (chars_.empty() || length == 0 || start < 0 || start > length || skip < 0)
        return false;
    if (options_.Contains(TSearchOption::SearchDown)) {
        if (skip > length - start)
            return false;
        candidate = start + skip;
        return true;
    }
    if (!ignoreWidth_) {
        candidate = start - bytes_;
        return true;
    }
    // Step back one text character per pattern character; a double-byte character and a
    // half-width katakana with its sound mark each count as one.
    TTrailBytes trail(text);
    Index i = start;
    for (size_t n = 0; n < chars_.size() && i >= 0; ++n) {
        --i;
        if (i < 0)
            break;
        unsigned char b = ByteAt(text, i);
        if (trail(i))
            --i;
        else if ((b == kVoicedMark || b == kSemiVoicedMark) && i > 0 && !trail(i - 1) &&
                 SearchComposeVoiced(ByteAt(text, i - 1), b) != 0)
            --i;
    }
    candidate = i;
    return true;
}

TSearchScan TSearchMatcher::Scan(std::string_view text, Index from, TSearchWindow window,
                                 TSearchMatch& match) const {
    Index length = static_cast<Index>(text.size());
    if (chars_.empty())
        return TSearchScan::NotFound;
    bool wholeWord = options_.Contains(TSearchOption::WholeWord);
    Index decided = window.TextAfter ? length - 1 : length;
    TTrailBytes trail(text);
    auto undecided = [&match](Index at) {
        match.Offset = at;
        match.Length = 0;
        return TSearchScan::Undecided;
    };
    // A complete match at..end; with WholeWord the byte after it must end the word.
    auto verdict = [&](Index at, Index end) {
        if (wholeWord && end >= length && window.TextAfter)
            return undecided(at);
        if (wholeWord && end < length && !IsSearchDelimiter(ByteAt(text, end)))
            return TSearchScan::NotFound;
        match.Offset = at;
        match.Length = end - at;
        return TSearchScan::Found;
    };

    if (options_.Contains(TSearchOption::SearchDown)) {
        Index i = std::max<Index>(from, 0);
        if (trail(i))
            ++i;
        // The last offset where the pattern still fits: its bytes, or with IgnoreWidth one byte
        // per character, since half-width text is shorter than the full-width pattern.
        Index last = length - (ignoreWidth_ ? static_cast<Index>(chars_.size()) : bytes_);
        while (i <= last) {
            if (wholeWord) {
                // Whether the buffer's first byte starts a word depends on the byte before it.
                if (i == 0 && window.TextBefore)
                    return undecided(0);
                i = NextWordStart(text, i);
                if (i > last)
                    break;
            } else if (!firstBytes_[ByteAt(text, i)]) {
                while (i <= last && !firstBytes_[ByteAt(text, i)])
                    ++i;
                if (i > last)
                    break;
                if (trail(i)) {
                    ++i;
                    continue;
                }
            }
            Index end = MatchAt(text, i, decided);
            if (end == Undecided)
                return undecided(i);
            if (end >= 0) {
                TSearchScan result = verdict(i, end);
                if (result != TSearchScan::NotFound)
                    return result;
            }
            ++i;
            if (trail(i))
                ++i;
        }
        // The candidates from here on did not fit into the buffer.
        return window.TextAfter ? undecided(std::max(i, last + 1)) : TSearchScan::NotFound;
    }

    Index i = std::min(from, length - 1);
    if (trail(i))
        --i;
    while (i >= 0) {
        if (wholeWord) {
            Index start = PreviousWordStart(text, i);
            // The word may begin before the buffer, or the delimiters go on there.
            if (start <= 0 && window.TextBefore)
                return undecided(start < 0 ? -1 : 0);
            if (start < 0)
                return TSearchScan::NotFound;
            i = start;
        } else if (!firstBytes_[ByteAt(text, i)]) {
            while (i >= 0 && !firstBytes_[ByteAt(text, i)])
                --i;
            if (i < 0)
                break;
            if (trail(i)) {
                --i;
                continue;
            }
        }
        Index end = MatchAt(text, i, decided);
        if (end == Undecided)
            return undecided(i);
        if (end >= 0) {
            TSearchScan result = verdict(i, end);
            if (result != TSearchScan::NotFound)
                return result;
        }
        --i;
        if (trail(i))
            --i;
    }
    return window.TextBefore ? undecided(-1) : TSearchScan::NotFound;
}

bool SearchFind(std::string_view text, Index start, Index skip, std::string_view pattern,
                TSearchOptions options, TSearchMatch& match) {
    return TSearchMatcher(pattern, options).Find(text, start, skip, match);
}

} // namespace kes
