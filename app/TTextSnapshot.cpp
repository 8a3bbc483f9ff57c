#include "app/TTextSnapshot.h"

#include "textmodel/TEditorScreenStrings.h"

#include <algorithm>
#include <utility>

namespace kes {

namespace {

// A slice's piece is made room for at once up to this size; a larger budget grows it.
constexpr size_t MaxReserve = size_t(1) << 24;

} // namespace

void TTextSnapshot::Restart(const TEditorScreenStrings& rows) {
    rows_ = &rows;
    version_ = rows.Version();
    row_ = 0;
    offset_ = 0;
    pieces_.clear();
}

bool TTextSnapshot::Gather(const TEditorScreenStrings& rows, size_t budget) {
    if (rows_ != &rows || version_ != rows.Version())
        Restart(rows);
    const int count = rows.GetCount();
    std::string piece;
    piece.reserve(std::min(budget, MaxReserve) + 2);
    size_t work = 0;
    // A row longer than what is left of the budget is cut, and taken on in the next slice.
    while (row_ < count && work < budget) {
        std::string_view rest = rows.View(row_).substr(offset_);
        const size_t take = std::min(rest.size(), budget - work);
        piece.append(rest.substr(0, take));
        work += take;
        offset_ += take;
        if (take < rest.size())
            break;
        std::string_view ending = RowEnding(rows.RowAttributes(row_));
        piece.append(ending);
        work += std::max<size_t>(ending.size(), 1);
        ++row_;
        offset_ = 0;
    }
    if (!piece.empty())
        pieces_.push_back(std::move(piece));
    return row_ >= count;
}

std::vector<std::string> TTextSnapshot::TakePieces() {
    rows_ = nullptr;
    return std::exchange(pieces_, {});
}

} // namespace kes
