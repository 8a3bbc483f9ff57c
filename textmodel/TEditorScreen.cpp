#include "textmodel/TEditorScreen.h"

#include "textmodel/TScreenStringsView.h"

#include <algorithm>
#include <cstdlib>

namespace kes {

void TEditorScreen::Update(const TEditorUpdateInfo& info, int rowCount) {
    if (!info.Valid)
        return;
    const int s = info.StartRow;
    const int a = info.OldCount;
    const int b = info.NewCount;
    const int d = b - a;
    const int visible = view_.RowCount();
    if (std::abs(d) > visible) {
        view_.InvalidateRows(view_.TopRow(), view_.TopRow() + visible);
        return;
    }
    const int c = s + std::max(b, info.ParsedCount);
    const int lastRow = rowCount - 1;
    if (a == b) {
        view_.InvalidateRows(s, c > lastRow ? c + 1 : c - 1);
    } else {
        view_.InvalidateRows(s, c - 1);
        view_.ScrollImagebar(d);
        view_.ScrollRows(c, d);
        if (c > lastRow)
            view_.InvalidateRows(c, c + 1);
    }
    TLeftbarNumbers numbers = view_.LeftbarNumbers();
    bool endOnScreen = view_.TopRow() + visible >= rowCount;
    if (numbers == TLeftbarNumbers::Line ||
        (numbers == TLeftbarNumbers::Row && a != b && endOnScreen))
        view_.InvalidateLeftbar(c, s + visible);
}

} // namespace kes
