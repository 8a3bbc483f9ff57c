#include "FountainTestSupport.h"

#include "fountain/TMailFountain.h"
#include "fountain/TMailFountainParser.h"

#include <gtest/gtest.h>

namespace kes {
namespace {

using test::Tok;
using test::Tokens;

// Code page 932 bytes of the marks and characters used below.
#define GT_WIDE "\x81\x84"     // ＞
#define GT_DOUBLE "\x81\x74"   // 》
#define BAR_WIDE "\x81\x62"    // ｜
#define SPACE_WIDE "\x81\x40"  // full-width space
#define KAN "\x8A\xBF"         // 漢
#define A_HIRA "\x82\xA0"      // あ
#define ONE_CIRCLED "\x87\x40" // ①
#define A_KANJI "\x88\x9F"     // 亜
#define NEC_IBM "\xED\x40"     // a platform-dependent kanji of the NEC-selected IBM range

TEST(TMailFountainParser, QuotationLevelsCountMarksAtTheLineStart) {
    TMailFountain fountain(nullptr);
    auto parser = fountain.CreateParser();
    EXPECT_EQ(Tokens(*parser, ">> text"), (std::vector<Tok>{{0, 7, ttQuoteLevel2}}));
    EXPECT_EQ(Tokens(*parser, "> > text"), (std::vector<Tok>{{0, 8, ttQuoteLevel2}}));
    EXPECT_EQ(Tokens(*parser, ">>>>> x"), (std::vector<Tok>{{0, 7, ttQuoteLevel4}}));
    EXPECT_EQ(Tokens(*parser, GT_WIDE GT_DOUBLE "> x"), (std::vector<Tok>{{0, 7, ttQuoteLevel3}}));
    EXPECT_EQ(Tokens(*parser, "> a > b"), (std::vector<Tok>{{0, 7, ttQuoteLevel1}}));
    EXPECT_EQ(Tokens(*parser, GT_WIDE SPACE_WIDE GT_WIDE),
              (std::vector<Tok>{{0, 6, ttQuoteLevel1}}))
        << "a full-width space ends the counting";
    EXPECT_EQ(Tokens(*parser, " >a"), (std::vector<Tok>{{1, 1, ttSymbol}, {2, 1, ttAnk}}));
    EXPECT_EQ(Tokens(*parser, "a " GT_WIDE),
              (std::vector<Tok>{{0, 1, ttAnk}, {2, 2, ttWideSymbol}}));
    EXPECT_EQ(Tokens(*parser, "> http://a.jp me@b.jp"), (std::vector<Tok>{{0, 21, ttQuoteLevel1}}))
        << "a quotation line is one token: nothing inside gets its own colour";
}

TEST(TMailFountainParser, CommentLinesStartOnlyAtTheLineStart) {
    TMailFountain fountain(nullptr);
    auto parser = fountain.CreateParser();
    EXPECT_EQ(Tokens(*parser, "|note x"), (std::vector<Tok>{{0, 7, ttComment}}));
    EXPECT_EQ(Tokens(*parser, BAR_WIDE "note"), (std::vector<Tok>{{0, 6, ttComment}}));
    EXPECT_EQ(Tokens(*parser, "a|b"),
              (std::vector<Tok>{{0, 1, ttAnk}, {1, 1, ttSymbol}, {2, 1, ttAnk}}));
    EXPECT_EQ(Tokens(*parser, "a" BAR_WIDE),
              (std::vector<Tok>{{0, 1, ttAnk}, {1, 2, ttWideSymbol}}));
}

TEST(TMailFountainParser, PlatformDependentCharactersByTheTable) {
    TMailFountain fountain(nullptr);
    auto parser = fountain.CreateParser();
    EXPECT_EQ(Tokens(*parser, ONE_CIRCLED NEC_IBM A_KANJI "\xF5\x01"),
              (std::vector<Tok>{{0, 2, ttPlatformDependent},
                                {2, 2, ttPlatformDependent},
                                {4, 2, ttKanji},
                                {6, 1, ttPlatformDependent}}))
        << "0xF5 before 0x01 is a lone lead byte";
    EXPECT_EQ(Tokens(*parser, KAN NEC_IBM KAN), (std::vector<Tok>{{0, 6, ttKanji}}))
        << "inside a kanji run the character is not looked at";
    EXPECT_EQ(Tokens(*parser, A_HIRA NEC_IBM),
              (std::vector<Tok>{{0, 2, ttHiragana}, {2, 2, ttPlatformDependent}}));
    // 0x3F and 0xFD cannot be trail bytes: 0x85 and 0xEF are lone lead bytes, 0xFD no lead.
    EXPECT_EQ(Tokens(*parser, "\x85\x3F\x88\x9E\xEF\xFD"),
              (std::vector<Tok>{{0, 1, ttKanji},
                                {1, 1, ttSymbol},
                                {2, 2, ttPlatformDependent},
                                {4, 1, ttKanji},
                                {5, 1, ttPlatformDependent}}));
    EXPECT_EQ(Tokens(*parser, "a\xFE"),
              (std::vector<Tok>{{0, 1, ttAnk}, {1, 1, ttPlatformDependent}}))
        << "a cut character at the row end is not read past";
}

TEST(TMailFountainParser, UrlsAndMailAreAlwaysOn) {
    TMailFountain fountain(nullptr);
    auto parser = fountain.CreateParser();
    EXPECT_EQ(Tokens(*parser, "see https://x.jp/a?b=1(c) now"), (std::vector<Tok>{{0, 3, ttAnk},
                                                                                  {4, 18, ttUrl},
                                                                                  {22, 1, ttSymbol},
                                                                                  {23, 1, ttAnk},
                                                                                  {24, 1, ttSymbol},
                                                                                  {26, 3, ttAnk}}));
    EXPECT_EQ(Tokens(*parser, "www.a.jp" KAN), (std::vector<Tok>{{0, 8, ttUrl}, {8, 2, ttKanji}}));
    EXPECT_EQ(
        Tokens(*parser, "xhttp://a"),
        (std::vector<Tok>{
            {0, 5, ttAnk}, {5, 1, ttSymbol}, {6, 1, ttSymbol}, {7, 1, ttSymbol}, {8, 1, ttAnk}}));
    EXPECT_EQ(Tokens(*parser, "to me@b.jp."), (std::vector<Tok>{{0, 2, ttAnk}, {3, 8, ttMail}}));
    EXPECT_EQ(Tokens(*parser, "@b.jp").front(), (Tok{0, 1, ttSymbol}));
}

TEST(TMailFountainParser, TokenColorsOfThePostScheme) {
    TMailFountain fountain(nullptr);
    TStringList words;
    words.Add("kestrel");
    fountain.SetReserveWordList(&words);
    auto parser = fountain.CreateParser();
    std::string text = "Kestrel \xB1\xB2\xA1 " ONE_CIRCLED " http://a me@b.c =?x?= 12";
    std::vector<TFountainColor*> colors;
    parser->NewData(text, TRowAttributeData::TextStart());
    while (parser->NextToken() != ttEnd)
        colors.push_back(parser->TokenColor());
    EXPECT_EQ(colors, (std::vector<TFountainColor*>{
                          fountain.Reserve(), fountain.Kana(), fountain.Kana(),
                          fountain.PlatformDependent(), fountain.Url(), fountain.Mail(),
                          fountain.Brackets()->Items(0)->ItemColor(), nullptr}));
    std::string quote = ">>>x";
    parser->NewData(quote, TRowAttributeData::TextStart());
    parser->NextToken();
    EXPECT_EQ(parser->TokenColor(), fountain.Quotation3());
    std::string comment = "|x";
    parser->NewData(comment, TRowAttributeData::TextStart());
    parser->NextToken();
    EXPECT_EQ(parser->TokenColor(), fountain.Comment());
}

TEST(TMailFountainParser, WrappedQuotationLinesKeepTheirLevelToTheLineBreak) {
    TMailFountain fountain(nullptr);
    auto parser = fountain.CreateParser();
    TEditorStringList rows;
    test::SetRows(rows, {{">> abc", raContinued},
                         {">def", raContinued},
                         {"gh", raLineEnd},
                         {"plain >", raLineEnd},
                         {"|x", raContinued},
                         {"y", raTextEnd}});
    auto states = test::RowStates(*parser, rows);
    // The painter gets the wrapped row with the next one behind it and clips the token.
    EXPECT_EQ(test::RowTokens(*parser, rows, states, 1), (std::vector<Tok>{{0, 6, ttQuoteLevel2}}));
    EXPECT_EQ(test::RowTokens(*parser, rows, states, 2), (std::vector<Tok>{{0, 2, ttQuoteLevel2}}));
    EXPECT_EQ(test::RowTokens(*parser, rows, states, 3),
              (std::vector<Tok>{{0, 5, ttAnk}, {6, 1, ttSymbol}}));
    EXPECT_EQ(test::RowTokens(*parser, rows, states, 5), (std::vector<Tok>{{0, 1, ttComment}}));
}

// A pass may begin on any row: the painter starts at the first visible row and stops at the
// right edge of the view. Quotation and comment lines must be told by the row, not by what
// the parser happened to scan before.
TEST(TMailFountainParser, LineStartsAreKnownWhicheverRowAPassStartsOn) {
    TMailFountain fountain(nullptr);
    TEditorStringList rows;
    test::SetRows(rows, {{"abc", raContinued},
                         {">de", raLineEnd},
                         {"xy", raContinued},
                         {"z w", raLineEnd},
                         {">fg", raLineEnd},
                         {"|hi", raTextEnd}});
    auto states = test::RowStates(*fountain.CreateParser(), rows);

    auto fresh = fountain.CreateParser();
    EXPECT_EQ(test::RowTokens(*fresh, rows, states, 1),
              (std::vector<Tok>{{0, 1, ttSymbol}, {1, 2, ttAnk}}))
        << "a continuation row that starts with '>' is no quotation line";
    auto painter = fountain.CreateParser();
    test::RowTokens(*painter, rows, states, 2); // stops at "w", leaving a word kind behind
    ASSERT_EQ(painter->Token(), ttAnk);
    EXPECT_EQ(test::RowTokens(*painter, rows, states, 4),
              (std::vector<Tok>{{0, 3, ttQuoteLevel1}}));
    EXPECT_EQ(test::RowTokens(*painter, rows, states, 5), (std::vector<Tok>{{0, 3, ttComment}}));
}

TEST(TMailFountainParser, MimeWordsRunAcrossRows) {
    TMailFountain fountain(nullptr);
    auto parser = fountain.CreateParser();
    TEditorStringList rows;
    test::SetRows(rows, {{"Subject: =?ISO-2022-JP?B?GyRC", raLineEnd},
                         {"JEIbKEI=?= http://a.jp", raLineEnd},
                         {"=?a", raContinued},
                         {"b?", raContinued},
                         {"= x", raTextEnd}});
    auto states = test::RowStates(*parser, rows);
    EXPECT_EQ(test::RowTokens(*parser, rows, states, 0),
              (std::vector<Tok>{{0, 7, ttAnk}, {7, 1, ttSymbol}, {9, 20, ttBracket}}));
    EXPECT_EQ(states[1].BracketIndex, 0);
    EXPECT_EQ(test::RowTokens(*parser, rows, states, 1),
              (std::vector<Tok>{{0, 10, ttBracket}, {11, 11, ttUrl}}));
    EXPECT_EQ(states[2].BracketIndex, -1);
    EXPECT_EQ(states[4].StartToken, ttBracket) << "the right bracket itself is cut by the wrap";
    EXPECT_EQ(states[4].Remain, 1);
    EXPECT_EQ(test::RowTokens(*parser, rows, states, 4),
              (std::vector<Tok>{{0, 1, ttBracket}, {2, 1, ttAnk}}));
}

TEST(TMailFountain, ColoursBracketsAndExtensions) {
    TMailFountain fountain(nullptr);
    std::vector<std::string> names;
    ForEachColorProperty(&fountain, [&](const char* name, TFountainColor* color) {
        names.push_back(name);
        EXPECT_EQ(color->Color(), clNone);
        EXPECT_TRUE(color->Style().Empty());
    });
    EXPECT_EQ(names, (std::vector<std::string>{"Reserve", "Mail", "Url", "Kana",
                                               "PlatformDependent", "Quotation1", "Quotation2",
                                               "Quotation3", "Quotation4", "Comment"}));
    ASSERT_EQ(fountain.Brackets()->Count(), 1);
    EXPECT_EQ(fountain.Brackets()->Items(0)->LeftBracket(), "=?");
    EXPECT_EQ(fountain.Brackets()->Items(0)->RightBracket(), "?=");
    EXPECT_TRUE(fountain.HasFileExt(".LOG"));
    EXPECT_EQ(fountain.FileExtList()->Count(), 1);

    struct Listener : TObject {
        int calls = 0;
        void Handle(TObject*) { ++calls; }
    } listener;
    fountain.NotifyEventList()->Add(MethodOf<&Listener::Handle>(&listener));
    fountain.Quotation4()->SetColor(clTeal);
    fountain.Brackets()->Items(0)->ItemColor()->SetStyle(fsBold);
    EXPECT_EQ(listener.calls, 2);
    EXPECT_FALSE(fountain.HasItalicStyle(&fountain));
    fountain.Comment()->SetStyle(fsItalic);
    EXPECT_TRUE(fountain.HasItalicStyle(&fountain));
}

TEST(TMailFountainParser, RandomRowsAreScannedSafelyAndWithoutHiddenState) {
    TMailFountain fountain(nullptr);
    TStringList words;
    words.Add("ab");
    fountain.SetReserveWordList(&words);
    test::CheckRandomRows([&] { return fountain.CreateParser(); },
                          "ab1.@=?> |:/htp\t\x81\x84\x74\x62\x40\x82\xA0\x87\x88"
                          "\x9E\x9F\xED\xFE\xB1\xA1");
}

} // namespace
} // namespace kes
