#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace kes {

class TEditorScreenStrings;

struct TBracketPair {
    std::string_view open;
    std::string_view close;
};

// The pairs the editor matches, in code page 932: ( ) < > [ ] { } ‘ ’ “ ” （ ） 「 」 『 』
// 【 】 ＜ ＞ ≪ ≫.
extern const std::array<TBracketPair, 12> BracketPairs;

// Finds the partner of a bracket through the rows of a text, counting the depth of nested
// pairs: +1 for each bracket like the one it starts from, -1 for each partner, at character
// starts only; the partner is where the depth returns to zero.
//
// A bracket without partner would have every caret move next to it read the rest of the text.
// So what each row does to the depth is remembered per row and pair (the change over the row,
// and the lowest and highest the depth gets inside it), and a walk reads a row's text only
// where the depth can reach zero in it. The memory follows the rows: an edit the rows report
// exactly moves it with the rows and forgets the rows it replaced; any other change of the
// rows forgets it all.
class TBracketDepths {
public:
    struct TPosition {
        int row = 0;
        int index = 0; // 0-based byte index in the row
    };

    // The partner of the bracket of BracketPairs[pair] at index of row: walking forward from
    // an opener, backward from a closer.
    std::optional<TPosition> FindPartner(const TEditorScreenStrings& rows, int pair, bool opener,
                                         int row, int index);

    // The rows have reported a change (their update record). exact: the record describes
    // every change since the last report, as it does for a single edit.
    void RowsChanged(const TEditorScreenStrings& rows, bool exact);

private:
    // Over one row, with +1 for an opener and -1 for a closer: the sum, the lowest sum of a
    // non-empty head of the row and the highest sum of a non-empty tail. A net of Unknown: not
    // learnt yet.
    static constexpr int32_t Unknown = INT32_MIN;
    struct TRowDepth {
        int32_t net = Unknown;
        int32_t lowestHead = 0;
        int32_t highestTail = 0;
    };
    const TRowDepth& Depth(const TEditorScreenStrings& rows, int pair, int row);
    // Forgets everything when the rows are other rows or have changed since it was learnt.
    void Follow(const TEditorScreenStrings& rows);

    std::array<std::vector<TRowDepth>, BracketPairs.size()> depths_;
    const TEditorScreenStrings* rows_ = nullptr;
    // The rows' version the remembered depths describe, and the version at the rows' last
    // report.
    static constexpr uint64_t NotReported = UINT64_MAX;
    uint64_t version_ = 0;
    uint64_t reported_ = NotReported;
};

} // namespace kes
