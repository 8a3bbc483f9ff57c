#include "app/TKestrelpadMainForm.h"
#include "app/TStatusPanels.h"
#include "editorex/TEditorExBase.h"
#include "fountain/TMailFountain.h"
#include "tests/app/MainFormTestSupport.h"
#include "textmodel/TEditorStrings.h"
#include "toolkit/gui/FileWriter.h"
#include "toolkit/gui/TClipboard.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QMimeData>
#include <QTest>

#include <gtest/gtest.h>

namespace kes {
namespace {

using test::Cp932;
using test::MainFormFixture;
using test::ReadFileBytes;
using test::Text;
using test::WriteFileBytes;

void Trigger(TKestrelpadMainForm& form, const char* action) {
    form.Action(action)->setEnabled(true);
    form.Action(action)->trigger();
}

TEST(TKestrelpadMainFormFiles, DraftSlotsKeepTheTextExactlyAndAskWhenProtected) {
    MainFormFixture fixture;
    fixture.WriteSettings("[Protect]\r\nRead2=1\r\nWrite2=1\r\n");
    TKestrelpadMainForm& form = fixture.Start();
    const std::string post = Cp932("一行目\r\n> 引用\r\n");
    form.Editor()->Lines()->SetTextStr(post);

    Trigger(form, "SaveFile1");
    EXPECT_EQ(ReadFileBytes(form.Paths().DraftFile(1)), post);
    EXPECT_EQ(form.StatusBar()->Text(0), QString::fromUtf8("1に保存しました"));
    EXPECT_TRUE(fixture.questions.isEmpty());

    // A protected slot: No leaves the file and the panel; Yes writes.
    WriteFileBytes(form.Paths().DraftFile(2), "old");
    form.StatusBar()->SetText(0, "before");
    fixture.answers = {false};
    Trigger(form, "SaveFile2");
    EXPECT_EQ(fixture.questions.value(0),
              QString::fromUtf8("2はプロテクトされています\r書き込んでもいいですか？"));
    EXPECT_EQ(ReadFileBytes(form.Paths().DraftFile(2)), "old");
    EXPECT_EQ(form.StatusBar()->Text(0), QString("before"));
    fixture.answers = {true};
    Trigger(form, "SaveFile2");
    EXPECT_EQ(ReadFileBytes(form.Paths().DraftFile(2)), post);

    // Loading: bare LF breaks come in as CR LF, and the slot written again keeps them so.
    WriteFileBytes(form.Paths().DraftFile(3), "a\nb\n");
    Trigger(form, "LoadFile3");
    EXPECT_EQ(Text(form), "a\r\nb\r\n");
    EXPECT_EQ(form.StatusBar()->Text(0), QString::fromUtf8("3を読み込みました"));
    EXPECT_EQ(form.StatusBar()->Text(1), QString::fromUtf8("   6文字"));
    Trigger(form, "SaveFile3");
    EXPECT_EQ(ReadFileBytes(form.Paths().DraftFile(3)), "a\r\nb\r\n");

    fixture.answers = {false};
    Trigger(form, "LoadFile2");
    EXPECT_EQ(Text(form), "a\r\nb\r\n");
    EXPECT_EQ(fixture.questions.value(2),
              QString::fromUtf8("2はプロテクトされています\r読み込んでもいいですか？"));
    fixture.answers = {true};
    Trigger(form, "LoadFile2");
    EXPECT_EQ(Text(form), post);

    // A draft survives a restart of the program.
    TKestrelpadMainForm& again = fixture.Start();
    Trigger(again, "LoadFile1");
    EXPECT_EQ(Text(again), post);
    EXPECT_TRUE(fixture.errors.isEmpty()) << fixture.errors.join('\n').toStdString();
}

TEST(TKestrelpadMainFormFiles, AFailedWriteKeepsTheOldFileAndTheText) {
    MainFormFixture fixture;
    TKestrelpadMainForm& form = fixture.Start();
    WriteFileBytes(form.Paths().DraftFile(1), "old draft");
    form.Editor()->Lines()->SetTextStr("new text");
    for (TFileWriteStep step :
         {TFileWriteStep::Open, TFileWriteStep::Write, TFileWriteStep::Commit}) {
        SetFileWriteFault(step);
        form.StatusBar()->SetText(0, "before");
        Trigger(form, "SaveFile1");
        SetFileWriteFault(std::nullopt);
        EXPECT_EQ(ReadFileBytes(form.Paths().DraftFile(1)), "old draft");
        EXPECT_EQ(Text(form), "new text");
        EXPECT_EQ(form.StatusBar()->Text(0), QString("before"));
    }
    ASSERT_EQ(fixture.errors.size(), 3);
    EXPECT_TRUE(fixture.errors[0].contains("TempFile1.txt"));

    // Saving to a chosen file goes the same way, and only a file name is chosen on OK.
    fixture.chosenFile = fixture.Path("post.txt");
    SetFileWriteFault(TFileWriteStep::Commit);
    Trigger(form, "SaveFile");
    SetFileWriteFault(std::nullopt);
    EXPECT_FALSE(QFile::exists(fixture.chosenFile));
    Trigger(form, "SaveFile");
    EXPECT_EQ(ReadFileBytes(fixture.chosenFile), "new text");
}

TEST(TKestrelpadMainFormFiles, ChosenFilesLoadAndAnUnreadableOneChangesNothing) {
    MainFormFixture fixture;
    TKestrelpadMainForm& form = fixture.Start();
    form.Editor()->Lines()->SetTextStr("mine");
    fixture.chosenFile = fixture.Path("missing.txt");
    Trigger(form, "LoadFile");
    EXPECT_EQ(Text(form), "mine");
    ASSERT_EQ(fixture.errors.size(), 1);
    EXPECT_TRUE(fixture.errors[0].contains("missing.txt"));

    WriteFileBytes(fixture.Path("binary.txt"), std::string("ab\0cd", 5));
    fixture.chosenFile = fixture.Path("binary.txt");
    Trigger(form, "LoadFile");
    EXPECT_EQ(Text(form), "mine");
    EXPECT_EQ(fixture.errors.size(), 2);

    WriteFileBytes(fixture.Path("post.txt"), Cp932("本文\r\n"));
    fixture.chosenFile = fixture.Path("post.txt");
    Trigger(form, "LoadFile");
    EXPECT_EQ(Text(form), Cp932("本文\r\n"));
    fixture.chosenFile.clear(); // Cancel
    Trigger(form, "LoadFile");
    EXPECT_EQ(Text(form), Cp932("本文\r\n"));

    // A file dropped on the editor opens as a loaded one.
    WriteFileBytes(fixture.Path("dropped.txt"), "dropped");
    form.Editor()->OnDropFiles(form.Editor(),
                               {QFile::encodeName(fixture.Path("dropped.txt")).toStdString()},
                               Qt::NoModifier, TPoint{});
    EXPECT_EQ(Text(form), "dropped");
}

TEST(TKestrelpadMainFormFiles, WholeTextClipboardAndANewText) {
    MainFormFixture fixture;
    QGuiApplication::clipboard()->setText(QString::fromUtf8("クリップ\nボード"));
    TKestrelpadMainForm& form = fixture.Start();
    // The program starts with the clipboard's text.
    EXPECT_EQ(Text(form), Cp932("クリップ\r\nボード"));
    EXPECT_FALSE(form.Editor()->Modified());

    QTest::keyClicks(form.Editor(), "x");
    Trigger(form, "CopyToclipboard");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromUtf8("xクリップ\nボード"));

    // A modified text is cleared only after Yes, and then takes the clipboard's text.
    QGuiApplication::clipboard()->setText("next");
    fixture.answers = {false};
    Trigger(form, "ClearEditor");
    EXPECT_EQ(fixture.questions.value(0),
              QString::fromUtf8("文章があります。削除してもいいですか？"));
    EXPECT_EQ(Text(form), Cp932("xクリップ\r\nボード"));
    fixture.answers = {true};
    Trigger(form, "ClearEditor");
    EXPECT_EQ(Text(form), "next");
    // Taking the clipboard's text is no load: the text counts as modified as before.
    QGuiApplication::clipboard()->clear();
    fixture.answers = {true};
    Trigger(form, "ClearEditor");
    EXPECT_EQ(Text(form), "");
    EXPECT_EQ(fixture.questions.size(), 3);

    QGuiApplication::clipboard()->setText("pasted\nwhole");
    QTest::keyClicks(form.Editor(), "typed");
    Trigger(form, "PasteFromClipboard");
    EXPECT_EQ(Text(form), "pasted\r\nwhole");
    EXPECT_EQ(fixture.questions.size(), 3);
}

TEST(TKestrelpadMainFormFiles, AFileNamedAtTheStartTakesTheClipboardsPlace) {
    MainFormFixture fixture;
    QGuiApplication::clipboard()->setText("clipboard");
    WriteFileBytes(fixture.Path("start.txt"), "from\nfile");
    EXPECT_EQ(Text(fixture.Start(fixture.Path("start.txt"))), "from\r\nfile");
    TKestrelpadMainForm& form = fixture.Start(fixture.Path("nothing.txt"));
    EXPECT_EQ(Text(form), "");
    EXPECT_EQ(fixture.errors.size(), 1);
}

TEST(TKestrelpadMainFormFiles, SettingsAreReadAtStartAndBoundsAndPhrasesKeptAtExit) {
    MainFormFixture fixture;
    // A colour that is no colour is reported, and the settings after it still count.
    fixture.WriteSettings("[Window]\r\nSize=100,50\r\n"
                          "[Editor]\r\nWordWrap=1\r\nWrapCount=40\r\n"
                          "[Fountain]\r\nURLColor=clSomething\r\nMailAddrColor=$000000FF\r\n"
                          "[URLList]\r\nhttp://bbs.example.jp/a\r\nhttp://bbs.example.jp/b\r\n"
                          "[Protect]\r\nWrite4=1\r\n"
                          "[Sentence]\r\nよろしく\r\nphrase = two\r\n");
    TKestrelpadMainForm& form = fixture.Start();
    ASSERT_EQ(fixture.errors.size(), 1);
    EXPECT_TRUE(fixture.errors[0].contains("clSomething"));
    EXPECT_TRUE(form.Settings().WriteProtect[3]);
    EXPECT_EQ(form.MailFountain()->Url()->Color(), clBlue);
    EXPECT_EQ(form.MailFountain()->Mail()->Color(), clRed);
    EXPECT_TRUE(form.Editor()->WordWrap());
    EXPECT_EQ(form.Editor()->WrapOption()->WrapByte(), 40);
    EXPECT_EQ(form.URLList()->count(), 2);
    EXPECT_EQ(form.URLList()->currentText(), QString("http://bbs.example.jp/a"));
    ASSERT_EQ(form.Phrases().Count(), 2);
    EXPECT_EQ(form.Phrases().Get(1), "phrase=two");

    form.Phrases().Add(Cp932("新しい定型句"));
    fixture.form.reset();
    const std::string saved = ReadFileBytes(fixture.Path("kespad.ini"));
    EXPECT_NE(saved.find(Cp932("[Sentence]\r\nよろしく\r\nphrase=two\r\n新しい定型句\r\n")),
              std::string::npos);
    // The designed left and bottom with the saved top and right, written back as the frame.
    const size_t size = saved.find("Size=");
    ASSERT_NE(size, std::string::npos);
    EXPECT_EQ(saved.substr(size, saved.find('\r', size) - size).substr(0, 9), "Size=100,");
    EXPECT_NE(saved.find("URLColor=clSomething"), std::string::npos); // not written over
}

TEST(TKestrelpadMainFormFiles, BoxSelectionIsReachableAndABoxPastesAsABox) {
    MainFormFixture fixture;
    TKestrelpadMainForm& form = fixture.Start();
    TEditorExBase& e = *form.Editor();
    e.Lines()->SetTextStr("abcd\r\nefgh\r\nijkl");
    QTest::keyClick(&e, Qt::Key_K, Qt::ControlModifier);
    EXPECT_EQ(e.SelectionMode(), smBox);
    e.SetRowCol(0, 1);
    QTest::keyClick(&e, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(&e, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(&e, Qt::Key_Right, Qt::ShiftModifier);
    form.ApplicationEventsIdle();
    QTest::keyClick(&e, Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(TClipboard::HasBoxFormat());
    EXPECT_EQ(TClipboard::Text(), "bc\r\nfg\r\n");
    EXPECT_EQ(Text(form), "abcd\r\nefgh\r\nijkl");
    QTest::keyClick(&e, Qt::Key_K, Qt::ControlModifier);
    EXPECT_EQ(e.SelectionMode(), smLine);
    QTest::keyClick(&e, Qt::Key_Home, Qt::ControlModifier);
    QTest::keyClick(&e, Qt::Key_Down);
    QTest::keyClick(&e, Qt::Key_End);
    form.ApplicationEventsIdle();
    QTest::keyClick(&e, Qt::Key_V, Qt::ControlModifier);
    EXPECT_TRUE(Text(form).starts_with("abcd\r\nefghbc\r\nijklfg")) << Text(form);
}

} // namespace
} // namespace kes
