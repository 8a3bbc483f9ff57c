#include "app/TKestrelpadMainForm.h"
#include "app/TStatusPanels.h"
#include "editorex/TEditorExBase.h"
#include "tests/app/MainFormTestSupport.h"
#include "textmodel/TEditorStrings.h"

#include <QAction>
#include <QClipboard>
#include <QTest>

#include <gtest/gtest.h>

namespace kes {
namespace {

using test::Cp932;
using test::MainFormFixture;
using test::Text;

void Press(TKestrelpadMainForm& form, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    form.ApplicationEventsIdle();
    QTest::keyClick(form.Editor(), key, modifiers);
}

QString Panel0(TKestrelpadMainForm& form) {
    return form.StatusBar()->Text(0);
}

TEST(TKestrelpadMainFormPostSafe, F8ConvertsTheSelectionAsOneStepAndSelectsWhatStays) {
    MainFormFixture fixture;
    TKestrelpadMainForm& form = fixture.Start();
    TEditorExBase& e = *form.Editor();
    const std::string original = Cp932("ｶﾞ①∮㈱\r\nｱ①");
    e.Lines()->SetTextStr(original);
    e.SetSelStart(0);
    e.SetSelLength(2 + 2 + 2 + 2);
    Press(form, Qt::Key_F8);
    EXPECT_EQ(Text(form), Cp932("ガ(1)∮(株)\r\nｱ①"));
    EXPECT_EQ(e.SelText(), Cp932("∮"));
    EXPECT_EQ(Panel0(form), QString::fromUtf8("4文字を変換しました。1文字は変換できません"));
    Press(form, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Text(form), original);

    // Without a selection the whole text; with nothing left to convert, nothing changes.
    e.SetRowCol(1, 0);
    Press(form, Qt::Key_F8);
    EXPECT_EQ(Text(form), Cp932("ガ(1)∮(株)\r\nア(1)"));
    EXPECT_EQ(e.SelText(), Cp932("∮"));
    e.Lines()->SetTextStr(Cp932("ア(1)"));
    e.SetRowCol(0, 1);
    Press(form, Qt::Key_F8);
    EXPECT_EQ(Text(form), Cp932("ア(1)"));
    EXPECT_EQ(Panel0(form), QString::fromUtf8("変換する文字はありません"));
    Press(form, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Text(form), Cp932("ア(1)")) << "an unchanged text records no undo step";

    // A box is converted as the stream between its corners.
    e.Lines()->SetTextStr(Cp932("ｱｲｳ\r\nｴｵｶ"));
    e.SetSelectionMode(smBox);
    e.SetRowCol(0, 1);
    e.StartSelection();
    e.SetRowCol(1, 2);
    e.ExtendSelection();
    Press(form, Qt::Key_F8);
    EXPECT_EQ(Text(form), Cp932("ｱイウ\r\nエオｶ"));
    EXPECT_EQ(e.SelectionMode(), smLine);
}

TEST(TKestrelpadMainFormPostSafe, ASelectionEndingInsideADoubleByteCharacterNeverSplitsIt) {
    MainFormFixture fixture;
    TKestrelpadMainForm& form = fixture.Start();
    TEditorExBase& e = *form.Editor();
    // "∞" is 0x81 0x87 and "@" 0x40: its trail byte and the "@" look like "①" (0x87 0x40).
    // The editor takes a selection's ends back to the starts of their characters.
    const std::string text = "\x81\x87@" + Cp932("①②③");
    const struct {
        int start, end;
        const char* converted;
    } cases[] = {
        {1, 4, "∞@①②③"},
        {1, 6, "∞@(1)②③"},
        {4, 8, "∞@(1)(2)③"},
    };
    for (const auto& c : cases) {
        e.Lines()->SetTextStr(text);
        e.SetSelection(c.start, c.end);
        Press(form, Qt::Key_F8);
        EXPECT_EQ(Text(form), Cp932(c.converted)) << c.start << "-" << c.end;
    }
}

TEST(TKestrelpadMainFormPostSafe, TheWholeTextCopyWarnsOfDangerousCharacters) {
    MainFormFixture fixture;
    TKestrelpadMainForm& form = fixture.Start();
    TEditorExBase& e = *form.Editor();
    e.Lines()->SetTextStr(Cp932("ｱ①x"));
    Press(form, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromUtf8("ｱ①x"));
    EXPECT_EQ(Panel0(form), QString::fromUtf8("化ける文字が2文字あります（F8で変換）"));
    Press(form, Qt::Key_F8);
    Press(form, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromUtf8("ア(1)x"));
    EXPECT_EQ(Panel0(form), QString::fromUtf8("2文字を変換しました"));
}

} // namespace
} // namespace kes
