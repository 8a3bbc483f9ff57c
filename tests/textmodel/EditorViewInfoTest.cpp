#include "textmodel/TEditorViewInfo.h"
#include "toolkit/core/Exception.h"

#include <gtest/gtest.h>

namespace kes {
namespace {

struct ViewListener : TObject {
    int calls = 0;
    TObject* sender = nullptr;
    void Handle(TObject* from) {
        ++calls;
        sender = from;
    }
};

class EditorViewInfo : public ::testing::Test {
protected:
    void SetUp() override { view.OnChange = MethodOf<&ViewListener::Handle>(&listener); }
    TEditorViewInfo view;
    ViewListener listener;
};

TEST_F(EditorViewInfo, ShowsTheDefaultFountainsSettings) {
    EXPECT_EQ(view.Commenter(), "");
    EXPECT_FALSE(view.ControlCode());
    EXPECT_EQ(view.HexPrefix(), "");
    EXPECT_FALSE(view.Mail());
    EXPECT_EQ(view.Quotation(), "");
    EXPECT_FALSE(view.Url());
    EXPECT_EQ(view.Colors(), view.Fountain()->Colors());
    EXPECT_EQ(view.Brackets(), view.Fountain()->Brackets());
    EXPECT_EQ(view.Colors()->Select()->BkColor(), clNavy);
    EXPECT_EQ(view.Colors()->Select()->Color(), clWhite);
    EXPECT_EQ(view.Colors()->Ank()->Color(), clNone);
    EXPECT_EQ(view.Fountain()->Owner(), nullptr);
    EXPECT_EQ(listener.calls, 0);
}

TEST_F(EditorViewInfo, SettersWriteTheFountainAndNotifyOnceForANewValue) {
    view.SetCommenter("//");
    view.SetCommenter("//");
    EXPECT_EQ(view.Fountain()->Commenter(), "//");
    EXPECT_EQ(listener.calls, 1);
    EXPECT_EQ(listener.sender, &view);

    view.SetControlCode(true);
    view.SetHexPrefix("0x");
    view.SetMail(true);
    view.SetUrl(true);
    view.SetUrl(true);
    EXPECT_EQ(listener.calls, 5);
    EXPECT_TRUE(view.Fountain()->ControlCode());
    EXPECT_EQ(view.Fountain()->HexPrefix(), "0x");
    EXPECT_TRUE(view.Fountain()->Mail());
    EXPECT_TRUE(view.Fountain()->Url());
}

TEST_F(EditorViewInfo, QuotationKeepsOneByte) {
    view.SetQuotation(">>");
    EXPECT_EQ(view.Quotation(), ">");
    EXPECT_EQ(view.Fountain()->Quotation(), ">");
    view.SetQuotation(">");
    view.SetQuotation(">x");
    EXPECT_EQ(listener.calls, 1) << "the kept byte did not change";
    view.SetQuotation("");
    EXPECT_EQ(view.Quotation(), "");
    EXPECT_EQ(listener.calls, 2);
    view.SetQuotation("\x81\x68"); // ” keeps its lead byte only, as the parser compares one byte
    EXPECT_EQ(view.Quotation(), "\x81");
}

TEST_F(EditorViewInfo, ChangesInsideTheFountainReachTheViewsListener) {
    view.Colors()->Ank()->SetColor(clRed);
    EXPECT_EQ(listener.calls, 1);
    view.Fountain()->SameColor(clBlue);
    EXPECT_EQ(listener.calls, 2) << "a change of every colour is one change";
    EXPECT_EQ(view.Colors()->Select()->Color(), clWhite);
    TFountainBracketItem* pair = view.Brackets()->Add();
    EXPECT_GE(listener.calls, 3);
    int before = listener.calls;
    pair->ItemColor()->SetColor(clGreen);
    EXPECT_EQ(listener.calls, before + 1);
}

TEST_F(EditorViewInfo, AssignCopiesAllEightInOneNotification) {
    TEditorViewInfo source;
    source.SetCommenter("#");
    source.SetControlCode(true);
    source.SetHexPrefix("$");
    source.SetMail(true);
    source.SetQuotation("'");
    source.SetUrl(true);
    source.Colors()->Str()->SetColor(clMaroon);
    TFountainBracketItem* pair = source.Brackets()->Add();
    pair->SetLeftBracket("(");
    pair->SetRightBracket(")");

    view.Assign(&source);
    EXPECT_EQ(listener.calls, 1);
    EXPECT_EQ(view.Commenter(), "#");
    EXPECT_TRUE(view.ControlCode());
    EXPECT_EQ(view.HexPrefix(), "$");
    EXPECT_TRUE(view.Mail());
    EXPECT_EQ(view.Quotation(), "'");
    EXPECT_TRUE(view.Url());
    EXPECT_EQ(view.Colors()->Str()->Color(), clMaroon);
    ASSERT_EQ(view.Brackets()->Count(), 1);
    EXPECT_EQ(view.Brackets()->Items(0)->LeftBracket(), "(");
    EXPECT_EQ(view.Brackets()->Items(0)->RightBracket(), ")");
    EXPECT_NE(view.Brackets(), source.Brackets()) << "copied into the view's own fountain";

    view.Assign(&view);
    EXPECT_EQ(listener.calls, 2);
    ASSERT_EQ(view.Brackets()->Count(), 1) << "assigning to itself keeps the brackets";
    EXPECT_EQ(view.Brackets()->Items(0)->LeftBracket(), "(");

    TEditorFountain other(nullptr);
    EXPECT_THROW(view.Assign(&other), EConvertError);
}

class MailViewInfo : public TEditorViewInfo {
public:
    int made = 0;

protected:
    std::unique_ptr<TEditorFountain> CreateEditorFountain() override {
        ++made;
        auto fountain = std::make_unique<TEditorFountain>(nullptr);
        fountain->SetMail(true);
        return fountain;
    }
};

TEST(EditorViewInfoFactory, ADescendantMakesTheFountainOnce) {
    MailViewInfo view;
    EXPECT_TRUE(view.Mail());
    EXPECT_TRUE(view.Fountain()->Mail());
    EXPECT_EQ(view.made, 1);
}

} // namespace
} // namespace kes
