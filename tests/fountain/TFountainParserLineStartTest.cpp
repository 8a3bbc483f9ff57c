#include "FountainTestSupport.h"

#include "fountain/TMailFountain.h"

#include <gtest/gtest.h>

namespace kes {
namespace {

// On random rows of post text (open and closed MIME words, quotations, comments, URLs with
// "?=" in them, blank and control bytes, wrapped lines), every start the parser moves down
// carries exactly the state of a parse from the top, from a line start, and every row from
// there to the target gets the tokens of the full parse.
TEST(TFountainParserLineStart, AdvancedStartsCarryTheStatesOfAParseFromTheTop) {
    TMailFountain fountain(nullptr);
    const std::vector<std::string> fragments = {
        "=?",     "?=", "=?B?x?=", "> ", ">",   "| ",   "\x81\x84", "http://a.jp/?=x",
        "a@b.jp", "ab", "12",      " ",  "   ", "\x01", "\x8A\xBF", "\x82\xA0",
        "\t"};
    int advanced = 0;
    for (unsigned seed = 1; seed <= 150; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        std::mt19937 random(seed);
        TEditorStringList rows;
        const int count = 1 + static_cast<int>(random() % 30);
        for (int r = 0; r < count; ++r) {
            const bool continued = r + 1 < count && random() % 5 < 2;
            std::string text;
            for (unsigned n = random() % 6 + (continued ? 1 : 0); n > 0; --n)
                text += fragments[random() % fragments.size()];
            rows.Add(text);
            rows.SetRowAttributes(r, r + 1 == count ? raTextEnd
                                     : continued    ? raContinued
                                                    : raLineEnd);
        }
        const auto states = test::RowStates(*fountain.CreateParser(), rows);
        for (int target = 0; target < count; ++target) {
            for (int from = 0; from <= target; ++from) {
                SCOPED_TRACE("row " + std::to_string(target) + " from " + std::to_string(from));
                int start = from;
                TRowAttributeData data = states[static_cast<size_t>(from)];
                if (!fountain.CreateParser()->AdvanceParseStart(target, rows, start, data)) {
                    ASSERT_EQ(start, from);
                    ASSERT_EQ(data, states[static_cast<size_t>(from)]);
                    continue;
                }
                ++advanced;
                ASSERT_GT(start, from);
                ASSERT_LE(start, target);
                ASSERT_TRUE(start == 0 || rows.RowAttributes(start - 1) != raContinued);
                auto shortWay = states;
                auto parser = fountain.CreateParser();
                for (int r = start; r <= target; ++r) {
                    data.RowAttribute = rows.RowAttributes(r);
                    ASSERT_EQ(data, states[static_cast<size_t>(r)]) << "state of row " << r;
                    shortWay[static_cast<size_t>(r)] = data;
                    parser->NextRowData(r, rows, data);
                    data.PrevRowAttribute = rows.RowAttributes(r);
                }
                auto painter = fountain.CreateParser();
                for (int r = start; r <= target; ++r)
                    ASSERT_EQ(test::RowTokens(*painter, rows, shortWay, r),
                              test::RowTokens(*painter, rows, states, r))
                        << "tokens of row " << r;
            }
        }
    }
    EXPECT_GT(advanced, 2000) << "most far starts are moved down";
}

} // namespace
} // namespace kes
