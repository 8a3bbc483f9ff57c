#include "editor/search/SearchRows.h"

#include "textmodel/TRowAttributeStringList.h"

#include <algorithm>
#include <climits>

namespace kes {

namespace {

int Doubled(int room) {
    return std::min(room, INT_MAX / 2) * 2;
}

} // namespace

TSearchRows::TSearchRows(const TRowAttributeStringList& rows, std::string_view pattern,
                         TSearchOptions options, int bufferSize)
    : rows_(rows), matcher_(pattern, options) {
    // Up, the first candidate lies the pattern's length before the start; with IgnoreWidth
    // finding it reads up to two bytes a character and one more.
    const int patternRoom =
        static_cast<int>(std::min<std::ptrdiff_t>(2 * matcher_.PatternBytes() + 2, INT_MAX / 4));
    const int size = std::max(bufferSize, 1);
    const bool down = options.Contains(TSearchOption::SearchDown);
    beforeRoom_ = down ? 1 : std::max(size, patternRoom);
    afterRoom_ = down ? size : patternRoom;
}

int TSearchRows::RowBytes(int row) const {
    const int length = static_cast<int>(rows_.View(row).size());
    return rows_.RowAttributes(row) == raLineEnd ? length + 2 : length;
}

TSearchRows::TPlace TSearchRows::Normalised(TPlace place) const {
    const int count = rows_.GetCount();
    while (place.offset < 0 && place.row > 0) {
        --place.row;
        place.offset += RowBytes(place.row);
    }
    while (place.row + 1 < count && place.offset >= RowBytes(place.row)) {
        place.offset -= RowBytes(place.row);
        ++place.row;
    }
    return place;
}

int TSearchRows::FillBuffer(TPlace place, int before, int after) {
    const int count = rows_.GetCount();
    int first = place.row;
    int behind = place.offset;
    while (first > 0 && behind < before)
        behind += RowBytes(--first);
    buffer_.clear();
    int row = first;
    auto append = [this](int r) {
        buffer_.append(rows_.View(r));
        if (rows_.RowAttributes(r) == raLineEnd)
            buffer_.append("\r\n");
    };
    for (; row <= place.row; ++row)
        append(row);
    while (row < count && static_cast<int>(buffer_.size()) - behind < after)
        append(row++);
    firstRow_ = first;
    window_ = TSearchWindow{.TextBefore = first > 0, .TextAfter = row < count};
    largestBuffer_ = std::max(largestBuffer_, buffer_.size());
    return behind;
}

bool TSearchRows::Find(int row, int index, TRowsMatch& match) {
    largestBuffer_ = 0;
    const int count = rows_.GetCount();
    if (count == 0)
        return false;
    TPlace place{count - 1, RowBytes(count - 1)};
    if (row < count) {
        const int r = std::max(row, 0);
        place = Normalised({r, std::clamp(index, 0, RowBytes(r))});
    }
    int before = beforeRoom_;
    int after = afterRoom_;
    std::ptrdiff_t candidate = FillBuffer(place, before, after);
    if (!matcher_.FirstCandidate(buffer_, candidate, 0, candidate))
        return false;
    for (;;) {
        TSearchMatch found;
        switch (matcher_.Scan(buffer_, candidate, window_, found)) {
        case TSearchScan::Found: {
            const TPlace start = Normalised({firstRow_, static_cast<int>(found.Offset)});
            match = TRowsMatch{start.row, start.offset, static_cast<int>(found.Length)};
            return true;
        }
        case TSearchScan::NotFound:
            return false;
        case TSearchScan::Undecided:
            break;
        }
        // The next buffer is made for the undecided candidate. When that is the one this
        // buffer was made for, it needs more text on the side it was left undecided at (the
        // buffer's start, or after it): twice as much each time, until the buffer reaches that
        // end of the text, where every candidate is decided.
        const TPlace next = Normalised({firstRow_, static_cast<int>(found.Offset)});
        if (next == place) {
            after = Doubled(after);
            if (found.Offset <= 0)
                before = Doubled(before);
        } else {
            before = beforeRoom_;
            after = afterRoom_;
        }
        place = next;
        candidate = FillBuffer(place, before, after);
    }
}

} // namespace kes
