#include "app/TTextFinder.h"

#include "editor/search/SearchRows.h"
#include "editorex/TEditorEx.h"
#include "editorex/TEditorExMarks.h"
#include "textmodel/TEditorScreenStrings.h"
#include "textmodel/TEditorStrings.h"

#include <algorithm>
#include <climits>
#include <utility>
#include <vector>

namespace kes {

namespace {

// The marks while the bar is open: an orange underline, and the other matches on light yellow
// (the selected one keeps the selection's navy).
constexpr TColor FindMarkColor = 0x000080FF;
constexpr TColor HitBackground = 0x0080FFFF;

} // namespace

TTextFinder::TTextFinder(TEditorEx& editor) : editor_(editor) {}

void TTextFinder::SetQuery(const TFindQuery& query) {
    query_ = query;
    if (query.Regexp) {
        editor_.SetFindHighlighter(nullptr);
        editor_.SetExSearchOptions(query.LineOptions());
        editor_.SetFindString(query.Pattern);
    } else {
        plain_.SetQuery(query);
        editor_.SetFindHighlighter(&plain_);
    }
}

void TTextFinder::SetMarking(bool marking) {
    TEditorExMarks* marks = editor_.ExMarks();
    if (marking) {
        marks->FindMark()->SetColor(FindMarkColor);
        marks->Hit()->SetColor(clBlack);
        marks->Hit()->SetBkColor(HitBackground);
    }
    marks->FindMark()->SetVisible(marking);
}

TFindResult TTextFinder::Find(bool down) {
    if (query_.Pattern.empty())
        return TFindResult::NotFound;
    const TFindResult result = query_.Regexp ? FindInLines(down) : FindPlain(down);
    if (result != TFindResult::NotFound)
        Remember();
    return result;
}

TFindResult TTextFinder::FindPlain(bool down) {
    const TSearchOptions options = query_.PlainOptions(down);
    if (editor_.Search(query_.Pattern, options))
        return TFindResult::Found;
    // Again from the other end, without moving the caret first: a text without the pattern
    // keeps its caret, selection and view.
    TSearchRows rows(editor_.ScreenStrings(), query_.Pattern, options);
    TRowsMatch match;
    if (!rows.Find(down ? 0 : editor_.ListCount(), 0, match))
        return TFindResult::NotFound;
    editor_.ShowMatch(match.Row, match.Offset, match.Length);
    return TFindResult::Wrapped;
}

TFindResult TTextFinder::FindInLines(bool down) {
    if (editor_.ListCount() == 0)
        return TFindResult::NotFound;
    int row = editor_.Row();
    int index = editor_.CaretIndex();
    if (editor_.HasSelection()) {
        row = down ? editor_.SelEndRow() : editor_.SelStartRow();
        index = down ? editor_.SelEndIndex() + 1 : editor_.SelStartIndex();
    }
    row = std::clamp(row, 0, editor_.ListCount() - 1);
    index = std::min(index, static_cast<int>(editor_.ListString(row).size()));
    const int first = editor_.WordWrap() ? editor_.FirstRowOfLine(row) : row;
    bool wrapped = false;
    if (!FindLineMatch(down, first, editor_.RowsLength(first, row) + index, wrapped))
        return TFindResult::NotFound;
    return wrapped ? TFindResult::Wrapped : TFindResult::Found;
}

bool TTextFinder::FindLineMatch(bool down, int first, int offset, bool& wrapped) {
    const int count = editor_.ListCount();
    const bool wrap = editor_.WordWrap();
    int line = first;
    int from = offset; // a byte offset in the line; matches must start at or after it (down)
                       // or end at or before it (up)
    wrapped = false;
    for (;;) {
        editor_.FindInRow(line);
        const std::vector<TSearchInfo>& list = editor_.SearchList();
        const TSearchInfo* found = nullptr;
        for (const TSearchInfo& match : list) {
            const int start = match.position - 1;
            if (down && start >= from) {
                found = &match;
                break;
            }
            if (!down && start + match.length <= from)
                found = &match;
        }
        if (found) {
            editor_.ShowMatch(line, found->position - 1, found->length);
            return true;
        }
        if (wrapped && line == first)
            return false;
        if (down) {
            line = (wrap ? editor_.LastRowOfLine(line) : line) + 1;
            if (line >= count) {
                wrapped = true;
                line = 0;
            }
            from = 0;
        } else {
            if (line == 0) {
                wrapped = true;
                line = count;
            }
            line = wrap ? editor_.FirstRowOfLine(line - 1) : line - 1;
            from = INT_MAX;
        }
    }
}

void TTextFinder::Remember() {
    hit_ = {editor_.SelStart(), editor_.SelLength(), editor_.ScreenStrings().Version()};
}

bool TTextFinder::Replace(const std::string& replacement) {
    const bool onHit = hit_.start >= 0 && hit_.length > 0 &&
                       hit_.version == editor_.ScreenStrings().Version() &&
                       editor_.SelStart() == hit_.start && editor_.SelLength() == hit_.length;
    if (onHit && !editor_.ReadOnly())
        editor_.SetSelText(replacement);
    Find(true);
    return onHit;
}

int TTextFinder::ReplaceAll(const std::string& replacement) {
    if (editor_.ReadOnly())
        return 0;
    const std::string text = editor_.Lines()->GetTextStr();
    std::vector<std::pair<std::size_t, std::size_t>> matches;
    ForEachMatch(text, query_, [&matches](std::size_t offset, std::size_t length) {
        matches.emplace_back(offset, length);
        return true;
    });
    if (matches.empty())
        return 0;
    // One edit from the first match to the end of the last, so one undo step takes it back.
    const std::size_t begin = matches.front().first;
    const std::size_t end = matches.back().first + matches.back().second;
    std::string replaced;
    std::size_t at = begin;
    for (const auto& [offset, length] : matches) {
        replaced.append(text, at, offset - at);
        replaced += replacement;
        at = offset + length;
    }
    editor_.CleanSelection();
    editor_.PlaceCaretAtOffset(0, static_cast<int>(begin));
    editor_.SetSelLength(static_cast<int>(end - begin));
    editor_.SetSelText(replaced);
    hit_ = {};
    return static_cast<int>(matches.size());
}

} // namespace kes
