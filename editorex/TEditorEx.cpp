#include "editorex/TEditorEx.h"

#include "editorex/TEditorExMarks.h"
#include "editorex/TVerticalLines.h"
#include "textmodel/TEditorScreenStrings.h"
#include "toolkit/core/Cp932.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace kes {

namespace {

struct TBracketPair {
    std::string_view open;
    std::string_view close;
};

// ( ) < > [ ] { } ‘ ’ “ ” （ ） 「 」 『 』 【 】 ＜ ＞ ≪ ≫
constexpr std::array<TBracketPair, 12> BracketPairs{{
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

constexpr size_t None = std::string_view::npos;

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

// The last occurrence of bracket at a character start of s before the index `before`.
size_t PreviousBracket(std::string_view s, size_t before, std::string_view bracket) {
    const size_t length = bracket.size();
    size_t end = std::min(s.size(), before + length - 1);
    while (end >= length) {
        const void* hit = memrchr(s.data() + length - 1, bracket.back(), end - (length - 1));
        if (!hit)
            return None;
        const auto k = static_cast<size_t>(static_cast<const char*>(hit) - s.data());
        const size_t start = k + 1 - length;
        if (s.substr(start, length) == bracket && !IsSecondByte(s, start))
            return start;
        end = k;
    }
    return None;
}

} // namespace

// The find search asks the editor for character classes, so a descendant's classes decide
// whole words.
class TEditorEx::TEditorLineSearch : public TLineSearch {
public:
    explicit TEditorLineSearch(const TEditorEx& editor) : editor_(editor) {}
    char CharClass(const std::string& text, int position) const override {
        return editor_.CharClass(text, position);
    }

private:
    const TEditorEx& editor_;
};

TEditorEx::TEditorEx(QWidget* parent)
    : TOleddEditor(parent), exMarks_(CreateExMarks()),
      search_(std::make_unique<TEditorLineSearch>(*this)),
      verticalLines_(std::make_unique<TVerticalLines>(this)) {
    // Selections are dragged through the desktop's drag and drop.
    Caret()->SetSelDragMode(dmManual);
}

TEditorEx::~TEditorEx() {
    searchList_.clear();
}

std::unique_ptr<TEditorExMarks> TEditorEx::CreateExMarks() {
    auto marks = std::make_unique<TEditorExMarks>();
    marks->OnChange = MethodOf<&TEditorEx::OptionsChanged>(this);
    return marks;
}

void TEditorEx::SetExMarks(TEditorExMarks* value) {
    exMarks_->Assign(value);
}

void TEditorEx::SetVerticalLines(TVerticalLines* value) {
    verticalLines_->Assign(value);
}

char TEditorEx::CharClass(const std::string& text, int position) const {
    return search_->TLineSearch::CharClass(text, position);
}

// ---- Rows and columns ----------------------------------------------------------------------

int TEditorEx::ColToCharIndex(int row, int column) const {
    if (row < 0 || row > ListCount() || column < 0)
        return -1;
    const std::string text = ListString(row);
    const std::string attributes = StrToAttributes(text);
    int c = column;
    if (c < static_cast<int>(attributes.size())) {
        if (attributes[static_cast<size_t>(c)] == '5')
            --c;
        while (c > 0 && attributes[static_cast<size_t>(c)] == '3')
            --c;
    }
    const auto padding = std::count(
        attributes.begin(), attributes.begin() + std::min<size_t>(c, attributes.size()), '3');
    return std::min(c - static_cast<int>(padding), static_cast<int>(text.size()));
}

int TEditorEx::FirstRowOfLine(int row) const {
    if (row < 0 || row > ListCount())
        return row;
    while (row > 0 && ListRow(row - 1) == raContinued)
        --row;
    return row;
}

int TEditorEx::LastRowOfLine(int row) const {
    if (row < 0 || row > ListCount())
        return row;
    while (ListRow(row) == raContinued)
        ++row;
    return row;
}

// ---- Brackets ------------------------------------------------------------------------------

bool TEditorEx::FindParen(int row, int position) {
    openParen_.text.clear();
    closeParen_.text.clear();
    if (row < 0 || row >= ListCount())
        return false;
    const std::string_view t = ScreenStrings().View(row);
    size_t i = static_cast<size_t>(std::max(position, 1) - 1);
    if (i >= t.size())
        return false;
    if (IsSecondByte(t, i))
        --i;
    const std::string_view c = t.substr(i, CharLength(t, i));
    for (const TBracketPair& pair : BracketPairs) {
        if (c == pair.open) {
            openParen_ = {row, static_cast<int>(i) + 1, std::string(c)};
            return WalkToPartner(row, i, pair.open, pair.close, true, closeParen_);
        }
        if (c == pair.close) {
            closeParen_ = {row, static_cast<int>(i) + 1, std::string(c)};
            return WalkToPartner(row, i, pair.close, pair.open, false, openParen_);
        }
    }
    return false;
}

bool TEditorEx::WalkToPartner(int row, size_t index, std::string_view bracket,
                              std::string_view partner, bool forward, TParenInfo& found) {
    // The bracket itself counts first, so the depth is back at zero at its partner.
    int depth = 0;
    const int count = ListCount();
    for (int r = row; forward ? r < count : r >= 0; r += forward ? 1 : -1) {
        const std::string_view s = ScreenStrings().View(r);
        // Forward the search starts at an index, backward it ends before one.
        const auto next = [&](size_t from, std::string_view b) {
            return forward ? NextBracket(s, from, b) : PreviousBracket(s, from, b);
        };
        const size_t start = r == row ? (forward ? index : index + 1) : (forward ? 0 : s.size());
        size_t own = next(start, bracket);
        size_t other = next(start, partner);
        while (own != None || other != None) {
            // The nearer of the two in the walk's direction.
            const bool ownFirst =
                other == None || (own != None && (forward ? own < other : own > other));
            const size_t at = ownFirst ? own : other;
            depth += ownFirst ? 1 : -1;
            if (depth == 0) {
                found = {r, static_cast<int>(at) + 1, std::string(partner)};
                return true;
            }
            (ownFirst ? own : other) =
                next(forward ? at + bracket.size() : at, ownFirst ? bracket : partner);
        }
    }
    return false;
}

// ---- Caret moves and double clicks ---------------------------------------------------------

void TEditorEx::DoCaretMoved() {
    TOleddEditor::DoCaretMoved();
    if (exMarks_->CurrentLine()->Visible() && lastCurrentLineRow_ != Row()) {
        InvalidateRow(lastCurrentLineRow_);
        InvalidateRow(Row());
        lastCurrentLineRow_ = Row();
    }
    if (!exMarks_->ParenMark()->Visible())
        return;
    const bool wasFound = parenFound_;
    const int oldOpen = openParen_.row;
    const int oldClose = closeParen_.row;
    const int p = ColToCharIndex(Row(), Col()) + 1;
    parenFound_ = FindParen(Row(), p) || FindParen(Row(), p - 1);
    if (wasFound) {
        InvalidateRow(oldOpen);
        if (oldClose != oldOpen)
            InvalidateRow(oldClose);
    }
    if (parenFound_) {
        InvalidateRow(openParen_.row);
        if (closeParen_.row != openParen_.row)
            InvalidateRow(closeParen_.row);
    }
}

void TEditorEx::DoubleClick(QMouseEvent* event) {
    TOleddEditor::DoubleClick(event);
    SelectWordAtCaret();
}

} // namespace kes
