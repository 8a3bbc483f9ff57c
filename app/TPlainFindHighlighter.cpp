#include "app/TPlainFindHighlighter.h"

#include "editor/search/SearchMatcher.h"
#include "editorex/TEditorEx.h"
#include "textmodel/TEditorScreenStrings.h"

#include <string>

namespace kes {

namespace {

constexpr std::size_t MinContext = 1024;

} // namespace

TPlainFindHighlighter::TPlainFindHighlighter() = default;

TPlainFindHighlighter::~TPlainFindHighlighter() = default;

void TPlainFindHighlighter::SetQuery(const TFindQuery& query) {
    if (query.Pattern.empty()) {
        matcher_.reset();
        return;
    }
    matcher_ = std::make_unique<TSearchMatcher>(query.Pattern, query.PlainOptions(true));
    context_ = MinContext + 4 * static_cast<std::size_t>(matcher_->PatternBytes());
}

void TPlainFindHighlighter::FindInLine(const TEditorEx& editor, int firstRow, int lastRow,
                                       std::vector<TSearchInfo>& list) {
    list.clear();
    if (!matcher_)
        return;
    const TEditorScreenStrings& rows = editor.ScreenStrings();
    const int count = rows.GetCount();
    const auto rowBytes = [&rows](int row) {
        return rows.View(row).size() + RowEnding(rows.RowAttributes(row)).size();
    };
    // Whole rows of context on both sides.
    int from = firstRow;
    std::size_t before = 0;
    while (from > 0 && before < context_)
        before += rowBytes(--from);
    int to = lastRow;
    std::size_t after = 0;
    while (to + 1 < count && after < context_)
        after += rowBytes(++to);
    std::string buffer;
    for (int row = from; row <= to; ++row) {
        buffer += rows.View(row);
        buffer += RowEnding(rows.RowAttributes(row));
    }
    const auto lineStart = static_cast<std::ptrdiff_t>(before);
    const auto lineEnd = static_cast<std::ptrdiff_t>(buffer.size() - after);
    TSearchMatch match;
    std::ptrdiff_t at = 0;
    std::ptrdiff_t skip = 0;
    while (matcher_->Find(buffer, at, skip, match) && match.Offset < lineEnd) {
        if (match.Offset + match.Length > lineStart)
            list.push_back({static_cast<int>(match.Offset - lineStart) + 1,
                            static_cast<int>(match.Length),
                            buffer.substr(static_cast<std::size_t>(match.Offset),
                                          static_cast<std::size_t>(match.Length))});
        at = match.Offset;
        skip = match.Length;
    }
}

} // namespace kes
