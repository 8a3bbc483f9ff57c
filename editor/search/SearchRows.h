#pragma once

#include "editor/search/SearchMatcher.h"
#include "editor/search/SearchOptions.h"

#include <string>
#include <string_view>

namespace kes {

class TRowAttributeStringList;

// A match in the rows: it starts Offset bytes after the start of row Row (an offset past the
// row's bytes lies in its line break) and covers Length bytes of the text.
struct TRowsMatch {
    int Row = 0;
    int Offset = 0;
    int Length = 0;
};

// The plain-text search over screen rows taken as one text: each row followed by CR LF when it
// ends a line, the rows of a wrapped line with nothing between them. The rows are searched in
// buffers of a little over BufferSize bytes, so memory stays bounded on any text, and the
// result is the one a single search over the whole text gives: a candidate whose outcome needs
// bytes outside the buffer (a match running on over its edge, a word going on before it, a
// pattern that no longer fits) is tried again in the next buffer, which starts at that
// candidate's row; a buffer too short for even its first candidate (a long run of skipped
// spaces or line breaks, a pattern longer than the buffer) grows until that candidate is
// decided.
class TSearchRows {
public:
    static constexpr int BufferSize = 8192;

    TSearchRows(const TRowAttributeStringList& rows, std::string_view pattern,
                TSearchOptions options, int bufferSize = BufferSize);

    // Searches from byte `index` of `row` (clamped to the row's bytes and line break; a row
    // past the last stands for the end of the text), down or up as the options say, and finds
    // what the matcher's Find finds from that place in the whole text.
    bool Find(int row, int index, TRowsMatch& match);

    // The largest buffer the last Find used.
    size_t LargestBuffer() const { return largestBuffer_; }

private:
    // A place in the text: a row and a byte in it, the row's line break counted. Normalised,
    // the byte is inside the row, except at the end of the text (the last row's end).
    struct TPlace {
        int row = 0;
        int offset = 0;
        friend bool operator==(const TPlace&, const TPlace&) = default;
    };

    int RowBytes(int row) const;
    TPlace Normalised(TPlace place) const;
    // Fills the buffer with whole rows around the place: at least `before` bytes before it and
    // `after` bytes from it on, as far as the text goes. Returns the place's offset in it.
    int FillBuffer(TPlace place, int before, int after);

    const TRowAttributeStringList& rows_;
    TSearchMatcher matcher_;
    // The bytes a buffer holds before and from the candidate it is made for: down, one byte
    // before (whether a word starts there) and a buffer's worth from it; up, a buffer's worth
    // before and twice the pattern after (a match may run past the place it starts from).
    int beforeRoom_;
    int afterRoom_;

    std::string buffer_;
    int firstRow_ = 0;
    TSearchWindow window_;
    size_t largestBuffer_ = 0;
};

} // namespace kes
