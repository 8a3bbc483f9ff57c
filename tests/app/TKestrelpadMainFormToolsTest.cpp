#include "app/TConfigureKespadForm.h"
#include "app/THelpWindow.h"
#include "app/TKestrelpadMainForm.h"
#include "app/TStatusPanels.h"
#include "editorex/TEditorExBase.h"
#include "tests/app/MainFormTestSupport.h"
#include "textmodel/TEditorStrings.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include <gtest/gtest.h>

namespace kes {
namespace {

using test::Cp932;
using test::MainFormFixture;

TEST(TKestrelpadMainFormTools, QuotedPasteMarksEveryLineAndEndsEachWithABreak) {
    MainFormFixture fixture;
    TKestrelpadMainForm& form = fixture.Start();
    TEditorExBase& e = *form.Editor();
    const struct {
        const char* clipboard;
        const char* inserted;
    } cases[] = {
        {"a\nb", "> a\r\n> b\r\n"},
        {"a\r\n\r\nb\r\n", "> a\r\n> \r\n> b\r\n"},
        {"a\rb\n", "> a\r\n> b\r\n"},
        {"引用\n", "> 引用\r\n"},
    };
    for (const auto& c : cases) {
        e.Lines()->SetTextStr("[]");
        e.SetRowCol(0, 1);
        QGuiApplication::clipboard()->setText(QString::fromUtf8(c.clipboard));
        form.Action("PasteClipboardBlockquote")->setEnabled(true);
        form.Action("PasteClipboardBlockquote")->trigger();
        EXPECT_EQ(e.Lines()->GetTextStr(), "[" + Cp932(c.inserted) + "]") << c.clipboard;
    }
}

TEST(TKestrelpadMainFormTools, QuotingTheSelectedLinesKeepsTheSelectionOnTheSameText) {
    MainFormFixture fixture;
    fixture.WriteSettings("[Editor]\r\nQuoteString=|\r\n");
    TKestrelpadMainForm& form = fixture.Start();
    TEditorExBase& e = *form.Editor();
    e.Lines()->SetTextStr("line1\r\nline2\r\nline3\r\nline4\r\nline5");
    // From the middle of line 2 to the middle of line 4: the mark before lines 2, 3 and 4.
    e.SetSelStart(7 + 2);
    e.SetSelLength(7 + 7 + 2);
    form.Action("SetQuoteCode")->trigger();
    EXPECT_EQ(e.Lines()->GetTextStr(), "line1\r\n|line2\r\n|line3\r\n|line4\r\nline5");
    EXPECT_EQ(e.SelStart(), 9);
    EXPECT_EQ(e.SelLength(), 16 + 3);
    // Without a selection nothing changes.
    QTest::keyClick(&e, Qt::Key_Home, Qt::ControlModifier);
    form.Action("SetQuoteCode")->trigger();
    EXPECT_EQ(e.Lines()->GetTextStr(), "line1\r\n|line2\r\n|line3\r\n|line4\r\nline5");
}

TEST(TKestrelpadMainFormTools, HelpShowsItsContentsAndLeavesWithTheProgram) {
    MainFormFixture fixture;
    TKestrelpadMainForm& form = fixture.Start();
    form.Action("HelpContents")->trigger();
    ASSERT_NE(form.HelpWindow(), nullptr);
    EXPECT_TRUE(form.HelpWindow()->isVisible());
    // The help file is built beside the test programs' application.
    EXPECT_TRUE(
        form.HelpWindow()->Browser()->toPlainText().contains(QString::fromUtf8("書きかけファイル")))
        << form.HelpWindow()->Browser()->toPlainText().left(200).toStdString();
    form.Action("AppExit")->trigger();
    EXPECT_FALSE(form.HelpWindow()->isVisible());
    EXPECT_FALSE(form.isVisible());
}

// The configuration dialog is modal: its help button shows the settings section in a viewer
// that takes input while the dialog is open, and the viewer stays open after it closes.
TEST(TKestrelpadMainFormTools, TheDialogsHelpButtonShowsTheSettingsOverTheOpenDialog) {
    MainFormFixture fixture;
    TKestrelpadMainForm& form = fixture.Start();
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<TConfigureKespadForm*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        QTest::mouseClick(dialog->HelpBtn(), Qt::LeftButton);
        test::RunEventLoop(50);
        THelpWindow* help = form.HelpWindow();
        seen = help && help->isVisible() && help->parentWidget() == dialog &&
               help->Browser()->verticalScrollBar()->value() > 0;
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    form.Action("Configure")->trigger();
    EXPECT_TRUE(seen);
    ASSERT_NE(form.HelpWindow(), nullptr);
    EXPECT_EQ(form.HelpWindow()->parentWidget(), &form);
    EXPECT_TRUE(form.HelpWindow()->isVisible());
}

} // namespace
} // namespace kes
