#pragma once

#include "regexp/TRegularExpression.h"

#include <cstdint>

namespace kes {

enum TMatchCORE_LineSeparator { mcls_CRLF, mcls_LF };

// A match in a text: the first byte and the byte after the last. Both are null when there is
// no match; start == end is an empty match.
struct TMatchRange {
    const char* start = nullptr;
    const char* end = nullptr;
    explicit operator bool() const { return start != nullptr; }
};

// Leftmost-longest search with the current automaton over NUL-terminated code page 932 texts.
// '^' of the pattern matches where a search is told the text starts a line and after every LF;
// '$' matches before the line separator (CR, or LF with mcls_LF) and at the end of the text.
class TMatchCORE : public TRegularExpression {
public:
    explicit TMatchCORE(TComponent* owner) : TRegularExpression(owner) {}

    TMatchCORE_LineSeparator LineSeparator() const { return lineSeparator_; }
    void SetLineSeparator(TMatchCORE_LineSeparator value) { lineSeparator_ = value; }

    // Search without anchors.
    TMatchRange MatchFirst(const char* text) const;
    // Search in which the text start is a line head.
    TMatchRange MatchFirstAnchored(const char* text) const;
    // Search in which the text start is not a line head, to continue after a match.
    TMatchRange MatchNext(const char* text) const;
    // The same with the end of the text known: textEnd is the first NUL byte at or after text.
    TMatchRange MatchFirst(const char* text, const char* textEnd) const;
    TMatchRange MatchFirstAnchored(const char* text, const char* textEnd) const;
    TMatchRange MatchNext(const char* text, const char* textEnd) const;

    // The end of the longest match that starts at p in the given automaton state, or null.
    const char* MatchAt(const char* p, int state) const;
    // As MatchAt, with p at a line head.
    const char* MatchAtLineHead(const char* p, int state) const;
    bool IsLineSeparator(std::uint16_t c) const {
        return lineSeparator_ == mcls_CRLF ? c == 13 : c == 10;
    }

private:
    TMatchCORE_LineSeparator lineSeparator_ = mcls_CRLF;
};

} // namespace kes
