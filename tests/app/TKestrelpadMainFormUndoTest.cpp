#include "app/TKestrelpadMainForm.h"
#include "editorex/TEditorExBase.h"
#include "tests/app/MainFormTestSupport.h"
#include "textmodel/TEditorStrings.h"

#include <QAction>
#include <QClipboard>
#include <QKeyEvent>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

namespace kes {
namespace {

using test::Cp932;
using test::MainFormFixture;
using test::ReadFileBytes;
using test::WriteFileBytes;

// A key as the person presses it, with the commands' states as the idle rules left them.
void Press(TKestrelpadMainForm& form, Qt::Key key, Qt::KeyboardModifiers modifiers) {
    form.ApplicationEventsIdle();
    QTest::keyClick(form.Editor(), key, modifiers);
}

// Each command that replaces the whole text gives the post back with one Ctrl+Z and replaces
// it again with Ctrl+Y.
TEST(TKestrelpadMainFormUndo, EveryWholeTextCommandIsOneUndoStep) {
    MainFormFixture fixture;
    TKestrelpadMainForm& form = fixture.Start();
    TEditorExBase& e = *form.Editor();
    WriteFileBytes(form.Paths().DraftFile(1), "draft one");
    WriteFileBytes(fixture.Path("chosen.txt"), "chosen\nfile");
    const struct {
        const char* name;
        std::function<void()> command;
        std::string replacement;
    } commands[] = {
        {"LoadFile1", [&] { Press(form, Qt::Key_1, Qt::ControlModifier | Qt::ShiftModifier); },
         "draft one"},
        {"LoadFile",
         [&] {
             fixture.chosenFile = fixture.Path("chosen.txt");
             Press(form, Qt::Key_O, Qt::ControlModifier);
         },
         "chosen\r\nfile"},
        {"PasteFromClipboard",
         [&] {
             QGuiApplication::clipboard()->setText("clip");
             Press(form, Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
         },
         "clip"},
        {"ClearEditor",
         [&] {
             QGuiApplication::clipboard()->clear();
             fixture.answers = {true};
             form.Action("ClearEditor")->trigger();
         },
         ""},
    };
    for (const auto& c : commands) {
        e.Lines()->SetTextStr({});
        QTest::keyClicks(&e, "my post");
        Press(form, Qt::Key_Return, Qt::NoModifier);
        QKeyEvent typed(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier,
                        QString::fromUtf8("本文"));
        QApplication::sendEvent(&e, &typed);
        const std::string post = e.Lines()->GetTextStr();
        const int row = e.Row(), col = e.Col();
        c.command();
        EXPECT_EQ(e.Lines()->GetTextStr(), c.replacement) << c.name;
        Press(form, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(e.Lines()->GetTextStr(), post) << c.name;
        EXPECT_EQ(e.Row(), row) << c.name;
        EXPECT_EQ(e.Col(), col) << c.name;
        EXPECT_TRUE(e.Modified()) << c.name;
        Press(form, Qt::Key_Y, Qt::ControlModifier);
        EXPECT_EQ(e.Lines()->GetTextStr(), c.replacement) << c.name;
    }
    EXPECT_TRUE(fixture.errors.isEmpty()) << fixture.errors.join('\n').toStdString();
}

TEST(TKestrelpadMainFormUndo, ALoadOverNothingOrAFailedLoadRecordsNothing) {
    MainFormFixture fixture;
    TKestrelpadMainForm& form = fixture.Start();
    TEditorExBase& e = *form.Editor();
    WriteFileBytes(form.Paths().DraftFile(2), "two");
    form.TempLoadFile(2);
    EXPECT_FALSE(e.CanUndo());
    EXPECT_FALSE(e.Modified());

    QTest::keyClicks(&e, "x");
    fixture.chosenFile = fixture.Path("missing.txt");
    form.Action("LoadFile")->trigger();
    EXPECT_EQ(e.Lines()->GetTextStr(), "xtwo");
    Press(form, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(e.Lines()->GetTextStr(), "two"); // the typing, not a load, was undone
    EXPECT_EQ(fixture.errors.size(), 1);

    // The draft written after an undo holds the text on screen.
    Press(form, Qt::Key_Y, Qt::ControlModifier);
    form.TempSaveFile(3);
    EXPECT_EQ(ReadFileBytes(form.Paths().DraftFile(3)), "xtwo");
}

} // namespace
} // namespace kes
