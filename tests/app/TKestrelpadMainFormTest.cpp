#include "app/TKestrelpadMainForm.h"
#include "app/TStatusPanels.h"
#include "editor/TEditor.h"
#include "fountain/TEditorColors.h"
#include "fountain/TMailFountain.h"
#include "tests/app/MainFormTestSupport.h"
#include "textmodel/TEditorStrings.h"
#include "toolkit/gui/QtText.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QFontInfo>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QStatusTipEvent>
#include <QTest>
#include <QToolBar>

#include <gtest/gtest.h>

namespace kes {
namespace {

std::string Cp932(const char* utf8) {
    return QStringToCp932(QString::fromUtf8(utf8));
}

using test::MainFormFixture;

TEST(TKestrelpadMainForm, HoldsTheEditorWithThePostEditorsSettings) {
    MainFormFixture fixture;
    TKestrelpadMainForm& form = fixture.Start();
    EXPECT_EQ(form.windowTitle(), QString("Kestrelpad"));
    TEditor* editor = form.Editor();
    // The editor fills the central area; the find bar, hidden, waits below it.
    ASSERT_EQ(editor->parentWidget(), form.centralWidget());
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
    EXPECT_EQ(editor->WrapOption()->PunctuationStr(), TEditorWrapOption::DefaultPunctuationStr());
    TEditorColor* select = editor->View()->Colors()->Select();
    EXPECT_EQ(select->BkColor(), clNavy);
    EXPECT_EQ(select->Color(), clWhite);
}

TEST(TKestrelpadMainForm, TakesTypedJapaneseText) {
    MainFormFixture fixture;
    TKestrelpadMainForm& form = fixture.Start();
    // Text as an input method or a Japanese keyboard layout delivers it.
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier,
                    QString::fromUtf8("> 日本語"));
    QApplication::sendEvent(form.Editor(), &press);
    QTest::keyClick(form.Editor(), Qt::Key_Return);
    EXPECT_EQ(form.Editor()->Lines()->GetTextStr(), Cp932("> 日本語\r\n"));
    EXPECT_TRUE(form.Editor()->CanUndo());
}

// The names of a menu's items, "-" for a separator, sub-menus by their own items' names.
QStringList ItemNames(const QList<QAction*>& items) {
    QStringList names;
    for (const QAction* item : items)
        names.append(item->isSeparator() ? QString("-") : item->objectName());
    return names;
}

QStringList Split(const char* names) {
    return QString::fromLatin1(names).split(' ');
}

TEST(TKestrelpadMainForm, MenusAndBarsHoldTheCommandsInTheirOrder) {
    MainFormFixture fixture;
    TKestrelpadMainForm& form = fixture.Start();
    const QList<QAction*> menus = form.menuBar()->actions();
    ASSERT_EQ(menus.size(), 5);
    EXPECT_EQ(menus[0]->text(), QString::fromUtf8("ファイル(&F)"));
    EXPECT_EQ(
        ItemNames(menus[0]->menu()->actions()),
        Split("ClearEditor SaveFile LoadFile ReopenMenuItem SaveFormatMenuItem RestoreRecovery "
              "DiscardRecovery - CopyToclipboard PasteFromClipboard - "
              "DDTempSaveMenuItem DDTempLoadMenuItem - AppExit"));
    EXPECT_EQ(ItemNames(menus[1]->menu()->actions()),
              Split("Undo Redo - CutClipboard CopyClipboard PasteClipboard "
                    "PasteClipboardBlockquote DeleteSelected AllSelect BoxSelection - InsertFS "
                    "InsertDateTime SetQuoteCode PostSafe"));
    EXPECT_EQ(menus[2]->text(), QString::fromUtf8("検索(&S)"));
    EXPECT_EQ(ItemNames(menus[2]->menu()->actions()),
              Split("Find Replace - FindNext FindPrevious"));
    EXPECT_EQ(ItemNames(menus[3]->menu()->actions()), Split("Configure"));
    EXPECT_EQ(ItemNames(menus[4]->menu()->actions()), Split("HelpContents - About"));
    EXPECT_EQ(ItemNames(form.EditorDefaultPopup()->actions()),
              Split("Undo Redo - CutClipboard CopyClipboard PasteClipboard "
                    "PasteClipboardBlockquote DeleteSelected AllSelect - InsertFS "
                    "InsertDateTime SetQuoteCode PostSafe"));
    EXPECT_EQ(form.Editor()->PopupMenu(), form.EditorDefaultPopup());
    EXPECT_EQ(ItemNames(menus[0]->menu()->actions()[11]->menu()->actions()),
              Split("SaveFile1 SaveFile2 SaveFile3 SaveFile4 SaveFile5"));
    EXPECT_EQ(ItemNames(form.TempLoadMenu()->actions()),
              Split("LoadFile1 LoadFile2 LoadFile3 LoadFile4 LoadFile5"));
    EXPECT_EQ(ItemNames(form.CommandBar()->actions()),
              Split("ClearEditor CopyToclipboard DDTempLoadMenu DDTempSaveMenu - Undo Redo "
                    "CutClipboard CopyClipboard PasteClipboard - InsertFS InsertDateTime - "
                    "Configure - HelpContents"));
    EXPECT_TRUE(ItemNames(form.AddressBar()->actions()).endsWith("GotoBBS"));
    EXPECT_EQ(form.URLList()->width(), 369);

    // Captions number the slots in full-width digits, the texts around them in ASCII ones.
    QAction* save3 = form.Action("SaveFile3");
    EXPECT_EQ(save3->text(), QString::fromUtf8("３に保存(&3)"));
    EXPECT_EQ(TMainActions::Hint(save3), QString::fromUtf8("書きかけファイル3に保存"));
    EXPECT_EQ(save3->statusTip(), QString::fromUtf8("書きかけファイル3に保存します。"));
    EXPECT_EQ(save3->shortcut(), QKeySequence("Ctrl+3"));
    EXPECT_EQ(form.Action("LoadFile5")->shortcut(), QKeySequence("Ctrl+Shift+5"));
    EXPECT_EQ(form.Action("Redo")->shortcuts(),
              (QList<QKeySequence>{QKeySequence("Ctrl+Y"), QKeySequence("Ctrl+Shift+Z")}));
    EXPECT_EQ(TMainActions::Category(form.Action("GotoBBS")), QString::fromUtf8("インターネット"));
}

TEST(TKestrelpadMainForm, StatusPanelsCountBytesAndShowTheCaretsLine) {
    MainFormFixture fixture;
    TKestrelpadMainForm& form = fixture.Start();
    TStatusPanels& status = *form.StatusBar();
    EXPECT_EQ(status.Text(1), QString::fromUtf8("   0文字"));
    form.Editor()->Lines()->SetTextStr(Cp932("あいう"));
    form.EditorChange(form.Editor());
    EXPECT_EQ(status.Text(1), QString::fromUtf8("   6文字"));

    // Typing reaches the counters through the editor's events.
    form.Editor()->Lines()->SetTextStr("one\r\ntwo\r\nthree");
    form.Editor()->SetRowCol(1, 0);
    EXPECT_EQ(status.Text(2), QString::fromUtf8("  2/  3行 1桁"));
    QTest::keyClicks(form.Editor(), "ab");
    EXPECT_EQ(status.Text(1), QString::fromUtf8("  17文字"));
    EXPECT_EQ(status.Text(2), QString::fromUtf8("  2/  3行 3桁"));

    // With word wrap a continued row belongs to its line: the column counts on.
    form.Editor()->SetWordWrap(true);
    form.Editor()->WrapOption()->SetWrapByte(20);
    form.Editor()->Lines()->SetTextStr(std::string(30, 'x') + "\r\nend");
    form.EditorChange(form.Editor());
    form.Editor()->SetRowCol(1, 5);
    EXPECT_EQ(status.Text(2), QString::fromUtf8("  1/  2行26桁"));

    // A command's status text goes to panel 0 and leaves the counters alone.
    QStatusTipEvent tip(QString::fromUtf8("エディタをクリアします"));
    QApplication::sendEvent(&form, &tip);
    EXPECT_EQ(status.Text(0), QString::fromUtf8("エディタをクリアします"));
    EXPECT_EQ(status.Text(1), QString::fromUtf8("  35文字"));
    EXPECT_TRUE(status.currentMessage().isEmpty());
}

TEST(TKestrelpadMainForm, IdleRulesFollowTheTextTheDraftsAndTheClipboard) {
    MainFormFixture fixture;
    TKestrelpadMainForm& form = fixture.Start();
    form.ApplicationEventsIdle();
    for (const char* name :
         {"SaveFile", "SaveFile1", "SaveFile5", "CopyToclipboard", "Undo", "Redo", "CutClipboard",
          "PasteFromClipboard", "PasteClipboard", "LoadFile1", "GotoBBS"})
        EXPECT_FALSE(form.Action(name)->isEnabled()) << name;
    EXPECT_TRUE(form.Action("ClearEditor")->isEnabled());
    EXPECT_TRUE(form.Action("AllSelect")->isEnabled());

    QTest::keyClicks(form.Editor(), "x");
    form.Editor()->SelectAll();
    QGuiApplication::clipboard()->setText("from elsewhere");
    form.ApplicationEventsIdle();
    for (const char* name :
         {"SaveFile", "SaveFile3", "CopyToclipboard", "Undo", "CutClipboard", "CopyClipboard",
          "DeleteSelected", "PasteFromClipboard", "PasteClipboard", "PasteClipboardBlockquote"})
        EXPECT_TRUE(form.Action(name)->isEnabled()) << name;

    // A draft file that appears or goes behind the program's back.
    test::WriteFileBytes(form.Paths().DraftFile(2), "draft");
    form.ApplicationEventsIdle();
    EXPECT_TRUE(form.Action("LoadFile2")->isEnabled());
    QFile::remove(form.Paths().DraftFile(2));
    QGuiApplication::clipboard()->clear();
    form.ApplicationEventsIdle();
    EXPECT_FALSE(form.Action("LoadFile2")->isEnabled());
    EXPECT_FALSE(form.Action("PasteFromClipboard")->isEnabled());
}

TEST(TKestrelpadMainForm, IdleRulesRunWhenTheEventLoopWaits) {
    MainFormFixture fixture;
    TKestrelpadMainForm& form = fixture.Start();
    test::RunEventLoop(20);
    EXPECT_FALSE(form.Action("SaveFile")->isEnabled());
    form.Editor()->Lines()->SetTextStr("x");
    EXPECT_FALSE(form.Action("SaveFile")->isEnabled());
    test::RunEventLoop(20);
    EXPECT_TRUE(form.Action("SaveFile")->isEnabled());
}

} // namespace
} // namespace kes
