#include "ScreenTestSupport.h"

#include "textmodel/TEditorUndoObj.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

namespace kes {
namespace {

using test::FakeView;

// Every line break as CR LF, as the rows give the text back.
std::string Normalized(std::string_view text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            out += "\r\n";
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

// A row as the kept sums read it: its text and how it ends.
struct RowSeen {
    std::string text;
    TRowAttribute attribute;
    bool operator==(const RowSeen&) const = default;
};

std::vector<RowSeen> Seen(const TEditorScreenStrings& rows) {
    std::vector<RowSeen> seen;
    for (int i = 0; i < rows.GetCount(); ++i)
        seen.push_back({std::string(rows.View(i)), rows.RowAttributes(i)});
    return seen;
}

class Checker {
public:
    Checker(FakeView& view, TFountain& fountain) : view_(view), fountain_(fountain) {}

    // The row invariants: only the last row may be raTextEnd; a continued row has a row after
    // it; no row holds CR or LF; with wrap on no row is wider than WrapByte + 3 columns; every
    // computed parse state is the one a parse from row 0 gives; the kept text length and
    // line-end count are those of the rows, and the bytes the history counts are the bytes it
    // holds.
    ::testing::AssertionResult Rows() const {
        TEditorScreenStrings& rows = view_.Rows();
        const int count = rows.GetCount();
        const size_t length = rows.GetRowsText(0, count).text.size();
        if (rows.TextLength() != length)
            return ::testing::AssertionFailure()
                   << "text length " << rows.TextLength() << " kept, " << length << " in the rows";
        int lineEnds = 0;
        for (int i = 0; i < count; ++i)
            lineEnds += rows.RowAttributes(i) != raContinued ? 1 : 0;
        if (rows.LineEnds() != lineEnds)
            return ::testing::AssertionFailure()
                   << rows.LineEnds() << " line ends kept, " << lineEnds << " in the rows";
        const TEditorUndoObj& undo = rows.UndoObj();
        const size_t held = test::HistoryBytes(undo);
        if (undo.HeldBytes() != held)
            return ::testing::AssertionFailure()
                   << "the history counts " << undo.HeldBytes() << " bytes and holds " << held;
        const TCharAttributes rule = view_.Rule();
        const int widest = rows.WrapOption().WrapByte() + 3;
        auto parser = fountain_.CreateParser();
        TRowAttributeData data = TRowAttributeData::TextStart();
        for (int i = 0; i < count; ++i) {
            TRowAttribute attribute = rows.RowAttributes(i);
            std::string_view text = rows.View(i);
            if (attribute == raTextEnd && i != count - 1)
                return ::testing::AssertionFailure() << "raTextEnd on row " << i << " of " << count;
            if (attribute == raContinued && i == count - 1)
                return ::testing::AssertionFailure() << "the last row is continued";
            if (attribute == raNone)
                return ::testing::AssertionFailure() << "raNone on row " << i;
            if (text.find_first_of("\r\n") != std::string_view::npos)
                return ::testing::AssertionFailure() << "a line break inside row " << i;
            if (rows.WordWrap() && rule.Width(text) > widest)
                return ::testing::AssertionFailure()
                       << "row " << i << " is " << rule.Width(text) << " columns wide";
            data.RowAttribute = attribute;
            if (rows.ParseStateComputed(i)) {
                TRowAttributeData stored = rows.RowData(i);
                TRowAttributeData expected = data;
                expected.ParserState &= 0xFF;
                expected.Remain &= 0xFF;
                expected.ParserValue &= 0xFF;
                if (!(stored == expected))
                    return ::testing::AssertionFailure()
                           << "parse state of row " << i << ": bracket " << stored.BracketIndex
                           << " start token " << int(stored.StartToken) << " remain "
                           << stored.Remain << " prev " << int(stored.PrevRowAttribute)
                           << "; a parse from the top gives bracket " << expected.BracketIndex
                           << " start token " << int(expected.StartToken) << " remain "
                           << expected.Remain << " prev " << int(expected.PrevRowAttribute);
            }
            parser->NextRowData(i, rows, data);
            data.PrevRowAttribute = attribute;
        }
        return ::testing::AssertionSuccess();
    }

private:
    FakeView& view_;
    TFountain& fountain_;
};

std::string RandomText(std::mt19937& random, int maxPieces) {
    static const char* pieces[] = {"a",        "b",        "xyz",        " ",
                                   "\r\n",     "\r\n",     "\n",         "\r",
                                   "\t",       "\x82\xA0", "\x81\x75",   "\x81\x76",
                                   "\x81\x42", ",",        "(*",         "*)",
                                   "\"",       "#",        "abcdefghij", "\x88\x9F\x88\x9F"};
    std::uniform_int_distribution<int> pick(0, static_cast<int>(std::size(pieces)) - 1);
    int n = std::uniform_int_distribution<int>(0, maxPieces)(random);
    std::string text;
    for (int i = 0; i < n; ++i)
        text += pieces[pick(random)];
    return text;
}

void RandomWrapOptions(std::mt19937& random, TEditorWrapOption& option) {
    std::bernoulli_distribution coin(0.5);
    TEditorWrapOption next;
    next.SetWrapByte(std::uniform_int_distribution<int>(20, 40)(random));
    next.SetLeading(coin(random));
    next.SetWordBreak(coin(random));
    next.SetFollowPunctuation(coin(random));
    next.SetFollowRetMark(coin(random));
    option.Assign(&next);
}

// Random edits and whole-text replacements with undo and redo interleaved, on random texts
// with word wrap switched now and then. After every step the row invariants hold and the text
// is what the step made of it; at the end of every episode undoing everything gives back the
// text the history starts from, and redoing everything the text it ended with.
TEST(TEditorScreenStringsRandom, EditsUndoAndRedoKeepTheRowsSound) {
    const unsigned seed = 20261208;
    std::mt19937 random(seed);
    test::TPlainFountain fountain;
    FakeView view;
    view.fountain = &fountain;
    view.visibleRows = 3;
    TEditorScreenStrings& rows = view.Rows();
    rows.UndoObj().SetUndoListMax(1 << 30);
    Checker checker(view, fountain);
    const int episodes = 250;
    const int steps = 400;
    int edits = 0;
    for (int episode = 0; episode < episodes; ++episode) {
        SCOPED_TRACE("seed " + std::to_string(seed) + ", episode " + std::to_string(episode));
        RandomWrapOptions(random, rows.WrapOption());
        rows.SetWordWrap(std::bernoulli_distribution(0.6)(random));
        view.tabSpaceCount = 2 * std::uniform_int_distribution<int>(1, 4)(random);
        rows.Clear();
        rows.UpdateRows(0, 0, RandomText(random, 30));
        rows.UndoObj().Clear();
        std::string start = rows.GetRowsText(0, rows.GetCount()).text;
        // The texts before every edit that can be undone, and after every one that can be
        // redone.
        std::vector<std::string> past;
        std::vector<std::string> future;
        for (int step = 0; step < steps; ++step) {
            const int count = rows.GetCount();
            const std::string before = rows.GetRowsText(0, count).text;
            const std::vector<RowSeen> seen = Seen(rows);
            const uint64_t version = rows.Version();
            int action = std::uniform_int_distribution<int>(0, 39)(random);
            if (action == 38 || action == 39) {
                // A whole-text replacement is one step of the history unless it replaced an
                // empty text; switching word wrap ends the history.
                std::string text = RandomText(random, 12);
                const bool recorded = action == 38 && rows.TextLength() > 0;
                if (action == 38)
                    rows.ReplaceText(text);
                else
                    rows.SetWordWrap(!rows.WordWrap());
                const std::string after = rows.GetRowsText(0, rows.GetCount()).text;
                ASSERT_EQ(after, action == 38 ? Normalized(text) : before) << "at step " << step;
                ASSERT_EQ(rows.UndoObj().CanUndo(), recorded);
                future.clear();
                if (recorded) {
                    past.push_back(before);
                } else {
                    past.clear();
                    start = after;
                }
            } else if (action % 10 == 0) {
                ASSERT_EQ(rows.UndoObj().CanUndo(), !past.empty());
                rows.Undo();
                if (!past.empty()) {
                    ASSERT_EQ(rows.GetRowsText(0, rows.GetCount()).text, past.back())
                        << "undo at step " << step;
                    past.pop_back();
                    future.push_back(before);
                }
            } else if (action % 10 == 1) {
                ASSERT_EQ(rows.UndoObj().CanRedo(), !future.empty());
                rows.Redo();
                if (!future.empty()) {
                    ASSERT_EQ(rows.GetRowsText(0, rows.GetCount()).text, future.back())
                        << "redo at step " << step;
                    future.pop_back();
                    past.push_back(before);
                }
            } else {
                int row = std::uniform_int_distribution<int>(0, count)(random);
                int n = std::uniform_int_distribution<int>(0, std::min(3, count - row))(random);
                std::string text = RandomText(random, 4);
                view.col = std::uniform_int_distribution<int>(0, 2)(random);
                if (row < count && std::bernoulli_distribution(0.1)(random)) {
                    rows.SetRowMarks(row, static_cast<TRowMarks>(1u << (step % 10)));
                    rows.IncludeRowMarks(static_cast<TRowMarks>(1u << (step % 10)));
                }
                // The text of the rows replaced, as an edit would see it.
                size_t from = rows.GetRowsText(0, row).text.size();
                size_t length = rows.GetRowsText(row, n).text.size();
                rows.UpdateRows(row, n, text);
                ++edits;
                if (n > 0 || !text.empty()) {
                    past.push_back(before);
                    future.clear();
                    std::string expected =
                        before.substr(0, from) + Normalized(text) + before.substr(from + length);
                    ASSERT_EQ(rows.GetRowsText(0, rows.GetCount()).text, expected)
                        << "UpdateRows(" << row << ", " << n << ", "
                        << ::testing::PrintToString(text) << ") at step " << step;
                }
            }
            ASSERT_TRUE(checker.Rows()) << "after step " << step << ", action " << action;
            // The rows said to be unchanged since the step began are the rows seen then.
            const std::vector<RowSeen> now = Seen(rows);
            const size_t kept = std::min<size_t>(
                {static_cast<size_t>(rows.UnchangedRowsSince(version)), seen.size(), now.size()});
            for (size_t i = 0; i < kept; ++i)
                ASSERT_TRUE(now[i] == seen[i]) << "row " << i << " changed at step " << step;
            if (std::bernoulli_distribution(0.05)(random))
                rows.UpdateParseState(
                    std::uniform_int_distribution<int>(0, rows.GetCount())(random), false);
        }
        // Redoing everything goes to the latest text, before any undo that ended the episode.
        const std::string end =
            future.empty() ? rows.GetRowsText(0, rows.GetCount()).text : future.front();
        while (rows.UndoObj().CanUndo())
            rows.Undo();
        ASSERT_EQ(rows.GetRowsText(0, rows.GetCount()).text, start);
        ASSERT_TRUE(checker.Rows());
        while (rows.UndoObj().CanRedo())
            rows.Redo();
        ASSERT_EQ(rows.GetRowsText(0, rows.GetCount()).text, end);
        ASSERT_TRUE(checker.Rows());
    }
    EXPECT_GE(edits, 70000);
    EXPECT_GE(episodes * steps, 100000);
}

} // namespace
} // namespace kes
