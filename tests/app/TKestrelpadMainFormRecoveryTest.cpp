#include "app/TKestrelpadMainForm.h"
#include "app/TRecoveryStore.h"
#include "app/TStatusPanels.h"
#include "editorex/TEditorExBase.h"
#include "tests/app/MainFormTestSupport.h"
#include "textmodel/TEditorStrings.h"

#include <QAction>
#include <QClipboard>
#include <QKeyEvent>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace kes {
namespace {

using test::Cp932;
using test::MainFormFixture;
using test::Text;

void Type(TKestrelpadMainForm& form, const char* utf8) {
    QKeyEvent typed(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString::fromUtf8(utf8));
    QApplication::sendEvent(form.Editor(), &typed);
}

// Closing asks nothing and keeps the text; the next start, showing other text, offers it.
TEST(TKestrelpadMainFormRecovery, TheTextOfAClosedWindowComesBackAtTheNextStart) {
    MainFormFixture fixture;
    TKestrelpadMainForm& first = fixture.Start();
    Type(first, "書きかけの返信");
    first.close();
    fixture.form.reset();

    QGuiApplication::clipboard()->setText("something else");
    TKestrelpadMainForm& second = fixture.Start();
    EXPECT_EQ(Text(second), "something else");
    EXPECT_FALSE(second.OfferedRecovery().isEmpty());
    EXPECT_TRUE(second.StatusBar()->Text(0).contains(QString::fromUtf8("前回のテキスト")));
    second.ApplicationEventsIdle();
    ASSERT_TRUE(second.Action("RestoreRecovery")->isEnabled());
    second.Action("RestoreRecovery")->trigger();
    EXPECT_EQ(Text(second), Cp932("書きかけの返信"));
    EXPECT_TRUE(fixture.questions.isEmpty()); // the clipboard's text was not modified
    // The restored text replaced the other one as one undo step.
    second.ApplicationEventsIdle();
    QTest::keyClick(second.Editor(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Text(second), "something else");
    EXPECT_TRUE(second.OfferedRecovery().isEmpty());
    EXPECT_TRUE(second.Recovery()->Leftovers().isEmpty());
}

TEST(TKestrelpadMainFormRecovery, ARunningWindowsTextIsWrittenAndNotOfferedToAnother) {
    MainFormFixture fixture;
    TKestrelpadMainForm& first = fixture.Start();
    first.Recovery()->SetDelay(10);
    QSignalSpy written(first.Recovery(), &TRecoveryStore::Written);
    Type(first, "途中まで");
    ASSERT_TRUE(written.wait(5000));
    EXPECT_EQ(TRecoveryStore::Read(first.Recovery()->File()), Cp932("途中まで"));
    // A draft loaded over it by mistake and taken back: the file follows both steps.
    test::WriteFileBytes(first.Paths().DraftFile(1), "draft");
    first.TempLoadFile(1);
    ASSERT_TRUE(written.wait(5000));
    EXPECT_EQ(TRecoveryStore::Read(first.Recovery()->File()), "draft");
    first.Editor()->Undo();
    ASSERT_TRUE(written.wait(5000));
    EXPECT_EQ(TRecoveryStore::Read(first.Recovery()->File()), Cp932("途中まで"));

    // A second instance beside the running one sees nothing to offer.
    TMainFormOptions other;
    other.Paths = TAppPaths::InFolder(fixture.folder.path());
    auto second = std::make_unique<TKestrelpadMainForm>(other);
    EXPECT_TRUE(second->OfferedRecovery().isEmpty());
    second.reset();

    // The same text as shown is no news: nothing is offered, and the old file goes.
    const QString firstFile = first.Recovery()->File();
    fixture.form.reset();
    QGuiApplication::clipboard()->setText(QString::fromUtf8("途中まで"));
    TKestrelpadMainForm& third = fixture.Start();
    EXPECT_TRUE(third.OfferedRecovery().isEmpty());
    EXPECT_FALSE(QFile::exists(firstFile));

    // A text the person does not want back is discarded after Yes.
    Type(third, "x");
    third.close();
    fixture.form.reset();
    QGuiApplication::clipboard()->clear();
    TKestrelpadMainForm& fourth = fixture.Start();
    ASSERT_FALSE(fourth.OfferedRecovery().isEmpty());
    fixture.answers = {true};
    fourth.Action("DiscardRecovery")->trigger();
    EXPECT_TRUE(fourth.OfferedRecovery().isEmpty());
    EXPECT_EQ(Text(fourth), "");
}

} // namespace
} // namespace kes
