// Where a parse may start instead of the last row whose state is known: far down a freshly
// loaded text the painter needs the state of a few rows, and a parser whose lines carry
// nothing but the bracket index can tell it from the lines just above them.
#include "fountain/TFountain.h"
#include "fountain/TFountainParser.h"

#include <string_view>
#include <vector>

namespace kes {

namespace {

// Lines that may fix the state are parsed once per possible start state; beyond this many
// the parse from the known row is left to do the work.
constexpr int kMaxTestedLines = 64;

int FirstRowOfLine(const TRowAttributeStringList& rows, int row) {
    while (row > 0 && rows.RowAttributes(row - 1) == raContinued)
        --row;
    return row;
}

bool ContainsAny(std::string_view text, const std::vector<std::string_view>& parts) {
    for (std::string_view part : parts)
        if (text.find(part) != std::string_view::npos)
            return true;
    return false;
}

} // namespace

void TFountainParser::ParseRows(int first, int last, const TRowAttributeStringList& rows,
                                TRowAttributeData& data) {
    for (int row = first; row <= last; ++row) {
        data.RowAttribute = rows.RowAttributes(row);
        NextRowData(row, rows, data);
        data.PrevRowAttribute = rows.RowAttributes(row);
    }
}

bool TFountainParser::LineEndIsFixed(int first, int last, const TRowAttributeStringList& rows,
                                     TRowAttributeData& end) {
    const int count = fountain_->Brackets()->Count();
    for (int bracket = -1; bracket < count; ++bracket) {
        TRowAttributeData data = TRowAttributeData::TextStart();
        data.BracketIndex = bracket;
        ParseRows(first, last, rows, data);
        if (bracket == -1)
            end = data;
        else if (!(data == end))
            return false;
    }
    return true;
}

// Walks up from row's line. Every line starts in the text's start state with some bracket
// index, so a line whose end state is the same for every bracket index it may start with
// fixes the state of the line after it. A line in which no bracket's left or right text
// occurs carries an open bracket on, so it is passed by a byte search alone. When the walk
// reaches `start` instead, the lines passed still decide it if none of them holds a left
// bracket and the line of `start` ends outside any bracket: they then all stay outside.
bool TFountainParser::AdvanceParseStart(int row, const TRowAttributeStringList& rows, int& start,
                                        TRowAttributeData& data) {
    if (!OnlyBracketsCrossLines() || row < 0 || row >= rows.Count())
        return false;
    const int lineStart = FirstRowOfLine(rows, row);
    if (lineStart <= start)
        return false;
    std::vector<std::string_view> lefts;
    std::vector<std::string_view> rights;
    TFountainBracketCollection* brackets = fountain_->Brackets();
    for (int i = 0; i < brackets->Count(); ++i) {
        if (!brackets->Items(i)->LeftBracket().empty())
            lefts.push_back(brackets->Items(i)->LeftBracket());
        if (!brackets->Items(i)->RightBracket().empty())
            rights.push_back(brackets->Items(i)->RightBracket());
    }
    bool opensNoBracket = true;
    int tested = 0;
    std::string text;
    int last = lineStart - 1;
    while (last >= start) {
        const int first = FirstRowOfLine(rows, last);
        if (first < start)
            break;
        text.clear();
        for (int r = first; r <= last; ++r)
            text += rows.View(r);
        const bool left = ContainsAny(text, lefts);
        if (left || ContainsAny(text, rights)) {
            if (++tested > kMaxTestedLines)
                return false;
            TRowAttributeData end;
            if (LineEndIsFixed(first, last, rows, end)) {
                start = last + 1;
                data = end;
                return true;
            }
            opensNoBracket = opensNoBracket && !left;
        }
        last = first - 1;
    }
    if (!opensNoBracket)
        return false;
    TRowAttributeData end = data;
    ParseRows(start, last, rows, end);
    if (end.BracketIndex != -1)
        return false;
    start = lineStart;
    data = end;
    return true;
}

} // namespace kes
