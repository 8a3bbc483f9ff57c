#include "app/TMainForm.h"
#include "editor/TEditor.h"
#include "fountain/TEditorColors.h"
#include "fountain/TMailFountain.h"
#include "textmodel/TEditorStrings.h"
#include "toolkit/gui/QtText.h"

#include <QApplication>
#include <QFontInfo>
#include <QKeyEvent>
#include <QTest>

#include <gtest/gtest.h>

namespace kes {
namespace {

std::string Cp932(const char* utf8) {
    return QStringToCp932(QString::fromUtf8(utf8));
}

TEST(TMainForm, HoldsTheEditorWithThePostEditorsSettings) {
    TMainForm form;
    form.show();
    EXPECT_EQ(form.windowTitle(), QString("Kestrelpad"));
    TEditor* editor = form.Editor();
    ASSERT_EQ(form.centralWidget(), editor);
    EXPECT_EQ(editor->Fountain(), form.MailFountain());
    EXPECT_EQ(editor->ScrollBars(), ssBoth);
    EXPECT_TRUE(editor->HorizontalScrollBarShown());
    EXPECT_TRUE(editor->VerticalScrollBarShown());
    EXPECT_EQ(QFontInfo(editor->Font()->ToQFont()).family(), QString("IPAGothic"));
    EXPECT_EQ(editor->Caret()->TabSpaceCount(), 2);
    EXPECT_EQ(editor->Margin()->Left(), 8);
    EXPECT_EQ(editor->WrapOption()->WrapByte(), 80);
    // The wrap rules are the component's own defaults: the same characters either way.
    EXPECT_EQ(editor->WrapOption()->FollowStr(), TEditorWrapOption::DefaultFollowStr());
    EXPECT_EQ(editor->WrapOption()->LeadStr(), TEditorWrapOption::DefaultLeadStr());
    EXPECT_EQ(editor->WrapOption()->PunctuationStr(),
              TEditorWrapOption::DefaultPunctuationStr());
    TEditorColor* select = editor->View()->Colors()->Select();
    EXPECT_EQ(select->BkColor(), clNavy);
    EXPECT_EQ(select->Color(), clWhite);
}

TEST(TMainForm, TakesTypedJapaneseText) {
    TMainForm form;
    form.show();
    QApplication::setActiveWindow(&form);
    form.Editor()->setFocus();
    // Text as an input method or a Japanese keyboard layout delivers it.
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier,
                    QString::fromUtf8("> 日本語"));
    QApplication::sendEvent(form.Editor(), &press);
    QTest::keyClick(form.Editor(), Qt::Key_Return);
    EXPECT_EQ(form.Editor()->Lines()->GetTextStr(), Cp932("> 日本語\r\n"));
    EXPECT_TRUE(form.Editor()->CanUndo());
}

} // namespace
} // namespace kes
