#include "editor/search/SearchRows.h"

#include "editor/search/SearchMatcher.h"
#include "textmodel/TRowAttributeStringList.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace kes {
namespace {

using O = TSearchOption;

struct Row {
    std::string text;
    TRowAttribute attribute;
};

// The rows in a row list, and the same rows as the one text they stand for.
struct Rows {
    TRowAttributeStringList list;
    std::string text;
    std::vector<int> starts; // each row's offset in text
};

void Fill(Rows& rows, const std::vector<Row>& content) {
    for (const Row& row : content) {
        const int index = rows.list.Add(row.text);
        rows.list.SetRowAttributes(index, row.attribute);
        rows.starts.push_back(static_cast<int>(rows.text.size()));
        rows.text += row.text;
        if (row.attribute == raLineEnd)
            rows.text += "\r\n";
    }
}

// "offset/length" counted from the text's start, or "none".
std::string FindInRows(Rows& rows, std::string_view pattern, TSearchOptions options, int row,
                       int index, int bufferSize = TSearchRows::BufferSize) {
    TSearchRows search(rows.list, pattern, options, bufferSize);
    TRowsMatch match;
    if (!search.Find(row, index, match))
        return "none";
    return std::to_string(rows.starts[static_cast<size_t>(match.Row)] + match.Offset) + "/" +
           std::to_string(match.Length);
}

std::string FindInText(const std::string& text, std::string_view pattern, TSearchOptions options,
                       int start) {
    TSearchMatch match;
    if (!SearchFind(text, start, 0, pattern, options, match))
        return "none";
    return std::to_string(match.Offset) + "/" + std::to_string(match.Length);
}

// Pieces of code page 932 text that make the matcher's choices: letters in both cases and
// widths, a double-byte character whose trail byte has a lead byte's value, half-width kana
// and sound marks that compose, spaces of both widths, tabs and word delimiters.
const std::vector<std::string> kPieces = {
    "a",        "b",        "A",        " ",        "\t",   "_",    "-",    "\x81\x40",
    "\x82\x60", "\x82\x81", "\x88\x9F", "\x88\xA0", "\xB6", "\xDE", "\xCA", "\xDF",
};

// Random texts cut into rows as word wrap cuts them (never inside a character), each searched
// from random places in both directions with random options, in buffers from one byte up:
// the rows must give what one search over the whole text gives. Half the patterns are taken
// from the text itself with its spaces and line breaks left out, so that matches run across
// rows and buffer edges.
TEST(SearchRows, FindsWhatOneSearchOverTheWholeTextFinds) {
    const unsigned seed = 20261208;
    std::mt19937 random(seed);
    auto number = [&random](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    auto piece = [&] { return kPieces[static_cast<size_t>(number(0, kPieces.size() - 1))]; };
    auto blank = [](const std::string& p) { return p == " " || p == "\t" || p == "\x81\x40"; };
    const TSearchOption optional[] = {O::MatchCase, O::WholeWord, O::IgnoreWidth,
                                      O::IgnoreLineBreaks, O::IgnoreSpaces};
    for (int round = 0; round < 300; ++round) {
        std::vector<Row> content;
        std::vector<std::string> flat; // the text's pieces, "\r\n" for a line break
        const int lines = number(1, 8);
        for (int line = 0; line < lines; ++line) {
            const int rowsInLine = number(1, 4);
            for (int r = 0; r < rowsInLine; ++r) {
                Row row{"", raContinued};
                for (int n = number(r == 0 ? 0 : 1, 12); n > 0; --n) {
                    flat.push_back(piece());
                    row.text += flat.back();
                }
                content.push_back(row);
            }
            content.back().attribute = raLineEnd;
            flat.push_back("\r\n");
        }
        if (number(0, 1) == 0)
            content.back().attribute = raTextEnd;
        Rows rows;
        Fill(rows, content);
        const int bufferSize = number(0, 3) == 0 ? TSearchRows::BufferSize : number(1, 40);
        for (int search = 0; search < 16; ++search) {
            std::string pattern;
            if (number(0, 1) == 0) {
                for (int n = number(1, 5); n > 0; --n)
                    pattern += piece();
            } else {
                for (size_t i = number(0, flat.size() - 1), n = number(1, 10);
                     i < flat.size() && n > 0; ++i, --n)
                    if (flat[i] != "\r\n" && !(blank(flat[i]) && number(0, 1) == 0))
                        pattern += flat[i];
            }
            TSearchOptions options;
            for (TSearchOption option : optional)
                if (number(0, 2) == 0)
                    options.Include(option);
            if (number(0, 1) == 0)
                options.Include(O::SearchDown);
            const int row = number(0, static_cast<int>(content.size()));
            const int rowSize =
                row < static_cast<int>(content.size())
                    ? static_cast<int>(content[static_cast<size_t>(row)].text.size())
                    : 0;
            const int index = number(0, rowSize);
            const int start = row < static_cast<int>(content.size())
                                  ? rows.starts[static_cast<size_t>(row)] + index
                                  : static_cast<int>(rows.text.size());
            ASSERT_EQ(FindInRows(rows, pattern, options, row, index, bufferSize),
                      FindInText(rows.text, pattern, options, start))
                << "seed " << seed << " round " << round << " search " << search << " buffer "
                << bufferSize << " options " << options.Bits() << " from row " << row << " index "
                << index;
        }
    }
}

// A text of many rows searched for the only match in its last line: the buffers stay near
// their size, one row of overlap and the pattern's length beyond it at most.
TEST(SearchRows, BuffersStayBoundedOnALongText) {
    std::vector<Row> content(20000, Row{std::string(70, 'x'), raLineEnd});
    content.back() = Row{"the needle is here", raTextEnd};
    Rows rows;
    Fill(rows, content);
    const int needle = static_cast<int>(rows.text.size()) - 14;
    const std::string expected = std::to_string(needle) + "/6";
    TSearchRows down(rows.list, "needle", {O::SearchDown});
    TRowsMatch match;
    ASSERT_TRUE(down.Find(0, 0, match));
    EXPECT_EQ(rows.starts[static_cast<size_t>(match.Row)] + match.Offset, needle);
    EXPECT_LT(down.LargestBuffer(), 8192u + 2 * 72u);
    TSearchRows up(rows.list, "xxxxxx\r\nxx", {});
    ASSERT_TRUE(up.Find(19998, 0, match));
    EXPECT_EQ(match.Row, 19996) << "the match ends before the start";
    EXPECT_EQ(match.Offset, 64);
    EXPECT_LT(up.LargestBuffer(), 8192u + 2 * 72u);
}

// A candidate that needs more than a buffer: spaces skipped for longer than the buffer, and a
// row longer than it. The buffer grows only for that candidate.
TEST(SearchRows, ABufferGrowsWhileACandidateStillMatches) {
    std::vector<Row> content;
    content.push_back({"a", raContinued});
    for (int i = 0; i < 300; ++i)
        content.push_back({std::string(80, ' '), raContinued});
    content.push_back({"b", raLineEnd});
    content.push_back({std::string(20000, 'y') + "needle", raLineEnd});
    content.push_back({"a b", raTextEnd});
    Rows rows;
    Fill(rows, content);
    const TSearchOptions spaces{O::SearchDown, O::IgnoreSpaces};
    EXPECT_EQ(FindInRows(rows, "ab", spaces, 0, 0), "0/24002");
    EXPECT_EQ(FindInRows(rows, "ab", {O::IgnoreSpaces}, 303, 3), "44012/3");
    EXPECT_EQ(FindInRows(rows, "ab", {O::IgnoreSpaces}, 303, 0), "0/24002");
    EXPECT_EQ(FindInRows(rows, "needle", {O::SearchDown}, 1, 0), "44004/6");
    EXPECT_EQ(FindInRows(rows, "needle", {}, 303, 0), "44004/6");
}

} // namespace
} // namespace kes
