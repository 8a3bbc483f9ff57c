#pragma once

#include "fountain/TFountain.h"
#include "fountain/TFountainParser.h"
#include "textmodel/TEditorStringList.h"

#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace kes::test {

struct Tok {
    int pos;
    int len;
    int kind;
    friend bool operator==(const Tok&, const Tok&) = default;
    friend std::ostream& operator<<(std::ostream& out, const Tok& t) {
        return out << "{" << t.pos << "," << t.len << "," << t.kind << "}";
    }
};

// Every token of one text scanned from the given state.
inline std::vector<Tok> Tokens(TFountainParser& parser, const std::string& text,
                               const TRowAttributeData& data = TRowAttributeData::TextStart()) {
    std::vector<Tok> tokens;
    parser.NewData(text, data);
    while (parser.NextToken() != ttEnd)
        tokens.push_back({parser.SourcePos(), parser.TokenLength(), parser.Token()});
    return tokens;
}

// Rows with their attributes, as word wrap would leave them.
inline void SetRows(TEditorStringList& rows,
                    const std::vector<std::pair<std::string, TRowAttribute>>& content) {
    rows.Clear();
    for (const auto& [text, attribute] : content) {
        int i = rows.Add(text);
        rows.SetRowAttributes(i, attribute);
    }
}

// The state at the start of every row, computed from the top as the screen rows do.
inline std::vector<TRowAttributeData> RowStates(TFountainParser& parser,
                                                const TEditorStringList& rows) {
    std::vector<TRowAttributeData> states;
    TRowAttributeData data = TRowAttributeData::TextStart();
    for (int i = 0; i < rows.Count(); ++i) {
        data.RowAttribute = rows.RowAttributes(i);
        states.push_back(data);
        parser.NextRowData(i, rows, data);
        data.PrevRowAttribute = rows.RowAttributes(i);
    }
    return states;
}

// The tokens of row i as the painter gets them: a wrapped row is scanned with the next
// row's text behind it, up to the first token that starts beyond the row.
inline std::vector<Tok> RowTokens(TFountainParser& parser, const TEditorStringList& rows,
                                  const std::vector<TRowAttributeData>& states, int i) {
    std::string text = rows.Get(i);
    int length = static_cast<int>(text.size());
    if (rows.RowAttributes(i) == raContinued && i + 1 < rows.Count())
        text += rows.Get(i + 1);
    std::vector<Tok> tokens;
    parser.NewData(text, states[static_cast<size_t>(i)]);
    while (parser.NextToken() != ttEnd && parser.SourcePos() < length)
        tokens.push_back({parser.SourcePos(), parser.TokenLength(), parser.Token()});
    return tokens;
}

// Random rows over a small alphabet, wrapped or not at random. Every token must lie in order
// inside its text, and a parser must keep no state between rows beyond the stored row
// state: a fresh parser started on any row gives the same next state and the same tokens
// as one that went through all the rows above. The sanitizers watch every read.
inline void CheckRandomRows(const std::function<std::unique_ptr<TFountainParser>()>& make,
                            const std::string& alphabet, unsigned seeds = 300) {
    for (unsigned seed = 1; seed <= seeds; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        std::mt19937 random(seed);
        TEditorStringList rows;
        int count = 1 + static_cast<int>(random() % 12);
        for (int r = 0; r < count; ++r) {
            std::string text;
            for (unsigned n = random() % 24; n > 0; --n)
                text += alphabet[random() % alphabet.size()];
            rows.Add(text);
            rows.SetRowAttributes(r, r + 1 == count ? raTextEnd
                                     : random() % 2 ? raContinued
                                                    : raLineEnd);
        }
        auto parser = make();
        auto states = RowStates(*parser, rows);
        auto painter = make();
        for (int r = 0; r < count; ++r) {
            SCOPED_TRACE("row " + std::to_string(r));
            auto tokens = RowTokens(*painter, rows, states, r);
            int end = 0;
            for (const Tok& t : tokens) {
                ASSERT_GE(t.pos, end);
                ASSERT_GE(t.len, 0);
                end = t.pos + t.len;
            }
            auto fresh = make();
            ASSERT_EQ(RowTokens(*fresh, rows, states, r), tokens);
            if (r + 1 < count) {
                TRowAttributeData data = states[static_cast<size_t>(r)];
                make()->NextRowData(r, rows, data);
                data.PrevRowAttribute = rows.RowAttributes(r);
                data.RowAttribute = rows.RowAttributes(r + 1);
                ASSERT_EQ(data, states[static_cast<size_t>(r + 1)]);
            }
        }
    }
}

} // namespace kes::test
