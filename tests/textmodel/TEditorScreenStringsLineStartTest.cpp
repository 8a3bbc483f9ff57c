#include "ScreenTestSupport.h"

#include "fountain/FountainTestSupport.h"
#include "fountain/TMailFountain.h"
#include "textmodel/TEditorUndoObj.h"

#include <gtest/gtest.h>

#include <random>

namespace kes {
namespace {

// Every stored state is what a parse from the top gives, and every row whose state is stored
// gets the tokens of the full parse.
::testing::AssertionResult StoredStatesAreThoseFromTheTop(TEditorScreenStrings& rows,
                                                          TFountain& fountain) {
    const auto full = test::RowStates(*fountain.CreateParser(), rows);
    auto stored = full;
    auto painter = fountain.CreateParser();
    for (int i = 0; i < rows.GetCount(); ++i) {
        if (!rows.ParseStateComputed(i))
            continue;
        stored[static_cast<size_t>(i)] = rows.RowData(i);
        if (!(stored[static_cast<size_t>(i)] == full[static_cast<size_t>(i)]))
            return ::testing::AssertionFailure()
                   << "row " << i << " stores bracket " << stored[i].BracketIndex
                   << ", start token " << int(stored[i].StartToken) << ", remain "
                   << stored[i].Remain << "; from the top: bracket " << full[i].BracketIndex
                   << ", start token " << int(full[i].StartToken) << ", remain " << full[i].Remain;
        if (test::RowTokens(*painter, rows, stored, i) != test::RowTokens(*painter, rows, full, i))
            return ::testing::AssertionFailure() << "the tokens of row " << i;
    }
    return ::testing::AssertionSuccess();
}

// A post of quotations, URLs, MIME words (one left open over two lines) and lines that wrap.
std::string PostText(int lines) {
    const char* const patterns[] = {
        "> \x88\xF8\x97\x70 http://a.jp/x?=1 \x82\xA0\x82\xA2",            // > 引用 ... あい
        "\x96\x7B\x95\xB6 =?ISO-2022-JP?B?GyRCJEgbKEI?= \x82\xC5\x82\xB7", // 本文 ... です
        "=?ISO-2022-JP?B?open",
        "still inside the word",
        "closed ?= after it, mail a@b.jp",
        "| a comment line that is long enough to be wrapped twice at twenty",
        "\x81\x84\x81\x84 wide quotation",
        "plain words, and a much longer line that the wrap cuts into rows",
    };
    std::string text;
    for (int i = 0; i < lines; ++i)
        text += std::string(patterns[i % 8]) + " " + std::to_string(i) + "\r\n";
    return text;
}

// Far down a post the painter's request parses only from the lines just above the rows it
// needs; edits, undo and further requests around the rows left unparsed keep every stored
// state exact.
TEST(TEditorScreenStringsLineStart, FarRowsOfPostTextParseFromTheLinesJustAbove) {
    TMailFountain fountain(nullptr);
    test::FakeView view;
    view.fountain = &fountain;
    view.visibleRows = 4;
    TEditorScreenStrings& rows = view.Rows();
    rows.UndoObj().SetUndoListMax(1 << 20);
    rows.WrapOption().SetWrapByte(20);
    for (bool wrap : {false, true}) {
        SCOPED_TRACE(wrap ? "word wrap on" : "word wrap off");
        rows.SetWordWrap(wrap);
        rows.Clear();
        rows.UpdateRows(0, 0, PostText(400));
        rows.UndoObj().Clear();
        const int last = rows.GetCount() - 1;
        rows.UpdateParseState(last, false);
        ASSERT_TRUE(rows.ParseStateComputed(last));
        EXPECT_FALSE(rows.ParseStateComputed(last / 2)) << "the rows in between are left";
        ASSERT_TRUE(StoredStatesAreThoseFromTheTop(rows, fountain));

        std::mt19937 random(wrap ? 7 : 11);
        const std::vector<std::string> inserts = {"=?", "?=", "> ", "x", "\r\n", "=?a?=", "| "};
        for (int step = 0; step < 300; ++step) {
            SCOPED_TRACE("step " + std::to_string(step));
            const int count = rows.GetCount();
            const int row = static_cast<int>(random() % static_cast<unsigned>(count));
            switch (random() % 4) {
            case 0:
                rows.UpdateParseState(static_cast<int>(random() % static_cast<unsigned>(count)),
                                      false);
                break;
            case 1:
                if (rows.UndoObj().CanUndo())
                    rows.Undo();
                break;
            default:
                rows.UpdateRows(row, 1,
                                inserts[random() % inserts.size()] + rows.GetRowsText(row, 1).text);
                break;
            }
            ASSERT_TRUE(StoredStatesAreThoseFromTheTop(rows, fountain));
        }
    }
}

} // namespace
} // namespace kes
