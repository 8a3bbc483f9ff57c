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

using namespace std::string_literals;
using test::Cp932;
using test::MainFormFixture;
using test::ReadFileBytes;
using test::Text;
using test::WriteFileBytes;

void Trigger(TKestrelpadMainForm& form, const char* action) {
    form.ApplicationEventsIdle();
    ASSERT_TRUE(form.Action(action)->isEnabled()) << action;
    form.Action(action)->trigger();
}

// A key as the person presses it, with the commands' states as the idle rules left them.
void Press(TKestrelpadMainForm& form, Qt::Key key) {
    form.ApplicationEventsIdle();
    QTest::keyClick(form.Editor(), key, Qt::ControlModifier);
}

std::string Format(TKestrelpadMainForm& form) {
    return form.StatusBar()->Text(3).toStdString();
}

// The person's round: a UTF-8 file from another editor opens readable, saves as UTF-8 with its
// own line breaks, and parked in a draft slot is code page 932 with CR LF.
TEST(TKestrelpadMainFormEncoding, AUtf8FileSavesAsItCameAndItsDraftIsShiftJis) {
    MainFormFixture fixture;
    const std::string file = "日本語の投稿 😀 café\n二行目\n";
    WriteFileBytes(fixture.Path("linux.txt"), file);
    TKestrelpadMainForm& form = fixture.Start(fixture.Path("linux.txt"));
    EXPECT_EQ(Text(form), Cp932("日本語の投稿 &#x1F600; caf&#xE9;\r\n二行目\r\n"));
    EXPECT_EQ(Format(form), "UTF-8 LF");
    EXPECT_FALSE(form.Editor()->Modified());

    fixture.chosenFile = fixture.Path("saved.txt");
    Trigger(form, "SaveFile");
    EXPECT_EQ(ReadFileBytes(fixture.chosenFile), file);
    Trigger(form, "SaveFile1");
    EXPECT_EQ(ReadFileBytes(form.Paths().DraftFile(1)), Text(form));

    // A draft is read as the program's own text, also one that would pass for UTF-8 with LF;
    // undoing that brings the file's format back with the file's text.
    WriteFileBytes(form.Paths().DraftFile(2), "\xC3\xA9\n");
    Trigger(form, "LoadFile2");
    EXPECT_EQ(Text(form), "\xC3\xA9\r\n");
    EXPECT_EQ(Format(form), "Shift_JIS CRLF");
    Press(form, Qt::Key_Z);
    EXPECT_EQ(Format(form), "UTF-8 LF");
    Press(form, Qt::Key_Y);
    EXPECT_EQ(Format(form), "Shift_JIS CRLF");
    Press(form, Qt::Key_Z);
    QTest::keyClicks(form.Editor(), "x");
    Trigger(form, "SaveFile");
    EXPECT_EQ(ReadFileBytes(fixture.chosenFile), "x" + file);
    EXPECT_TRUE(fixture.errors.isEmpty()) << fixture.errors.join('\n').toStdString();
}

TEST(TKestrelpadMainFormEncoding, TheSaveFormatIsChosenAndAWrongGuessReopened) {
    MainFormFixture fixture;
    TKestrelpadMainForm& form = fixture.Start();
    EXPECT_EQ(Format(form), "Shift_JIS CRLF");
    EXPECT_TRUE(form.Action("SaveAsShiftJIS")->isChecked());
    EXPECT_FALSE(form.Action("ReopenAsShiftJIS")->isEnabled()) << "no file yet";

    // Half-width kana in code page 932 that happen to be UTF-8 ("ﾃｩ" is "é").
    const std::string kana = "\xC3\xA9\r\n";
    WriteFileBytes(fixture.Path("kana.txt"), kana);
    fixture.chosenFile = fixture.Path("kana.txt");
    Trigger(form, "LoadFile");
    EXPECT_EQ(Text(form), "&#xE9;\r\n");
    Trigger(form, "ReopenAsShiftJIS");
    EXPECT_EQ(Text(form), kana);
    EXPECT_EQ(Format(form), "Shift_JIS CRLF");
    Press(form, Qt::Key_Z);
    EXPECT_EQ(Text(form), "&#xE9;\r\n") << "the reopening is one undo step";
    EXPECT_EQ(Format(form), "UTF-8 CRLF");
    EXPECT_TRUE(form.Action("SaveAsUtf8")->isChecked());

    Trigger(form, "SaveAsUtf16BE");
    Trigger(form, "SaveWithLF");
    EXPECT_EQ(Format(form), "UTF-16BE LF");
    EXPECT_TRUE(form.Action("SaveWithLF")->isChecked());
    EXPECT_FALSE(form.Action("SaveWithCRLF")->isChecked());
    fixture.chosenFile = fixture.Path("out.txt");
    Trigger(form, "SaveFile");
    EXPECT_EQ(ReadFileBytes(fixture.chosenFile), "\xFE\xFF\0\xE9\0\n"s);
    // The saved file is the one reopened now; in the wrong byte order it has no line break.
    Trigger(form, "ReopenAsUtf16LE");
    EXPECT_EQ(Format(form), "UTF-16LE CRLF");
    EXPECT_EQ(Text(form), "&#xFFFE;&#xE900;&#xA00;");

    // A file that is gone leaves the text as it is.
    QFile::remove(fixture.chosenFile);
    Trigger(form, "ReopenAsUtf8");
    EXPECT_EQ(Format(form), "UTF-16LE CRLF");
    EXPECT_EQ(fixture.errors.size(), 1);
    // Text from anywhere but a file is the program's own.
    QGuiApplication::clipboard()->setText("clip");
    Trigger(form, "PasteFromClipboard");
    EXPECT_EQ(Format(form), "Shift_JIS CRLF");
    Trigger(form, "SaveAsUtf8Bom");
    fixture.answers = {true};
    Trigger(form, "ClearEditor");
    EXPECT_EQ(Format(form), "Shift_JIS CRLF");
}

} // namespace
} // namespace kes
