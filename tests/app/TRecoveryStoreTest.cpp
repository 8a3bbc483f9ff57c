#include "app/TRecoveryStore.h"
#include "editor/EditorTestSupport.h"
#include "toolkit/core/Exception.h"
#include "toolkit/gui/QtText.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <sys/resource.h>

namespace kes {
namespace {

std::string Cp932(const char* utf8) {
    return QStringToCp932(QString::fromUtf8(utf8));
}

std::string FileBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "<no file>";
    return file.readAll().toStdString();
}

// Text as an input method delivers it, then the store hears of the change as from the window.
void Type(TEditor& editor, TRecoveryStore& store, const char* utf8) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString::fromUtf8(utf8));
    QApplication::sendEvent(&editor, &press);
    store.TextChanged();
}

bool WaitFor(QSignalSpy& spy, int count = 1) {
    while (spy.count() < count)
        if (!spy.wait(20000))
            return false;
    return true;
}

class TRecoveryStoreTest : public ::testing::Test {
protected:
    std::unique_ptr<TRecoveryStore> MakeStore(TEditor* editor, int delay = 10) {
        auto store = std::make_unique<TRecoveryStore>(folder_, editor);
        store->SetDelay(delay);
        return store;
    }
    void Change(TRecoveryStore& store, std::string_view text, TEditor* editor = nullptr) {
        (editor ? editor : editor_.get())->Lines()->SetTextStr(text);
        store.TextChanged();
    }

    QTemporaryDir dir_;
    // Not there yet: the first write makes it.
    QString folder_ = dir_.filePath("data/kestrelpad/");
    std::unique_ptr<TEditor> editor_ = test::MakeShownEditor(400, 300);
};

TEST_F(TRecoveryStoreTest, WritesTheEditorsTextExactlyAfterTheDelay) {
    auto store = MakeStore(editor_.get(), 50);
    QSignalSpy written(store.get(), &TRecoveryStore::Written);
    const std::string text = Cp932("> 日本語の投稿です。\r\n\r\n") + std::string(300, 'x') +
                             Cp932("半角ｶﾅと全角の混じった行");
    int writes = 0;
    // Slices that cut rows and double-byte characters, wrapped rows that join without a break.
    for (bool wrap : {false, true}) {
        for (size_t slice : {size_t(1), size_t(7), TRecoveryStore::DefaultSliceBytes}) {
            SCOPED_TRACE(testing::Message() << "wrap " << wrap << ", slice " << slice);
            editor_->SetWordWrap(wrap);
            store->SetSliceBytes(slice);
            const std::string expected = text + std::to_string(slice) + (wrap ? "\r\n" : "");
            Change(*store, expected);
            EXPECT_EQ(written.count(), writes) << "written before the delay";
            ASSERT_TRUE(WaitFor(written, ++writes));
            EXPECT_EQ(FileBytes(store->File()), expected);
            EXPECT_EQ(editor_->Lines()->GetTextStr(), expected);
        }
    }
    EXPECT_TRUE(store->File().startsWith(QDir(folder_).absolutePath()));
}

TEST_F(TRecoveryStoreTest, AnEditWhileTheCopyIsGatheredRestartsIt) {
    auto store = MakeStore(editor_.get(), 0);
    store->SetSliceBytes(16);
    QSignalSpy written(store.get(), &TRecoveryStore::Written);
    Change(*store, test::NumberedLines(2000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return store->Gathering(); }, 5000));
    for (int turn = 0; turn < 20; ++turn)
        QCoreApplication::processEvents();
    ASSERT_TRUE(store->Gathering());
    // The top was copied already: a copy that went on would keep the old first line.
    editor_->Lines()->Put(0, Cp932("新しい一行目"));
    editor_->Lines()->Delete(1999);
    store->TextChanged();
    ASSERT_TRUE(WaitFor(written));
    EXPECT_EQ(FileBytes(store->File()), editor_->Lines()->GetTextStr());
}

TEST_F(TRecoveryStoreTest, AChangeDuringAWriteIsWrittenAfterIt) {
    auto store = MakeStore(editor_.get(), 0);
    store->SetSliceBytes(size_t(64) << 10);
    QSignalSpy written(store.get(), &TRecoveryStore::Written);
    Change(*store, test::NumberedLines(400000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return store->Gathering(); }, 5000));
    while (store->Gathering())
        QCoreApplication::processEvents();
    // The copy went to the worker; its end is not heard yet.
    editor_->Lines()->Put(0, "edited");
    store->TextChanged();
    ASSERT_TRUE(WaitFor(written, 2));
    EXPECT_EQ(FileBytes(store->File()), editor_->Lines()->GetTextStr());
}

TEST_F(TRecoveryStoreTest, SteadyTypingDoesNotPutTheWriteOffForEver) {
    auto store = MakeStore(editor_.get(), 100);
    QSignalSpy written(store.get(), &TRecoveryStore::Written);
    QElapsedTimer typing;
    typing.start();
    while (written.isEmpty() && typing.elapsed() < 3000) {
        Type(*editor_, *store, "a");
        QTest::qWait(30);
    }
    EXPECT_EQ(written.count(), 1);
}

TEST_F(TRecoveryStoreTest, InstancesKeepTheirOwnFilesAndLeaveThemToTheNextRun) {
    auto first = MakeStore(editor_.get());
    QSignalSpy firstWritten(first.get(), &TRecoveryStore::Written);
    Change(*first, "first instance");
    ASSERT_TRUE(WaitFor(firstWritten));
    auto otherEditor = test::MakeShownEditor(400, 300);
    auto second = MakeStore(otherEditor.get());
    QSignalSpy secondWritten(second.get(), &TRecoveryStore::Written);
    Change(*second, "second instance", otherEditor.get());
    ASSERT_TRUE(WaitFor(secondWritten));

    const QString left = first->File();
    EXPECT_NE(second->File(), left);
    EXPECT_EQ(FileBytes(second->File()), "second instance");
    EXPECT_TRUE(second->Leftovers().isEmpty()) << "a live instance's file is no leftover";
    EXPECT_FALSE(second->Discard(left));
    EXPECT_FALSE(first->Discard(left)) << "its own file";
    EXPECT_EQ(FileBytes(left), "first instance");

    first.reset();
    EXPECT_EQ(second->Leftovers(), QStringList{left});

    // A new run writes beside the leftover, never into it.
    auto third = MakeStore(editor_.get(), 60000);
    Change(*third, "third instance");
    ASSERT_TRUE(third->WriteNow());
    EXPECT_NE(third->File(), left);
    EXPECT_EQ(TRecoveryStore::Read(left), "first instance");
    EXPECT_EQ(third->Leftovers(), QStringList{left});
    EXPECT_TRUE(third->Discard(left));
    EXPECT_FALSE(QFileInfo::exists(left));
    EXPECT_FALSE(QFileInfo::exists(left + ".lock"));
    EXPECT_TRUE(third->Leftovers().isEmpty());
    EXPECT_THROW(TRecoveryStore::Read(left), EFileError);
}

TEST_F(TRecoveryStoreTest, LeftoversComeNewestFirstAndEmptyOnesAreDropped) {
    QDir().mkpath(folder_);
    auto put = [&](const char* name, const char* text, int hoursAgo) {
        QFile file(QDir(folder_).filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        file.flush();
        file.setFileTime(QDateTime::currentDateTime().addSecs(-3600 * hoursAgo),
                         QFileDevice::FileModificationTime);
        return QFileInfo(file).absoluteFilePath();
    };
    const QString older = put("Recovery-1-1.txt", "older", 2);
    const QString newer = put("Recovery-2-2.txt", "newer", 1);
    const QString empty = put("Recovery-3-3.txt", "", 0);
    put("TempFile1.txt", "a draft", 0);
    auto store = MakeStore(editor_.get());
    EXPECT_EQ(store->Leftovers().join('\n').toStdString(),
              QStringList({newer, older}).join('\n').toStdString());
    EXPECT_FALSE(QFileInfo::exists(empty));
}

TEST_F(TRecoveryStoreTest, TheFinalWriteKeepsTheTextAndAnEmptyTextRemovesTheFile) {
    auto store = MakeStore(editor_.get(), 60000);
    QSignalSpy written(store.get(), &TRecoveryStore::Written);
    Change(*store, Cp932("閉じる前の文\r\n"));
    ASSERT_TRUE(store->WriteNow());
    EXPECT_EQ(written.count(), 1);
    const QString file = store->File();
    EXPECT_EQ(FileBytes(file), Cp932("閉じる前の文\r\n"));
    Change(*store, "");
    ASSERT_TRUE(store->WriteNow());
    EXPECT_FALSE(QFileInfo::exists(file));

    Change(*store, "kept at close");
    ASSERT_TRUE(store->WriteNow());
    store.reset();
    auto next = MakeStore(editor_.get());
    ASSERT_EQ(next->Leftovers(), QStringList{file});
    EXPECT_EQ(TRecoveryStore::Read(file), "kept at close");
}

// Run by AKilledInstanceLeavesItsTextForTheNextRun in a process of its own: types until its
// text is written, says so, then types on until it is killed.
TEST(TRecoveryStoreCrash, Child) {
    const QString folder = qEnvironmentVariable("KES_RECOVERY_CHILD");
    if (folder.isEmpty())
        GTEST_SKIP() << "run by the crash test";
    auto editor = test::MakeShownEditor(400, 300);
    TRecoveryStore store(folder, editor.get());
    store.SetDelay(10);
    QSignalSpy written(&store, &TRecoveryStore::Written);
    Type(*editor, store, "> 日本語");
    QTest::keyClick(editor.get(), Qt::Key_Return);
    Type(*editor, store, "二行目");
    ASSERT_TRUE(WaitFor(written));
    std::puts("recovery written");
    std::fflush(stdout);
    store.SetDelay(600000);
    for (;;) {
        Type(*editor, store, "lost");
        QTest::qWait(10);
    }
}

TEST_F(TRecoveryStoreTest, AKilledInstanceLeavesItsTextForTheNextRun) {
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("KES_RECOVERY_CHILD", folder_);
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), {"--gtest_filter=TRecoveryStoreCrash.*"});
    QByteArray output;
    while (!output.contains("recovery written") && child.waitForReadyRead(60000))
        output += child.readAllStandardOutput();
    ASSERT_TRUE(output.contains("recovery written")) << output.toStdString();
    child.kill();
    child.waitForFinished();

    auto store = MakeStore(editor_.get());
    const QStringList left = store->Leftovers();
    ASSERT_EQ(left.size(), 1);
    EXPECT_EQ(TRecoveryStore::Read(left[0]), Cp932("> 日本語\r\n二行目"));
    QSignalSpy written(store.get(), &TRecoveryStore::Written);
    Change(*store, "the new run");
    ASSERT_TRUE(WaitFor(written));
    EXPECT_NE(store->File(), left[0]);
    EXPECT_EQ(TRecoveryStore::Read(left[0]), Cp932("> 日本語\r\n二行目"));
    EXPECT_TRUE(store->Discard(left[0]));
    EXPECT_EQ(QDir(folder_).entryList(QDir::Files).size(), 2) << "the new run's file and lock";
}

TEST_F(TRecoveryStoreTest, AFolderThatCannotBeMadeIsReportedOncePerStreak) {
    QFile blocker(dir_.filePath("blocker"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    TRecoveryStore store(dir_.filePath("blocker/kestrelpad/"), editor_.get());
    store.SetDelay(0);
    QSignalSpy failed(&store, &TRecoveryStore::WriteFailed);
    QSignalSpy written(&store, &TRecoveryStore::Written);
    Change(store, "one");
    ASSERT_TRUE(WaitFor(failed));
    EXPECT_TRUE(failed[0][0].toString().contains(QDir::toNativeSeparators(blocker.fileName())));
    Change(store, "two");
    QTest::qWait(100);
    EXPECT_FALSE(store.WriteNow());
    EXPECT_EQ(failed.count(), 1);
    EXPECT_EQ(written.count(), 0);

    // Once the folder can be made the streak ends; the next failure is reported again.
    ASSERT_TRUE(blocker.remove());
    Change(store, "three");
    ASSERT_TRUE(WaitFor(written));
    // Removed behind the program's back: made again, or reported when it cannot be.
    ASSERT_TRUE(QDir(blocker.fileName()).removeRecursively());
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    Change(store, "four");
    ASSERT_TRUE(WaitFor(failed, 2));
    ASSERT_TRUE(blocker.remove());
    Change(store, "five");
    ASSERT_TRUE(WaitFor(written, 2));
    EXPECT_EQ(FileBytes(store.File()), "five");
    EXPECT_TRUE(QFileInfo::exists(store.File() + ".lock"));
}

// Writes beyond `bytes` fail as on a full disk, for everybody, root included.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &old_);
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = old_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldHandler_);
    }

private:
    rlimit old_{};
    void (*oldHandler_)(int) = nullptr;
};

TEST_F(TRecoveryStoreTest, AFailedWriteKeepsTheOldFile) {
    auto store = MakeStore(editor_.get(), 0);
    QSignalSpy failed(store.get(), &TRecoveryStore::WriteFailed);
    QSignalSpy written(store.get(), &TRecoveryStore::Written);
    Change(*store, "the old text");
    ASSERT_TRUE(WaitFor(written));
    {
        FileSizeLimit limit(64 << 10);
        Change(*store, test::NumberedLines(50000));
        ASSERT_TRUE(WaitFor(failed));
    }
    EXPECT_TRUE(failed[0][0].toString().contains(QDir::toNativeSeparators(store->File())));
    EXPECT_EQ(FileBytes(store->File()), "the old text");
    EXPECT_EQ(QDir(folder_).entryList(QDir::Files).size(), 2) << "no half-written file left";
}

} // namespace
} // namespace kes
