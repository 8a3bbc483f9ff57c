#include "FountainTestSupport.h"

#include "fountain/TEditorFountain.h"
#include "fountain/TEditorParser.h"

#include <gtest/gtest.h>

namespace kes {
namespace {

using test::Tok;
using test::Tokens;

struct Listener : TObject {
    int calls = 0;
    void Handle(TObject*) { ++calls; }
};

TEST(TEditorParser, CommentsQuotedStringsControlCodesAndHexPrefix) {
    TEditorFountain fountain(nullptr);
    auto parser = fountain.CreateParser();
    EXPECT_EQ(Tokens(*parser, "a // b"),
              (std::vector<Tok>{{0, 1, ttAnk}, {2, 1, ttSymbol}, {3, 1, ttSymbol}, {5, 1, ttAnk}}))
        << "every option is off by default";
    EXPECT_EQ(Tokens(*parser, "#13"), (std::vector<Tok>{{0, 1, ttSymbol}, {1, 2, ttInteger}}));

    fountain.SetCommenter("//");
    fountain.SetQuotation("\"");
    fountain.SetControlCode(true);
    fountain.SetHexPrefix("0x");
    EXPECT_EQ(Tokens(*parser, "word // more \"text\""),
              (std::vector<Tok>{{0, 4, ttAnk}, {5, 14, ttComment}}));
    EXPECT_EQ(Tokens(*parser, "\"say \"\"hi\"\"\" x"),
              (std::vector<Tok>{{0, 12, ttQuoted}, {13, 1, ttAnk}}));
    EXPECT_EQ(
        Tokens(*parser, "#13#$0D#"),
        (std::vector<Tok>{{0, 3, ttControlCode}, {3, 4, ttControlCodeHex}, {7, 1, ttControlCode}}));
    EXPECT_EQ(Tokens(*parser, "0XFF 0x"), (std::vector<Tok>{{0, 4, ttHex}, {5, 2, ttHex}}));
    EXPECT_EQ(Tokens(*parser, "0"), (std::vector<Tok>{{0, 1, ttInteger}}))
        << "a prefix cut by the row end is no prefix";
}

TEST(TEditorParser, UrlsAndMailOnlyWhenSwitchedOn) {
    TEditorFountain fountain(nullptr);
    auto parser = fountain.CreateParser();
    const std::string text = "http://a.jp/x me@b.jp";
    EXPECT_EQ(Tokens(*parser, text).front(), (Tok{0, 4, ttAnk}));
    fountain.SetUrl(true);
    fountain.SetMail(true);
    EXPECT_EQ(Tokens(*parser, text), (std::vector<Tok>{{0, 13, ttUrl}, {14, 7, ttMail}}));
}

TEST(TEditorParser, QuotedStringsAndCommentsFollowTheWrapButEndAtTheLineBreak) {
    TEditorFountain fountain(nullptr);
    fountain.SetCommenter("//");
    fountain.SetQuotation("\"");
    auto parser = fountain.CreateParser();
    TEditorStringList rows;
    test::SetRows(rows, {{"x \"ab", raContinued},
                         {"cd", raLineEnd},
                         {"ef\"", raLineEnd},
                         {"a //b", raContinued},
                         {"c d", raLineEnd},
                         {"e", raTextEnd}});
    auto states = test::RowStates(*parser, rows);
    EXPECT_EQ(states[1].StartToken, ttQuoted);
    EXPECT_EQ(test::RowTokens(*parser, rows, states, 1), (std::vector<Tok>{{0, 2, ttQuoted}}));
    EXPECT_EQ(states[2].StartToken, 0) << "the string ended with its line";
    EXPECT_EQ(test::RowTokens(*parser, rows, states, 2),
              (std::vector<Tok>{{0, 2, ttAnk}, {2, 1, ttQuoted}}));
    EXPECT_EQ(test::RowTokens(*parser, rows, states, 4), (std::vector<Tok>{{0, 3, ttComment}}));
    EXPECT_EQ(test::RowTokens(*parser, rows, states, 5), (std::vector<Tok>{{0, 1, ttAnk}}));
}

TEST(TEditorParser, TokenColorsFollowTheKinds) {
    TEditorFountain fountain(nullptr);
    fountain.SetQuotation("'");
    TStringList words;
    words.Add("if");
    fountain.SetReserveWordList(&words);
    TEditorColors* c = fountain.Colors();
    auto parser = fountain.CreateParser();
    std::string text = "if x 1 ; \x82\xA0 'q' \t";
    std::vector<TFountainColor*> colors;
    parser->NewData(text, TRowAttributeData::TextStart());
    while (parser->NextToken() != ttEnd)
        colors.push_back(parser->TokenColor());
    EXPECT_EQ(colors, (std::vector<TFountainColor*>{fountain.Reserve(), c->Ank(), c->Int(),
                                                    c->Symbol(), c->DBCS(), c->Str(), nullptr}));
    EXPECT_EQ(c->Reserve(), fountain.Reserve());
}

TEST(TEditorFountain, SetEveryColourSkipsSelectAndHitAndNotifiesOnce) {
    TEditorFountain fountain(nullptr);
    Listener listener;
    fountain.NotifyEventList()->Add(MethodOf<&Listener::Handle>(&listener));
    TEditorColors* c = fountain.Colors();
    EXPECT_EQ(c->Select()->BkColor(), clNavy);
    EXPECT_EQ(c->Select()->Color(), clWhite);
    fountain.SameColor(clRed);
    EXPECT_EQ(listener.calls, 1);
    for (TFountainColor* color :
         std::vector<TFountainColor*>{c->Ank(), c->Comment(), c->DBCS(), c->Int(), c->Mail(),
                                      fountain.Reserve(), c->Str(), c->Symbol(), c->Url()})
        EXPECT_EQ(color->Color(), clRed);
    EXPECT_EQ(c->Select()->Color(), clWhite);
    EXPECT_EQ(c->Hit()->Color(), clNone);
    fountain.SameStyle(fsUnderline);
    fountain.SameBkColor(clYellow);
    EXPECT_EQ(listener.calls, 3);
    EXPECT_EQ(c->Url()->Style(), TFontStyles(fsUnderline));

    c->Hit()->SetColor(clLime);
    EXPECT_EQ(listener.calls, 4) << "a colour of Colors reaches the editors";

    TEditorFountain other(nullptr);
    other.Colors()->Assign(c);
    Listener otherListener;
    other.NotifyEventList()->Add(MethodOf<&Listener::Handle>(&otherListener));
    other.SetColors(c);
    EXPECT_EQ(otherListener.calls, 1) << "Assign, Reserve included, notifies once";
    EXPECT_EQ(other.Reserve()->Color(), clRed);
    EXPECT_EQ(other.Colors()->Hit()->Color(), clLime);
    EXPECT_EQ(other.Colors()->Url()->BkColor(), clYellow);
}

TEST(TEditorBracketCollection, SameValuesForEveryPairNotifyOnce) {
    TEditorFountain fountain(nullptr);
    for (const char* left : {"(", "["}) {
        auto* item = fountain.Brackets()->Add();
        item->SetLeftBracket(left);
        item->SetRightBracket(")");
    }
    Listener listener;
    fountain.NotifyEventList()->Add(MethodOf<&Listener::Handle>(&listener));
    fountain.Brackets()->SameColor(clBlue);
    fountain.Brackets()->SameStyle(fsBold);
    EXPECT_EQ(listener.calls, 2);
    EXPECT_EQ(fountain.Brackets()->Items(1)->ItemColor()->Color(), clBlue);
    auto parser = fountain.CreateParser();
    std::string text = "(a)";
    parser->NewData(text, TRowAttributeData::TextStart());
    ASSERT_EQ(parser->NextToken(), ttBracket);
    EXPECT_EQ(parser->TokenColor(), fountain.Brackets()->Items(0)->ItemColor());
}

TEST(TEditorParser, RandomRowsAreScannedSafelyAndWithoutHiddenState) {
    TEditorFountain fountain(nullptr);
    fountain.SetCommenter("//");
    fountain.SetQuotation("\"");
    fountain.SetControlCode(true);
    fountain.SetHexPrefix("0x");
    fountain.SetUrl(true);
    fountain.SetMail(true);
    auto* item = fountain.Brackets()->Add();
    item->SetLeftBracket("{");
    item->SetRightBracket("}}");
    test::CheckRandomRows([&] { return fountain.CreateParser(); },
                          "ab0x1.@/\"#${} w:\x81\x82\xA0\x88\x9F");
}

} // namespace
} // namespace kes
