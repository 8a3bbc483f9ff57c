// The post editor's main window as a person meets it: typing in the middle of the corpus with
// the status bar updated and the idle rules run after every key, and the start of the program
// up to its first painted window, with an empty clipboard and with 1 MB of text on it. Each
// scenario runs in a child process of its own; figures are medians (p50) and 90th percentiles.
#include "app/TFindBar.h"
#include "bench/BenchApplication.h"
#include "bench/BenchMainForm.h"
#include "bench/BenchSupport.h"
#include "editorex/TEditorExBase.h"
#include "textmodel/TEditorStrings.h"
#include "toolkit/gui/QtText.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>

#include <algorithm>
#include <memory>

namespace {

using namespace kes::bench;

void TypeInTheMiddle(bool wrap, Results& r) {
    std::unique_ptr<QApplication> app = MakeApplication();
    kes::TKestrelpadMainForm form(BenchFormOptions());
    form.resize(800, 600);
    form.show();
    QApplication::processEvents();
    kes::TEditorExBase& e = *form.Editor();
    e.SetWordWrap(wrap);
    e.Lines()->LoadFromFile(CorpusPath());
    e.SetRowCol(e.ListCount() / 2, 10);
    e.ScrollCaret();
    e.viewport()->repaint();
    QApplication::processEvents();
    Samples typed("type");
    for (int i = 0; i < 200; ++i) {
        typed.TimeKey(
            [&] {
                QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
                QApplication::sendEvent(&e, &press);
                form.ApplicationEventsIdle();
            },
            [&] { e.viewport()->repaint(); });
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_X, Qt::NoModifier, QString());
        QApplication::sendEvent(&e, &release);
        QApplication::processEvents();
    }
    typed.Store(r);
    r["text_MB"] = static_cast<double>(e.Lines()->TextLength()) / 1e6;
}

// From nothing to the first painted window; the clipboard's text becomes the editor's.
void StartUp(size_t clipboardBytes, Results& r) {
    std::unique_ptr<QApplication> app = MakeApplication();
    if (clipboardBytes > 0) {
        QString text;
        const QString line = QString::fromUtf8("> 掲示板への書き込みの引用です。ｶﾀｶﾅ ①\n");
        while (static_cast<size_t>(text.size()) * 2 < clipboardBytes)
            text += line;
        QGuiApplication::clipboard()->setText(text);
    }
    Samples start("start");
    for (int i = 0; i < 5; ++i) {
        start.Time([&] {
            kes::TKestrelpadMainForm form(BenchFormOptions());
            form.show();
            form.repaint();
            r["text_bytes"] = static_cast<double>(form.Editor()->Lines()->TextLength());
        });
        QApplication::processEvents();
    }
    start.Store(r);
}

// The window shown with the corpus loaded and the find bar open in these modes.
kes::TFindBar& OpenCorpusFindBar(kes::TKestrelpadMainForm& form, bool regexp, bool fuzzy) {
    form.resize(800, 600);
    form.show();
    form.Editor()->Lines()->LoadFromFile(CorpusPath());
    form.OpenFindBar(false);
    QApplication::processEvents();
    kes::TFindBar& bar = *form.FindBar();
    kes::TFindQuery options;
    options.Regexp = regexp;
    options.Fuzzy = fuzzy;
    bar.SetOptions(options);
    return bar;
}

// The find bar's count of matches over the whole corpus, from the pattern being set to the
// count shown, while the event loop goes on; the longest turn of the loop tells whether the
// window stayed responsive.
void CountMatches(const char* pattern, bool regexp, bool fuzzy, Results& r) {
    std::unique_ptr<QApplication> app = MakeApplication();
    kes::TKestrelpadMainForm form(BenchFormOptions());
    kes::TFindBar& bar = OpenCorpusFindBar(form, regexp, fuzzy);
    Samples count("count");
    double longestTurn = 0;
    for (int i = 0; i < 3; ++i) {
        bar.SetPattern(QString());
        QApplication::processEvents();
        count.Time([&] {
            bar.SetPattern(QString::fromUtf8(pattern));
            auto turn = Clock::now();
            while (!bar.CountText().endsWith(QString::fromUtf8("件"))) {
                QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
                longestTurn = std::max(longestTurn, Since(turn) * 1000);
                turn = Clock::now();
            }
        });
    }
    count.Store(r);
    r["longest_turn_ms"] = longestTurn;
    r["matches"] = bar.CountText().section(' ', 0, 0).toDouble();
}

// "Next" for a pattern the corpus lacks, which goes round the whole text once: the longest a
// find command holds the window.
void FindAbsent(bool regexp, Results& r) {
    std::unique_ptr<QApplication> app = MakeApplication();
    kes::TKestrelpadMainForm form(BenchFormOptions());
    kes::TFindBar& bar = OpenCorpusFindBar(form, regexp, false);
    bar.SetPattern(QStringLiteral("zzqzz"));
    QApplication::processEvents();
    Samples find("find");
    for (int i = 0; i < 3; ++i)
        find.Time([&] { form.FindExecute(true); });
    find.Store(r);
}

} // namespace

int main(int argc, char** argv) {
    if (!StartWidgetBenchmarks(argc, argv))
        return 1;
    for (bool wrap : {false, true})
        RegisterInChild(std::string("MainWindow/Type/wrap:") + (wrap ? "1" : "0"), "type_p50_ms",
                        [=](Results& r) { TypeInTheMiddle(wrap, r); });
    RegisterInChild("MainWindow/Start/clipboard:empty", "start_p50_ms",
                    [](Results& r) { StartUp(0, r); });
    RegisterInChild("MainWindow/Start/clipboard:1MB", "start_p50_ms",
                    [](Results& r) { StartUp(1 << 20, r); });
    RegisterInChild("MainWindow/Count/word", "count_p50_ms",
                    [](Results& r) { CountMatches("thread", false, false, r); });
    RegisterInChild("MainWindow/Count/fuzzy", "count_p50_ms",
                    [](Results& r) { CountMatches("ｈｅｌｌｏ", true, true, r); });
    RegisterInChild("MainWindow/Count/regexp", "count_p50_ms",
                    [](Results& r) { CountMatches("[0-9]+\\.html", true, false, r); });
    RegisterInChild("MainWindow/FindAbsent/plain", "find_p50_ms",
                    [](Results& r) { FindAbsent(false, r); });
    RegisterInChild("MainWindow/FindAbsent/regexp", "find_p50_ms",
                    [](Results& r) { FindAbsent(true, r); });
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
