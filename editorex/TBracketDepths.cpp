#include "editorex/TBracketDepths.h"

#include "textmodel/TEditorScreenStrings.h"
#include "toolkit/core/Cp932.h"

#include <algorithm>
#include <cstring>

namespace kes {

const std::array<TBracketPair, 12> BracketPairs{{
    {"(", ")"},
    {"<", ">"},
    {"[", "]"},
    {"{", "}"},
    {"\x81\x65", "\x81\x66"},
    {"\x81\x67", "\x81\x68"},
    {"\x81\x69", "\x81\x6A"},
    {"\x81\x75", "\x81\x76"},
    {"\x81\x77", "\x81\x78"},
    {"\x81\x79", "\x81\x7A"},
    {"\x81\x83", "\x81\x84"},
    {"\x81\xE1", "\x81\xE2"},
}};

namespace {

constexpr size_t None = std::string_view::npos;
// Beyond any depth a text can reach: the head and tail sums of a row without brackets.
constexpr int32_t Far = 1 << 30;

// The first occurrence of bracket at a character start of s at or after from. The search
// looks for the bracket's last byte, which is rarer in text than a lead byte.
size_t NextBracket(std::string_view s, size_t from, std::string_view bracket) {
    const size_t length = bracket.size();
    for (size_t k = from + length - 1; k < s.size(); ++k) {
        const void* hit = std::memchr(s.data() + k, bracket.back(), s.size() - k);
        if (!hit)
            return None;
        k = static_cast<size_t>(static_cast<const char*>(hit) - s.data());
        const size_t start = k + 1 - length;
        if (s.substr(start, length) == bracket && !IsSecondByte(s, start))
            return start;
    }
    return None;
}

// Calls visit(index, step) for every bracket of pair in s in order: step +1 for an opener,
// -1 for a closer.
template <class Visit>
void ForEachBracket(std::string_view s, const TBracketPair& pair, Visit visit) {
    size_t open = NextBracket(s, 0, pair.open);
    size_t close = NextBracket(s, 0, pair.close);
    while (open != None || close != None) {
        if (close == None || (open != None && open < close)) {
            visit(open, 1);
            open = NextBracket(s, open + pair.open.size(), pair.open);
        } else {
            visit(close, -1);
            close = NextBracket(s, close + pair.close.size(), pair.close);
        }
    }
}

} // namespace

void TBracketDepths::Follow(const TEditorScreenStrings& rows) {
    if (rows_ == &rows && version_ == rows.Version())
        return;
    for (std::vector<TRowDepth>& depths : depths_)
        depths.clear();
    if (rows_ != &rows)
        reported_ = NotReported;
    rows_ = &rows;
    version_ = rows.Version();
}

const TBracketDepths::TRowDepth& TBracketDepths::Depth(const TEditorScreenStrings& rows, int pair,
                                                       int row) {
    TRowDepth& depth = depths_[static_cast<size_t>(pair)][static_cast<size_t>(row)];
    if (depth.net != Unknown)
        return depth;
    int32_t sum = 0;
    int32_t lowest = Far;
    int32_t lowestBefore = 0; // the lowest sum before a bracket: where the highest tail starts
    bool any = false;
    ForEachBracket(rows.View(row), BracketPairs[static_cast<size_t>(pair)], [&](size_t, int step) {
        lowestBefore = std::min(lowestBefore, sum);
        sum += step;
        lowest = std::min(lowest, sum);
        any = true;
    });
    depth = {sum, lowest, any ? sum - lowestBefore : -Far};
    return depth;
}

std::optional<TBracketDepths::TPosition>
TBracketDepths::FindPartner(const TEditorScreenStrings& rows, int pair, bool opener, int row,
                            int index) {
    Follow(rows);
    const int count = rows.GetCount();
    std::vector<TRowDepth>& depths = depths_[static_cast<size_t>(pair)];
    if (depths.size() != static_cast<size_t>(count))
        depths.assign(static_cast<size_t>(count), TRowDepth());
    // The walk's depth: +1 for a bracket like the first, -1 for its partner. Backward an opener
    // counts -1 and a whole row takes its net away.
    const int own = opener ? 1 : -1;
    int depth = 0;
    const auto scan = [&](int r, bool whole) -> std::optional<TPosition> {
        std::vector<std::pair<size_t, int>> brackets;
        ForEachBracket(rows.View(r), BracketPairs[static_cast<size_t>(pair)],
                       [&](size_t at, int step) { brackets.emplace_back(at, step); });
        if (!opener)
            std::reverse(brackets.begin(), brackets.end());
        const auto start = static_cast<size_t>(index);
        for (const auto& [at, step] : brackets) {
            if (!whole && (opener ? at < start : at > start))
                continue;
            depth += step * own;
            if (depth == 0)
                return TPosition{r, static_cast<int>(at)};
        }
        return std::nullopt;
    };
    if (std::optional<TPosition> hit = scan(row, false))
        return hit;
    for (int r = row + own; r >= 0 && r < count; r += own) {
        const TRowDepth& d = Depth(rows, pair, r);
        if (opener ? depth + d.lowestHead <= 0 : depth - d.highestTail <= 0)
            return scan(r, true);
        depth += d.net * own;
    }
    return std::nullopt;
}

void TBracketDepths::RowsChanged(const TEditorScreenStrings& rows, bool exact) {
    const TEditorUpdateInfo& info = rows.UpdateInfo();
    // The depths can follow the edit when they describe the rows as they were before it.
    bool follows = exact && info.Valid && rows_ == &rows && version_ == reported_ &&
                   info.StartRow >= 0 && info.OldCount >= 0 && info.NewCount >= 0;
    for (const std::vector<TRowDepth>& depths : depths_) {
        const auto size = static_cast<int64_t>(depths.size());
        if (follows && size > 0)
            follows = info.StartRow + static_cast<int64_t>(info.OldCount) <= size &&
                      size - info.OldCount + info.NewCount == rows.GetCount();
    }
    if (follows) {
        for (std::vector<TRowDepth>& depths : depths_) {
            if (depths.empty())
                continue;
            const auto at = depths.begin() + info.StartRow;
            depths.insert(depths.erase(at, at + info.OldCount), static_cast<size_t>(info.NewCount),
                          TRowDepth());
        }
        version_ = rows.Version();
    }
    Follow(rows);
    reported_ = rows.Version();
}

} // namespace kes
