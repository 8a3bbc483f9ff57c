// A post written from the first word to the clipboard through the real main window, by keys
// and the input method as a person writes it, and the three windows the main window opens.
#include "app/TColorBox.h"
#include "app/TConfigureKespadForm.h"
#include "app/TDateTimeFormats.h"
#include "app/TKestrelpadMainForm.h"
#include "app/TSentenceForm.h"
#include "app/TStatusPanels.h"
#include "editorex/TEditorExBase.h"
#include "fountain/TMailFountain.h"
#include "tests/app/MainFormTestSupport.h"
#include "textmodel/TEditorStrings.h"
#include "toolkit/core/TStringList.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDateTime>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QToolBar>

#include <gtest/gtest.h>

#include <functional>

namespace kes {
namespace {

using test::Cp932;
using test::MainFormFixture;
using test::ReadFileBytes;
using test::Text;
using test::WriteFileBytes;

// A key pressed where the keyboard focus is, with the commands' states as the idle rules left
// them.
void Press(TKestrelpadMainForm& form, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    form.ApplicationEventsIdle();
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus ? focus : form.Editor(), key, modifiers);
    QApplication::processEvents();
}

// Japanese text as the input method hands it over when the user confirms a composition.
void Compose(TKestrelpadMainForm& form, const char* utf8) {
    QInputMethodEvent event;
    event.setCommitString(QString::fromUtf8(utf8));
    QApplication::sendEvent(form.Editor(), &event);
    QApplication::processEvents();
}

// Arranges what the user does in the configuration dialog once it is open; the dialog is modal,
// so this runs from the dialog's own event loop. A dialog that never opens fails the test.
void WhenConfigureOpens(std::function<void(TConfigureKespadForm&)> act) {
    QTimer::singleShot(0, [act = std::move(act)] {
        auto* dialog = qobject_cast<TConfigureKespadForm*>(QApplication::activeModalWidget());
        if (!dialog) {
            ADD_FAILURE() << "the configuration dialog is not the active modal window";
            return;
        }
        act(*dialog);
    });
}

// Selects the whole content of an edit field and types text over it, as a person does.
void TypeInto(QWidget* field, const QString& text) {
    field->setFocus();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(field, text);
}

// "%3d/%3d行%2d桁" for the caret's line and byte, counted by the test from the text itself.
QString CaretPanel(const std::string& textBeforeCaret, const std::string& text) {
    const auto lines = [](const std::string& s) {
        int count = 1;
        for (size_t at = s.find("\r\n"); at != std::string::npos; at = s.find("\r\n", at + 2))
            ++count;
        return count;
    };
    const size_t lineStart = textBeforeCaret.rfind("\r\n");
    const size_t column =
        textBeforeCaret.size() - (lineStart == std::string::npos ? 0 : lineStart + 2);
    return QString::asprintf("%3d/%3d行%2d桁", lines(textBeforeCaret), lines(text),
                             static_cast<int>(column) + 1);
}

TEST(TKestrelpadMainFormScenario, AReplyFromTheFirstWordToTheClipboard) {
    MainFormFixture fixture;
    fixture.WriteSettings("[Protect]\r\nWrite2=1\r\n"
                          "[Sentence]\r\nよろしくお願いします。\r\n「|」\r\n");
    TKestrelpadMainForm& form = fixture.Start();
    TEditorExBase& e = *form.Editor();
    ASSERT_EQ(Text(form), "");

    // The greeting through the input method, then the post answered, pasted with quote marks.
    Compose(form, "お返事です。");
    Press(form, Qt::Key_Return);
    QGuiApplication::clipboard()->setText(QString::fromUtf8("前の投稿の\n一行目と二行目\n"));
    Press(form, Qt::Key_B, Qt::ControlModifier);
    std::string post = "お返事です。\r\n> 前の投稿の\r\n> 一行目と二行目\r\n";
    EXPECT_EQ(Text(form), Cp932(post.c_str()));

    // Three more lines pasted as they are, selected upwards from the end and quoted with F10.
    QGuiApplication::clipboard()->setText(QString::fromUtf8("ひとつ\r\nふたつ\r\nみっつ"));
    Press(form, Qt::Key_V, Qt::ControlModifier);
    Press(form, Qt::Key_Home, Qt::ShiftModifier);
    Press(form, Qt::Key_Up, Qt::ShiftModifier);
    Press(form, Qt::Key_Up, Qt::ShiftModifier);
    EXPECT_EQ(e.SelText(), Cp932("ひとつ\r\nふたつ\r\nみっつ"));
    Press(form, Qt::Key_F10);
    post += "> ひとつ\r\n> ふたつ\r\n> みっつ";
    EXPECT_EQ(Text(form), Cp932(post.c_str()));
    EXPECT_EQ(e.SelText(), Cp932("> ひとつ\r\n> ふたつ\r\n> みっつ"));

    // A word of thanks, selected and wrapped in the phrase "「|」" picked in the phrase window.
    Press(form, Qt::Key_End, Qt::ControlModifier);
    Press(form, Qt::Key_Return);
    Compose(form, "ありがとう");
    for (int i = 0; i < 5; ++i)
        Press(form, Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(e.SelText(), Cp932("ありがとう"));
    Press(form, Qt::Key_F6);
    TSentenceForm& phrases = *form.SentenceForm();
    ASSERT_TRUE(phrases.isVisible());
    ASSERT_EQ(QApplication::focusWidget(), phrases.SEdit());
    Press(form, Qt::Key_Down);
    Press(form, Qt::Key_Down);
    EXPECT_EQ(phrases.SEdit()->text(), QString::fromUtf8("「|」"));
    Press(form, Qt::Key_Return);
    EXPECT_FALSE(phrases.isVisible());
    EXPECT_EQ(QApplication::focusWidget(), &e);
    post += "\r\n「ありがとう」";
    EXPECT_EQ(Text(form), Cp932(post.c_str()));
    EXPECT_EQ(form.StatusBar()->Text(2), CaretPanel(Cp932(post.c_str()), Cp932(post.c_str())));

    // The date on a line of its own: the first entry of the date list, the long date.
    Press(form, Qt::Key_Return);
    const QDateTime before = QDateTime::currentDateTime();
    Press(form, Qt::Key_F7);
    const QDateTime after = QDateTime::currentDateTime();
    ASSERT_TRUE(phrases.isVisible());
    Press(form, Qt::Key_Down);
    const QString date = phrases.SEdit()->text();
    EXPECT_TRUE(date == TDateTimeFormats::Format(u"dddddd", before) ||
                date == TDateTimeFormats::Format(u"dddddd", after))
        << date.toStdString();
    EXPECT_TRUE(date.contains(QString::fromUtf8("年"))) << date.toStdString();
    Press(form, Qt::Key_Enter);
    EXPECT_FALSE(phrases.isVisible());
    Press(form, Qt::Key_Return);
    post += "\r\n" + date.toStdString() + "\r\n";
    const std::string finished = Cp932(post.c_str());
    EXPECT_EQ(Text(form), finished);

    // Slot 2 is write-protected: No keeps the slot's old draft, Yes writes the post.
    WriteFileBytes(form.Paths().DraftFile(2), "old draft");
    fixture.answers = {false};
    Press(form, Qt::Key_2, Qt::ControlModifier);
    EXPECT_EQ(ReadFileBytes(form.Paths().DraftFile(2)), "old draft");
    fixture.answers = {true};
    Press(form, Qt::Key_2, Qt::ControlModifier);
    EXPECT_EQ(ReadFileBytes(form.Paths().DraftFile(2)), finished);
    EXPECT_EQ(fixture.questions.size(), 2);
    EXPECT_EQ(form.StatusBar()->Text(0), QString::fromUtf8("2に保存しました"));

    // Cleared from the tool bar (the modified text asks first; the clipboard's text comes in),
    // then fetched back with Ctrl+Shift+2.
    fixture.answers = {true};
    QTest::mouseClick(form.CommandBar()->widgetForAction(form.Action("ClearEditor")),
                      Qt::LeftButton);
    EXPECT_EQ(fixture.questions.size(), 3);
    EXPECT_EQ(Text(form), Cp932("ひとつ\r\nふたつ\r\nみっつ"));
    form.Editor()->setFocus();
    Press(form, Qt::Key_2, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Text(form), finished);
    EXPECT_EQ(form.StatusBar()->Text(0), QString::fromUtf8("2を読み込みました"));

    // A new quote mark and new colours in the dialog, left with Cancel: they apply all the same.
    TColor urlColor = clNone;
    TColor mailColor = clNone;
    WhenConfigureOpens([&](TConfigureKespadForm& dialog) {
        TypeInto(dialog.QuoteMark(), "| ");
        for (TColorBox* box : {dialog.URLColor(), dialog.MailAddressColor()}) {
            box->setFocus();
            QTest::keyClick(box, Qt::Key_Down);
        }
        urlColor = dialog.URLColor()->Color();
        mailColor = dialog.MailAddressColor()->Color();
        QTest::mouseClick(dialog.CancelBtn(), Qt::LeftButton);
    });
    Press(form, Qt::Key_P, Qt::AltModifier);
    EXPECT_EQ(form.Settings().QuoteString, "| ");
    EXPECT_NE(urlColor, clBlue);
    EXPECT_EQ(form.MailFountain()->Url()->Color(), urlColor);
    EXPECT_NE(mailColor, clLime);
    EXPECT_EQ(form.MailFountain()->Mail()->Color(), mailColor);
    EXPECT_EQ(Text(form), finished);

    // A postscript pasted with the new mark, and the whole post taken to the clipboard.
    QGuiApplication::clipboard()->setText(QString::fromUtf8("追伸\nです"));
    QApplication::setActiveWindow(&form);
    form.Editor()->setFocus();
    Press(form, Qt::Key_End, Qt::ControlModifier);
    Press(form, Qt::Key_B, Qt::ControlModifier);
    post += "| 追伸\r\n| です\r\n";
    EXPECT_EQ(Text(form), Cp932(post.c_str()));
    Press(form, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    QString clipboard = QString::fromUtf8(post.c_str());
    clipboard.replace("\r\n", "\n");
    EXPECT_EQ(QGuiApplication::clipboard()->text().toUtf8().toStdString(),
              clipboard.toUtf8().toStdString());
    EXPECT_TRUE(fixture.errors.isEmpty()) << fixture.errors.join('\n').toStdString();
}

TEST(TKestrelpadMainFormScenario, ThePhraseWindowAndTheDateListTakeTheKeysAndGiveThemBack) {
    MainFormFixture fixture;
    fixture.WriteSettings("[Sentence]\r\nよろしく\r\n");
    TKestrelpadMainForm& form = fixture.Start();
    QTest::keyClicks(form.Editor(), "post");
    TSentenceForm& window = *form.SentenceForm();

    // Esc and the Cancel button alike: nothing inserted, the focus back in the post, and a
    // phrase added meanwhile kept.
    const std::function<void()> cancels[] = {
        [&] { Press(form, Qt::Key_Escape); },
        [&] {
            QTest::mouseClick(window.CancelBtn(), Qt::LeftButton);
            QApplication::processEvents();
        },
    };
    for (const auto& cancel : cancels) {
        const int phrases = form.Phrases().Count();
        Press(form, Qt::Key_F6);
        ASSERT_TRUE(window.isVisible());
        EXPECT_TRUE(window.isActiveWindow());
        EXPECT_TRUE(window.AddText()->isVisible());
        ASSERT_EQ(QApplication::focusWidget(), window.SEdit());
        QTest::keyClicks(QApplication::focusWidget(), "typed");
        EXPECT_EQ(window.SEdit()->text(), "typed");
        EXPECT_EQ(Text(form), "post");
        QTest::mouseClick(window.AddText(), Qt::LeftButton);
        cancel();
        EXPECT_FALSE(window.isVisible());
        EXPECT_EQ(QApplication::focusWidget(), form.Editor());
        EXPECT_EQ(Text(form), "post");
        EXPECT_EQ(form.Phrases().Count(), phrases + 1);
        EXPECT_EQ(form.Phrases().Get(phrases), "typed");
    }

    // The date list: pick-only, the eleven texts, and the phrase list left alone.
    const int phrases = form.Phrases().Count();
    Press(form, Qt::Key_F7);
    ASSERT_TRUE(window.isVisible());
    ASSERT_EQ(QApplication::focusWidget(), window.SEdit());
    EXPECT_FALSE(window.AddText()->isVisible());
    EXPECT_FALSE(window.RemoveText()->isVisible());
    ASSERT_EQ(window.SentenceList()->count(), 11);
    EXPECT_TRUE(window.SEdit()->text().isEmpty());
    Press(form, Qt::Key_Down);
    EXPECT_EQ(window.SEdit()->text(), window.SentenceList()->item(0)->text());
    Press(form, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(QApplication::focusWidget(), form.Editor());
    EXPECT_EQ(Text(form), "post");
    EXPECT_EQ(form.Phrases().Count(), phrases);
}

TEST(TKestrelpadMainFormScenario, TheConfigurationDialogLeftWithEscWritesAndApplies) {
    MainFormFixture fixture;
    TKestrelpadMainForm& form = fixture.Start();
    ASSERT_FALSE(form.Editor()->WordWrap());
    bool opened = false;
    WhenConfigureOpens([&](TConfigureKespadForm& dialog) {
        opened = true;
        dialog.WordWrap()->setFocus();
        QTest::keyClick(dialog.WordWrap(), Qt::Key_Space);
        TypeInto(dialog.WordWrapCount(), "40");
        QTest::keyClick(&dialog, Qt::Key_Escape);
        if (dialog.isVisible()) {
            ADD_FAILURE() << "Esc left the dialog open";
            dialog.reject();
        }
    });
    Press(form, Qt::Key_P, Qt::AltModifier);
    ASSERT_TRUE(opened);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(form.Editor()->WordWrap());
    EXPECT_EQ(form.Editor()->WrapOption()->WrapByte(), 40);
    EXPECT_EQ(form.Settings().QuoteString, "> ") << "the untouched mark keeps its blank";
    const std::string saved = ReadFileBytes(fixture.Path("kespad.ini"));
    for (const char* line : {"WordWrap=1", "WrapCount=40", "URLColor=clBlue", "Write5=0"})
        EXPECT_NE(saved.find(line), std::string::npos) << line;
    EXPECT_TRUE(fixture.errors.isEmpty()) << fixture.errors.join('\n').toStdString();
}

} // namespace
} // namespace kes
