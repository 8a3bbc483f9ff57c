#include "FountainTestSupport.h"

#include "toolkit/core/Exception.h"

#include <gtest/gtest.h>

namespace kes {
namespace {

using test::Tok;
using test::Tokens;

class TTestParser : public TFountainParser {
public:
    using TFountainParser::TFountainParser;
    TFountainColor* TokenColor() override {
        if (IsReserveWord() || token_ == ttReserve)
            return Fountain()->Reserve();
        if (token_ == ttBracket)
            return Fountain()->Brackets()->Items(TokenBracket())->ItemColor();
        return nullptr;
    }
};

class TTestFountain : public TFountain {
public:
    using TFountain::TFountain;

protected:
    TFountainParserClass GetParserClass() override {
        return [](TFountain* f) -> std::unique_ptr<TFountainParser> {
            return std::make_unique<TTestParser>(f);
        };
    }
};

// Recognises quoted text and '#' comments, the way a scheme for a language would.
class TQuotingParser : public TTestParser {
public:
    using TTestParser::TTestParser;

protected:
    void InitMethodTable() override {
        TTestParser::InitMethodTable();
        methodTable_['\''] = Proc(&TQuotingParser::SingleQuotedProc);
        methodTable_['"'] = Proc(&TQuotingParser::DoubleQuotedProc);
        methodTable_['#'] = Proc(&TQuotingParser::CommentProc);
    }
};

struct Listener : TObject {
    int calls = 0;
    void Handle(TObject*) { ++calls; }
};

void AddBracket(TFountain& fountain, const std::string& left, const std::string& right) {
    TFountainBracketItem* item = fountain.Brackets()->Add();
    item->SetLeftBracket(left);
    item->SetRightBracket(right);
}

TEST(TFountainParser, NumbersWordsAndDoubleByteRuns) {
    TTestFountain fountain(nullptr);
    auto parser = fountain.CreateParser();
    EXPECT_EQ(Tokens(*parser, "12.5e+3x"), (std::vector<Tok>{{0, 7, ttFloat}, {7, 1, ttAnk}}));
    EXPECT_EQ(Tokens(*parser, "12.x"),
              (std::vector<Tok>{{0, 2, ttFloat}, {2, 1, ttSymbol}, {3, 1, ttAnk}}));
    EXPECT_EQ(Tokens(*parser, "7e"), (std::vector<Tok>{{0, 2, ttFloat}}));
    EXPECT_EQ(
        Tokens(*parser, "1.E5 42 0_a"),
        (std::vector<Tok>{{0, 4, ttFloat}, {5, 2, ttInteger}, {8, 1, ttInteger}, {9, 2, ttAnk}}));
    // Four half-width katakana and the half-width full stop.
    EXPECT_EQ(Tokens(*parser, "\xB1\xB2\xB3\xB4\xA1"),
              (std::vector<Tok>{{0, 4, ttHalfKana}, {4, 1, ttHalfKanaSymbol}}));
    // あい, the long-vowel mark ー, then 漢字.
    EXPECT_EQ(Tokens(*parser, "\x82\xA0\x82\xA2\x81\x5B\x8A\xBF\x8E\x9A"),
              (std::vector<Tok>{{0, 6, ttHiragana}, {6, 4, ttKanji}}));
    // １，２ then ＡＢ then カタ then the symbol 「.
    EXPECT_EQ(
        Tokens(*parser, "\x82\x50\x81\x43\x82\x51\x82\x60\x82\x61\x83\x4A\x83\x5E\x81\x75"),
        (std::vector<Tok>{
            {0, 6, ttWideDigit}, {6, 4, ttWideLatin}, {10, 4, ttKatakana}, {14, 2, ttWideSymbol}}));
    EXPECT_EQ(Tokens(*parser, "\tx\x01y"),
              (std::vector<Tok>{{0, 1, ttTab}, {1, 1, ttAnk}, {3, 1, ttAnk}}));
}

TEST(TFountainParser, ALeadByteAtTheRowEndIsNotReadPast) {
    TTestFountain fountain(nullptr);
    auto parser = fountain.CreateParser();
    EXPECT_EQ(Tokens(*parser, "a\x81"), (std::vector<Tok>{{0, 1, ttAnk}, {1, 1, ttWideSymbol}}));
    EXPECT_EQ(Tokens(*parser, "a\x82"), (std::vector<Tok>{{0, 1, ttAnk}, {1, 1, ttSymbol}}));
    EXPECT_EQ(Tokens(*parser, "\x83\x01x"), (std::vector<Tok>{{0, 1, ttSymbol}, {2, 1, ttAnk}}))
        << "a lead byte with no usable trail byte is a symbol of its own, also on a fresh parser";
    TRowAttributeData stale;
    stale.StartToken = ttAnk;
    stale.Remain = 200; // more bytes than the row has
    EXPECT_EQ(Tokens(*parser, "abc", stale), (std::vector<Tok>{{0, 3, ttAnk}}));
}

// A lead byte before CR or LF is a character of one byte: the kanji or symbol token stops
// before the line break, which is never taken into it.
TEST(TFountainParser, ALoneLeadByteBeforeALineBreakLeavesTheBreak) {
    TTestFountain fountain(nullptr);
    auto parser = fountain.CreateParser();
    EXPECT_EQ(Tokens(*parser, "\x88\nx"), (std::vector<Tok>{{0, 1, ttKanji}, {2, 1, ttAnk}}));
    EXPECT_EQ(Tokens(*parser, "\x88\x9F\xE0\r\n"), (std::vector<Tok>{{0, 3, ttKanji}}));
    EXPECT_EQ(Tokens(*parser, "\x82\r"), (std::vector<Tok>{{0, 1, ttSymbol}}));
    EXPECT_EQ(Tokens(*parser, "\x81\n"), (std::vector<Tok>{{0, 1, ttWideSymbol}}));
    EXPECT_EQ(Tokens(*parser, "\x82\xFD"
                              "a"),
              (std::vector<Tok>{{0, 1, ttSymbol}, {1, 1, ttSymbol}, {2, 1, ttAnk}}));
}

TEST(TFountainParser, QuotedTextNeedsASubclassThatMapsTheQuoteByte) {
    TTestFountain fountain(nullptr);
    auto base = fountain.CreateParser();
    EXPECT_EQ(Tokens(*base, "'a'").front(), (Tok{0, 1, ttSymbol}));

    TQuotingParser parser(&fountain);
    EXPECT_EQ(Tokens(parser, "x 'it''s' y"),
              (std::vector<Tok>{{0, 1, ttAnk}, {2, 7, ttSingleQuoted}, {10, 1, ttAnk}}));
    EXPECT_EQ(Tokens(parser, "\"open \x82\xA0"), (std::vector<Tok>{{0, 8, ttDoubleQuoted}}));
    EXPECT_EQ(Tokens(parser, "a # b 'c'"), (std::vector<Tok>{{0, 1, ttAnk}, {2, 7, ttComment}}));
}

TEST(TFountainParser, ReservedWordsAreWholeTokensInAnyLetterCase) {
    TTestFountain fountain(nullptr);
    TStringList words;
    words.Add("ABC");
    words.Add("abc");
    words.Add("while");
    fountain.SetReserveWordList(&words);
    EXPECT_EQ(fountain.ReserveWordList()->Count(), 2) << "duplicates are dropped";
    auto parser = fountain.CreateParser();
    std::vector<bool> reserved;
    std::string text = "abc abc1 While x";
    parser->NewData(text, TRowAttributeData::TextStart());
    while (parser->NextToken() != ttEnd)
        reserved.push_back(parser->TokenColor() == fountain.Reserve());
    EXPECT_EQ(reserved, (std::vector<bool>{true, false, true, false}));
}

TEST(TFountainParser, ConstructionNeedsAFountain) {
    try {
        TTestParser parser(nullptr);
        FAIL() << "no error";
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), "TFountainParser.Create need instance of TFountain");
    }
}

TEST(TFountainParser, NextRowDataCarriesAWordCutByTheWrap) {
    TTestFountain fountain(nullptr);
    auto parser = fountain.CreateParser();
    TEditorStringList rows;
    test::SetRows(rows, {{"ab cd", raContinued}, {"ef gh", raTextEnd}});
    auto states = test::RowStates(*parser, rows);
    EXPECT_EQ(states[1].StartToken, ttAnk);
    EXPECT_EQ(states[1].Remain, 2);
    EXPECT_EQ(test::RowTokens(*parser, rows, states, 0),
              (std::vector<Tok>{{0, 2, ttAnk}, {3, 4, ttAnk}}));
    EXPECT_EQ(test::RowTokens(*parser, rows, states, 1),
              (std::vector<Tok>{{0, 2, ttAnk}, {3, 2, ttAnk}}));

    // A word over three rows: the middle row is resumed by kind, the last by its length.
    test::SetRows(rows, {{"xab", raContinued}, {"cd", raContinued}, {"ef g", raLineEnd}});
    states = test::RowStates(*parser, rows);
    EXPECT_EQ(states[1].StartToken, ttAnk);
    EXPECT_EQ(states[1].Remain, 0);
    EXPECT_EQ(states[2].StartToken, ttAnk);
    EXPECT_EQ(states[2].Remain, 2);
    EXPECT_EQ(test::RowTokens(*parser, rows, states, 2),
              (std::vector<Tok>{{0, 2, ttAnk}, {3, 1, ttAnk}}));

    // カ|ー|ド x: a katakana run over three rows goes on with the long-vowel mark, which
    // could not start a run of its own.
    test::SetRows(
        rows, {{"\x83\x4A", raContinued}, {"\x81\x5B", raContinued}, {"\x83\x68 x", raLineEnd}});
    states = test::RowStates(*parser, rows);
    EXPECT_EQ(states[1].StartToken, ttKatakana);
    EXPECT_EQ(test::RowTokens(*parser, rows, states, 1), (std::vector<Tok>{{0, 4, ttKatakana}}));
    EXPECT_EQ(states[2].Remain, 2);
    EXPECT_EQ(test::RowTokens(*parser, rows, states, 2),
              (std::vector<Tok>{{0, 2, ttKatakana}, {3, 1, ttAnk}}));

    // A rest longer than the row list can keep in a byte is resumed by kind.
    test::SetRows(rows, {{"x ab", raContinued}, {std::string(300, 'c') + " d", raLineEnd}});
    states = test::RowStates(*parser, rows);
    EXPECT_EQ(states[1].StartToken, ttAnk);
    EXPECT_EQ(states[1].Remain, 0);
    EXPECT_EQ(test::RowTokens(*parser, rows, states, 1),
              (std::vector<Tok>{{0, 300, ttAnk}, {301, 1, ttAnk}}));

    // A row of blanks leaves the state as it was; a word that ends the row carries nothing.
    test::SetRows(rows, {{"   ", raLineEnd}, {"abc", raLineEnd}, {"d", raLineEnd}});
    states = test::RowStates(*parser, rows);
    EXPECT_EQ(states[1], (TRowAttributeData{raLineEnd, raLineEnd, -1, 0, 0, 0, 0, 0, ""}));
    EXPECT_EQ(states[2].StartToken, 0);
}

TEST(TFountainParser, BracketsCarryAcrossRowsAndLineBreaks) {
    TTestFountain fountain(nullptr);
    AddBracket(fountain, "=?", "?=");
    auto parser = fountain.CreateParser();
    TEditorStringList rows;
    test::SetRows(rows, {{"a =?xx", raLineEnd}, {"yy?=b", raLineEnd}, {"c", raTextEnd}});
    auto states = test::RowStates(*parser, rows);
    EXPECT_EQ(states[1].BracketIndex, 0);
    EXPECT_EQ(states[2].BracketIndex, -1);
    EXPECT_EQ(test::RowTokens(*parser, rows, states, 0),
              (std::vector<Tok>{{0, 1, ttAnk}, {2, 4, ttBracket}}));
    EXPECT_EQ(test::RowTokens(*parser, rows, states, 1),
              (std::vector<Tok>{{0, 4, ttBracket}, {4, 1, ttAnk}}));

    // The right bracket itself cut by the wrap: the next row starts with its rest.
    test::SetRows(rows, {{"=?ab?", raContinued}, {"=x", raTextEnd}});
    states = test::RowStates(*parser, rows);
    EXPECT_EQ(states[1].StartToken, ttBracket);
    EXPECT_EQ(states[1].Remain, 1);
    EXPECT_EQ(states[1].BracketIndex, 0);
    EXPECT_EQ(test::RowTokens(*parser, rows, states, 1),
              (std::vector<Tok>{{0, 1, ttBracket}, {1, 1, ttAnk}}));

    // The body cut by the wrap with the right bracket whole in the next row.
    test::SetRows(rows, {{"=?ab", raContinued}, {"cd?=x", raTextEnd}});
    states = test::RowStates(*parser, rows);
    EXPECT_EQ(states[1].StartToken, 0);
    EXPECT_EQ(states[1].BracketIndex, 0);
    EXPECT_EQ(test::RowTokens(*parser, rows, states, 1),
              (std::vector<Tok>{{0, 4, ttBracket}, {4, 1, ttAnk}}));

    // A state naming no usable bracket ends the row's tokens.
    TRowAttributeData bad;
    bad.BracketIndex = 5;
    EXPECT_TRUE(Tokens(*parser, "abc", bad).empty());
    // With bracket starts switched off the left bracket is plain text.
    EXPECT_EQ(Tokens(*parser, "=?", TRowAttributeData::SingleRow()).front(), (Tok{0, 1, ttSymbol}));
}

TEST(TFountainParser, CommentsAndQuotesEndAtTheLineBreakButFollowTheWrap) {
    TTestFountain fountain(nullptr);
    TQuotingParser parser(&fountain);
    TEditorStringList rows;
    test::SetRows(rows, {{"a #bc", raContinued},
                         {"de", raContinued},
                         {"fg", raLineEnd},
                         {"'q", raContinued},
                         {"r s", raLineEnd},
                         {"t'", raTextEnd}});
    auto states = test::RowStates(parser, rows);
    EXPECT_EQ(states[1].StartToken, ttComment);
    EXPECT_EQ(states[2].StartToken, ttComment);
    EXPECT_EQ(states[3].StartToken, 0) << "the comment ends with its line";
    EXPECT_EQ(test::RowTokens(parser, rows, states, 2), (std::vector<Tok>{{0, 2, ttComment}}));
    EXPECT_EQ(states[4].StartToken, ttSingleQuoted);
    EXPECT_EQ(states[4].Remain, 0);
    EXPECT_EQ(test::RowTokens(parser, rows, states, 4), (std::vector<Tok>{{0, 3, ttSingleQuoted}}));
    EXPECT_EQ(states[5].StartToken, 0);
    EXPECT_EQ(test::RowTokens(parser, rows, states, 5),
              (std::vector<Tok>{{0, 1, ttAnk}, {1, 1, ttSingleQuoted}}));

    // A string left open up to a blank row that ends the line ends there too.
    test::SetRows(rows, {{"'ab", raContinued}, {"   ", raLineEnd}, {"x", raTextEnd}});
    states = test::RowStates(parser, rows);
    EXPECT_EQ(states[1].StartToken, ttSingleQuoted);
    EXPECT_EQ(states[2].StartToken, 0);
    EXPECT_EQ(test::RowTokens(parser, rows, states, 2), (std::vector<Tok>{{0, 1, ttAnk}}));
}

TEST(TFountainParser, RandomRowsAreScannedSafelyAndWithoutHiddenState) {
    TTestFountain fountain(nullptr);
    AddBracket(fountain, "=?", "?=");
    AddBracket(fountain, "(", ")");
    test::CheckRandomRows([&] { return std::make_unique<TQuotingParser>(&fountain); },
                          "ab1.=?()'\"# \t\x81\x82\x83\x88\x9F\xA1\xB1\xE0\xED\x40\x5B\x9F");
}

TEST(TFountainBracketCollection, HoldsAtMostFourteenPairs) {
    TTestFountain fountain(nullptr);
    const char* message = "TFountainBracketCollection\r\nYou can not add item over 14";
    for (int i = 0; i < 14; ++i)
        AddBracket(fountain, "<" + std::to_string(i), ">");
    try {
        fountain.Brackets()->Add();
        FAIL() << "a fifteenth item was accepted";
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), message);
    }
    EXPECT_EQ(fountain.Brackets()->Count(), 14);

    TFountainBracketCollection source(nullptr);
    for (int i = 0; i < 14; ++i) {
        source.Add()->SetLeftBracket("[" + std::to_string(i));
    }
    TTestFountain other(nullptr);
    other.SetBrackets(&source);
    EXPECT_EQ(other.Brackets()->Items(13)->LeftBracket(), "[13");
    // A longer collection cannot be built through Add, so go through Insert's guard on a
    // plain collection of bracket items.
    TCollection longer(NewItem<TFountainBracketItem>);
    for (int i = 0; i < 15; ++i)
        static_cast<TFountainBracketItem*>(longer.Add())->SetLeftBracket("{" + std::to_string(i));
    Listener listener;
    other.NotifyEventList()->Add(MethodOf<&Listener::Handle>(&listener));
    try {
        other.Brackets()->Assign(&longer);
        FAIL() << "fifteen items were assigned";
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), message);
    }
    EXPECT_EQ(other.Brackets()->Count(), 14);
    EXPECT_EQ(other.Brackets()->Items(13)->LeftBracket(), "{13");
    EXPECT_EQ(other.Brackets()->UpdateCount(), 0) << "the update is closed after the error";
    EXPECT_EQ(listener.calls, 1);
}

TEST(TFountain, ChangesOfColoursBracketsAndWordsReachTheListeners) {
    TTestFountain fountain(nullptr);
    AddBracket(fountain, "(", ")");
    Listener listener;
    fountain.NotifyEventList()->Add(MethodOf<&Listener::Handle>(&listener));
    fountain.Reserve()->SetColor(clRed);
    fountain.Reserve()->SetColor(clRed);
    EXPECT_EQ(listener.calls, 1) << "an unchanged value notifies nobody";
    fountain.Brackets()->Items(0)->ItemColor()->SetBkColor(clBlue);
    EXPECT_EQ(listener.calls, 2);
    TStringList words;
    words.Add("x");
    fountain.SetReserveWordList(&words);
    EXPECT_EQ(listener.calls, 3);

    TFountainColor color;
    color.SetColor(clGreen);
    color.SetStyle(TFontStyles(fsItalic) + fsBold);
    fountain.NotifyEventList()->BeginUpdate();
    fountain.SetReserve(&color);
    fountain.Brackets()->Items(0)->SetItemColor(&color);
    fountain.NotifyEventList()->EndUpdate();
    EXPECT_EQ(listener.calls, 4) << "one notification per outermost update";
    EXPECT_EQ(fountain.Reserve()->Color(), clGreen);
    EXPECT_EQ(fountain.Reserve()->BkColor(), clNone);
    EXPECT_TRUE(fountain.HasItalicStyle(&fountain));
    fountain.Reserve()->SetStyle(fsBold);
    EXPECT_FALSE(fountain.HasItalicStyle(&fountain)) << "bracket colours are not looked at";
}

} // namespace
} // namespace kes
