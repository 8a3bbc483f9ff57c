#include "textmodel/TEditorStringList.h"
#include "textmodel/TRowAttributeData.h"
#include "toolkit/core/Exception.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <random>
#include <string>
#include <vector>

namespace kes {
namespace {

const char* const kIndexError = "リストのインデックスが範囲を超えています";

struct Events : TObject {
    std::vector<char> log; // 'g' for OnChanging, 'c' for OnChange
    void Changing(TObject*) { log.push_back('g'); }
    void Change(TObject*) { log.push_back('c'); }
    void Attach(TheStringList& list) {
        list.OnChanging = MethodOf<&Events::Changing>(this);
        list.OnChange = MethodOf<&Events::Change>(this);
    }
    std::string Take() {
        std::string s(log.begin(), log.end());
        log.clear();
        return s;
    }
};

// Gives a row a value in every field, so that tests can see fields travel or stay.
void Fill(TEditorStringList& list, int i, int seed) {
    list.SetParserTexts(i, "ptext" + std::to_string(seed));
    list.SetTags(i, 1000 + seed);
    list.SetWords1(i, 0x11223344u + static_cast<uint32_t>(seed));
    list.SetWords2(i, 0x55667788u + static_cast<uint32_t>(seed));
}

void ExpectFilled(const TEditorStringList& list, int i, int seed) {
    EXPECT_EQ(list.ParserTexts(i), "ptext" + std::to_string(seed)) << "row " << i;
    EXPECT_EQ(list.Tags(i), 1000 + seed) << "row " << i;
    EXPECT_EQ(list.Words1(i), 0x11223344u + static_cast<uint32_t>(seed)) << "row " << i;
    EXPECT_EQ(list.Words2(i), 0x55667788u + static_cast<uint32_t>(seed)) << "row " << i;
}

TEST(TheStringList, EventsOfEditsClearAndUpdates) {
    TEditorStringList list;
    Events events;
    events.Attach(list);
    list.Clear();
    EXPECT_EQ(events.Take(), "") << "clearing an empty list fires nothing";
    list.Add("a");
    list.Insert(0, "b");
    list.Put(1, "c");
    list.Exchange(0, 1);
    list.Delete(0);
    EXPECT_EQ(events.Take(), "gcgcgcgcgc");
    list.Clear();
    EXPECT_EQ(events.Take(), "gc");
    EXPECT_EQ(list.Capacity(), 0);

    list.BeginUpdate();
    list.BeginUpdate();
    list.Add("x");
    list.Add("y");
    list.EndUpdate();
    EXPECT_EQ(events.Take(), "g") << "only the opening of the outermost update fires";
    list.EndUpdate();
    EXPECT_EQ(events.Take(), "c");
}

TEST(TheStringList, BadIndexesRaiseTheListErrorAndChangeNothing) {
    TEditorStringList list;
    Events events;
    list.Add("a");
    list.Add("b");
    events.Attach(list);
    auto expectError = [&](auto&& operation, int index) {
        try {
            operation();
            ADD_FAILURE() << "no error for index " << index;
        } catch (const EStringListError& e) {
            EXPECT_STREQ(e.what(), kIndexError);
            EXPECT_EQ(e.Index(), index);
        }
    };
    expectError([&] { list.Get(-1); }, -1);
    expectError([&] { list.Get(2); }, 2);
    expectError([&] { list.Insert(3, "z"); }, 3);
    expectError([&] { list.Insert(-1, "z"); }, -1);
    expectError([&] { list.Put(2, "z"); }, 2);
    expectError([&] { list.Delete(2); }, 2);
    expectError([&] { list.Exchange(5, 7); }, 5);
    expectError([&] { list.Exchange(0, 7); }, 7);
    expectError([&] { list.SetTags(2, 1); }, 2);
    expectError([&] { list.SetRowAttributes(-1, raTextEnd); }, -1);
    expectError([&] { list.SetCapacity(1); }, 1);
    EXPECT_EQ(events.Take(), "") << "a refused operation notifies nobody";
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Get(0), "a");
    EXPECT_EQ(list.Get(1), "b");
    list.Insert(2, "c");
    EXPECT_EQ(list.Get(2), "c") << "inserting at the count appends";
}

TEST(TheStringList, CapacityGrowsInTheFixedSteps) {
    TEditorStringList list;
    std::vector<int> seen;
    for (int i = 0; i < 95; ++i) {
        list.Add("");
        if (seen.empty() || seen.back() != list.Capacity())
            seen.push_back(list.Capacity());
    }
    EXPECT_EQ(seen, (std::vector<int>{4, 8, 12, 28, 44, 60, 76, 95}));
    list.SetCapacity(200);
    EXPECT_EQ(list.Capacity(), 200);
    EXPECT_EQ(list.Count(), 95);
}

TEST(TheStringList, PutReplacesOnlyTheTextAndExchangeCarriesEveryField) {
    TEditorStringList list;
    list.Add("short");
    list.Add(std::string(40, 'L'));
    Fill(list, 0, 1);
    Fill(list, 1, 2);
    list.Put(0, std::string(100, 'p'));
    EXPECT_EQ(list.Get(0), std::string(100, 'p'));
    ExpectFilled(list, 0, 1);
    list.Exchange(0, 1);
    EXPECT_EQ(list.Get(0), std::string(40, 'L'));
    EXPECT_EQ(list.Get(1), std::string(100, 'p'));
    ExpectFilled(list, 0, 2);
    ExpectFilled(list, 1, 1);
}

TEST(TheStringList, FreshRowsStartZeroedWithTheStateNotComputed) {
    TEditorStringList list;
    list.Add("a");
    Fill(list, 0, 3);
    list.Delete(0);
    list.Add("b"); // reuses the slot of the deleted row
    EXPECT_EQ(list.Words1(0), 0u);
    EXPECT_EQ(list.Words2(0), 0u);
    EXPECT_EQ(list.Tags(0), 0);
    EXPECT_EQ(list.ParserTexts(0), "");
    EXPECT_EQ(list.RowAttributes(0), raLineEnd);
    EXPECT_EQ(list.PrevRowAttributes(0), raLineEnd);
    EXPECT_EQ(list.BracketIndexes(0), -2);
    EXPECT_EQ(list.RowMarks(0), 0);
}

TEST(TRowAttributeStringList, PackedFieldsAreBitExactAndIndependent) {
    TEditorStringList list;
    list.Add("");
    list.SetBracketIndexes(0, -2);
    EXPECT_EQ(list.Words1(0), 0u);
    list.SetBracketIndexes(0, 13);
    EXPECT_EQ(list.Words1(0), 0xF0u);
    EXPECT_EQ(list.BracketIndexes(0), 13);
    list.SetBracketIndexes(0, -1);
    EXPECT_EQ(list.Words1(0), 0x10u);

    list.SetWords1(0, 0);
    list.SetRowAttributes(0, raTextEnd);
    list.SetPrevRowAttributes(0, raContinued);
    list.SetParserStates(0, 0x1AB); // bytes keep the low 8 bits
    list.SetRemains(0, 0x12);
    list.SetParserValues(0, 0xFE);
    EXPECT_EQ(list.Words1(0), 0xFE12AB06u);
    list.SetRowAttributes(0, raNone);
    EXPECT_EQ(list.Words1(0), 0xFE12AB07u) << "other bits of word 1 stay";
    EXPECT_EQ(list.PrevRowAttributes(0), raContinued);
    EXPECT_EQ(list.ParserStates(0), 0xAB);
    EXPECT_EQ(list.ParserValues(0), 0xFE);
    EXPECT_EQ(list.BracketIndexes(0), -2);

    list.SetStartTokens(0, 300);
    list.SetParserFlags(0, 0x7F);
    list.SetRowMarks(0, 0x8001);
    EXPECT_EQ(list.Words2(0), 0x80017F2Cu);
    EXPECT_EQ(list.StartTokens(0), 44);
    list.SetStartTokens(0, 0);
    EXPECT_EQ(list.RowMarks(0), 0x8001);
    EXPECT_EQ(list.ParserFlags(0), 0x7F);
}

TEST(TRowAttributeData, StartStatesOfTextsAndSingleRows) {
    TRowAttributeData start = TRowAttributeData::TextStart();
    EXPECT_EQ(start.RowAttribute, raLineEnd);
    EXPECT_EQ(start.PrevRowAttribute, raLineEnd);
    EXPECT_EQ(start.BracketIndex, -1);
    EXPECT_EQ(start.ParserState + start.Remain + start.ParserValue, 0);
    EXPECT_EQ(start.StartToken + start.ParserFlag, 0);
    EXPECT_TRUE(start.ParserText.empty());
    TRowAttributeData single = TRowAttributeData::SingleRow();
    EXPECT_EQ(single.BracketIndex, -2);
    single.BracketIndex = -1;
    EXPECT_EQ(single, start);
}

// Random edits against a plain vector: the gap must never lose, duplicate or reorder rows
// or their fields, whatever the order of inserts and deletes around the list, and the kept
// text length is at every step the rows' bytes plus CR LF after every raLineEnd row, and the
// kept count of line ends the number of rows that are not continued.
TEST(TheStringList, RandomEditsMatchAPlainVector) {
    struct Row {
        std::string text;
        std::string parserText;
        int32_t tag;
        TRowAttribute attribute = raLineEnd;
    };
    auto lengthOf = [](const std::vector<Row>& rows) {
        size_t length = 0;
        for (const Row& row : rows)
            length += row.text.size() + (row.attribute == raLineEnd ? 2 : 0);
        return length;
    };
    for (unsigned seed : {1u, 2u, 3u, 4u}) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        std::mt19937 random(seed);
        TEditorStringList list;
        std::vector<Row> model;
        for (int step = 0; step < 3000; ++step) {
            int op = static_cast<int>(random() % 11);
            int n = static_cast<int>(model.size());
            // Edits cluster around a moving spot, like typing, with jumps now and then.
            int spot = n == 0 ? 0 : static_cast<int>(random() % static_cast<unsigned>(n + 1));
            if (op < 5 || n == 0) {
                std::string text(random() % 40, static_cast<char>('a' + step % 26));
                list.Insert(spot, text);
                model.insert(model.begin() + spot, Row{text, "", 0});
                if (random() % 4 == 0) {
                    std::string pt = "p" + std::to_string(step);
                    list.SetParserTexts(spot, pt);
                    model[static_cast<size_t>(spot)].parserText = pt;
                }
                list.SetTags(spot, step);
                model[static_cast<size_t>(spot)].tag = step;
            } else if (op < 8) {
                int i = spot == n ? n - 1 : spot;
                list.Delete(i);
                model.erase(model.begin() + i);
            } else if (op < 9) {
                int a = static_cast<int>(random() % static_cast<unsigned>(n));
                int b = static_cast<int>(random() % static_cast<unsigned>(n));
                list.Exchange(a, b);
                std::swap(model[static_cast<size_t>(a)], model[static_cast<size_t>(b)]);
            } else if (op == 10) {
                // Reallocating keeps the gap wherever the last edit left it.
                list.SetCapacity(n + static_cast<int>(random() % 5));
            } else {
                int i = static_cast<int>(random() % static_cast<unsigned>(n));
                std::string text(random() % 30, 'Z');
                list.Put(i, text);
                model[static_cast<size_t>(i)].text = text;
                // The attribute changes through its setter or the whole packed word.
                auto attribute = static_cast<TRowAttribute>(random() % 4);
                if (random() % 2 == 0)
                    list.SetRowAttributes(i, attribute);
                else
                    list.SetWords1(i, (list.Words1(i) & ~0x3u) | attribute);
                model[static_cast<size_t>(i)].attribute = attribute;
            }
            ASSERT_LE(list.Count(), list.Capacity());
            ASSERT_EQ(list.TextLength(), lengthOf(model)) << "step " << step << ", op " << op;
            ASSERT_EQ(list.LineEnds(),
                      std::count_if(model.begin(), model.end(),
                                    [](const Row& r) { return r.attribute != raContinued; }))
                << "step " << step << ", op " << op;
        }
        ASSERT_EQ(list.Count(), static_cast<int>(model.size()));
        for (int i = 0; i < list.Count(); ++i) {
            const Row& row = model[static_cast<size_t>(i)];
            ASSERT_EQ(list.Get(i), row.text) << "row " << i;
            ASSERT_EQ(list.ParserTexts(i), row.parserText) << "row " << i;
            ASSERT_EQ(list.Tags(i), row.tag) << "row " << i;
        }
        list.Clear();
        EXPECT_EQ(list.TextLength(), 0u);
    }
}

} // namespace
} // namespace kes
