#include "app/TSentenceForm.h"
#include "tests/app/IniTestSupport.h"
#include "toolkit/core/TStringList.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <optional>

namespace kes {
namespace {

using test::Cp932;

std::vector<std::string> Lines(const TStrings& list) {
    std::vector<std::string> lines;
    for (int i = 0; i < list.Count(); ++i)
        lines.push_back(list.Get(i));
    return lines;
}

// A phrase window with a main window behind it, as the program has them; Confirmed() is the
// text the callback got, if it ran.
class SentenceFormTest : public ::testing::Test {
protected:
    SentenceFormTest() {
        main.resize(300, 300);
        main.show();
        QApplication::setActiveWindow(&main);
        QApplication::processEvents();
        phrases.Add(Cp932("おはよう"));
        phrases.Add(Cp932("「|」"));
    }

    void Show(TStrings& list, bool editable, QPoint at = {100, 100}) {
        form.ShowPhrases(list, at, editable, [this](const std::string& text) { confirmed = text; });
        QApplication::processEvents();
    }

    void Key(Qt::Key key) {
        QTest::keyClick(QApplication::focusWidget(), key);
        QApplication::processEvents();
    }

    void Click(QPushButton* button) {
        QTest::mouseClick(button, Qt::LeftButton);
        QApplication::processEvents();
    }

    QWidget main;
    TSentenceForm form{&main};
    TStringList phrases;
    std::optional<std::string> confirmed;
};

TEST_F(SentenceFormTest, ShownEditableWithTheFocusInTheEditLine) {
    Show(phrases, true);
    ASSERT_TRUE(form.isVisible());
    EXPECT_TRUE(form.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(form.geometry(), QRect(100, 100, 212, 189));
    EXPECT_TRUE(form.AddText()->isVisible());
    EXPECT_TRUE(form.RemoveText()->isVisible());
    EXPECT_EQ(form.SentenceList()->count(), 2);
    EXPECT_TRUE(form.isActiveWindow());
    QTest::keyClicks(QApplication::focusWidget(), "abc");
    EXPECT_EQ(form.SEdit()->text(), "abc");
    EXPECT_TRUE(form.OKBtn()->isEnabled());
    EXPECT_TRUE(form.AddText()->isEnabled());
    EXPECT_FALSE(form.RemoveText()->isEnabled());
}

TEST_F(SentenceFormTest, EnterOnAnEmptyEditDoesNothing) {
    Show(phrases, true);
    EXPECT_FALSE(form.OKBtn()->isEnabled());
    EXPECT_FALSE(form.AddText()->isEnabled());
    Key(Qt::Key_Return);
    EXPECT_TRUE(form.isVisible());
    EXPECT_FALSE(confirmed);
    // Typed and erased again: disabled again.
    QTest::keyClicks(form.SEdit(), "x");
    Key(Qt::Key_Backspace);
    EXPECT_FALSE(form.OKBtn()->isEnabled());
}

TEST_F(SentenceFormTest, UpAndDownMoveTheListWhileTheFocusStays) {
    Show(phrases, true);
    Key(Qt::Key_Down);
    EXPECT_EQ(form.SEdit()->text(), QString::fromUtf8("おはよう"));
    Key(Qt::Key_Down);
    EXPECT_EQ(form.SEdit()->text(), QString::fromUtf8("「|」"));
    EXPECT_TRUE(form.RemoveText()->isEnabled());
    Key(Qt::Key_Up);
    EXPECT_EQ(form.SEdit()->text(), QString::fromUtf8("おはよう"));
    EXPECT_EQ(QApplication::focusWidget(), form.SEdit());
    Key(Qt::Key_Return);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(confirmed, Cp932("おはよう"));
}

TEST_F(SentenceFormTest, AddAndRemoveReachTheListOnOkAndOnCancel) {
    Show(phrases, true);
    form.SEdit()->setText(QString::fromUtf8("よろしく"));
    Click(form.AddText());
    Click(form.AddText()); // duplicates are allowed
    EXPECT_EQ(form.SEdit()->text(), QString::fromUtf8("よろしく"));
    EXPECT_EQ(Lines(phrases).size(), 2u) << "the list changes only when the window closes";
    Key(Qt::Key_Escape);
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(confirmed);
    EXPECT_EQ(Lines(phrases), (std::vector<std::string>{Cp932("おはよう"), Cp932("「|」"),
                                                        Cp932("よろしく"), Cp932("よろしく")}));

    Show(phrases, true);
    EXPECT_TRUE(form.SEdit()->text().isEmpty());
    form.SentenceList()->setCurrentRow(0);
    Click(form.RemoveText());
    EXPECT_FALSE(form.RemoveText()->isEnabled());
    Click(form.RemoveText());
    EXPECT_EQ(form.SentenceList()->count(), 3);
    Click(form.OKBtn());
    EXPECT_EQ(confirmed, Cp932("おはよう"));
    EXPECT_EQ(Lines(phrases),
              (std::vector<std::string>{Cp932("「|」"), Cp932("よろしく"), Cp932("よろしく")}));
}

TEST_F(SentenceFormTest, PickOnlyShowsACopyWithoutTheSideButtons) {
    auto dates = std::make_unique<TStringList>();
    dates->Add(Cp932("2004年3月5日"));
    dates->Add("15:07");
    Show(*dates, false);
    dates.reset(); // the caller lets its list go at once
    EXPECT_EQ(form.width(), 156);
    EXPECT_FALSE(form.AddText()->isVisible());
    EXPECT_FALSE(form.RemoveText()->isVisible());
    Key(Qt::Key_Down);
    Key(Qt::Key_Down);
    Key(Qt::Key_End);
    QTest::keyClicks(form.SEdit(), ":00");
    Key(Qt::Key_Enter);
    EXPECT_EQ(confirmed, "15:07:00");
    EXPECT_EQ(Lines(phrases).size(), 2u);
}

TEST_F(SentenceFormTest, LosingTheActivationCancels) {
    Show(phrases, true);
    form.SEdit()->setText("a");
    Click(form.AddText());
    main.activateWindow();
    QApplication::processEvents();
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(confirmed);
    EXPECT_EQ(Lines(phrases).size(), 3u);

    Show(phrases, true);
    ASSERT_TRUE(form.isActiveWindow());
    QApplication::setActiveWindow(nullptr);
    QApplication::processEvents();
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(confirmed);
}

TEST_F(SentenceFormTest, StaysInsideTheScreenNearItsEdges) {
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    Show(phrases, true, area.bottomRight() - QPoint(5, 5));
    EXPECT_TRUE(area.contains(form.geometry())) << form.geometry().x() << "," << form.y();
    EXPECT_EQ(form.geometry().bottomRight(), area.bottomRight());
    Show(phrases, true, area.topLeft() - QPoint(50, 50));
    EXPECT_EQ(form.pos(), area.topLeft());
}

TEST_F(SentenceFormTest, APhraseTheSettingsFileCannotKeepIsNotAddedAndSaysWhy) {
    Show(phrases, true);
    for (const char* phrase : {" a", "a ", "   ", ";comment", "[Window]", "a = b", "%空行%"}) {
        SCOPED_TRACE(phrase);
        form.SEdit()->setText(QString::fromUtf8(phrase));
        EXPECT_FALSE(form.Message()->isVisible());
        Click(form.AddText());
        EXPECT_EQ(form.SentenceList()->count(), 2);
        EXPECT_TRUE(form.Message()->isVisible());
        EXPECT_TRUE(form.rect().contains(form.Message()->geometry()));
    }
    EXPECT_TRUE(form.Message()->text().contains(QString::fromUtf8("「」")));
    form.SEdit()->setText("a=b");
    EXPECT_FALSE(form.Message()->isVisible());
    EXPECT_EQ(form.height(), 189);
    Click(form.AddText());
    EXPECT_EQ(form.SentenceList()->count(), 3);
    EXPECT_FALSE(form.Message()->isVisible());
}

} // namespace
} // namespace kes
