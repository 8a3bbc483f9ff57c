// The recovery file on the common corpus: what a write costs the GUI thread. The store copies
// the editor's rows in slices, one slice per turn of the event loop, and a worker thread
// writes the copy. Measured per slice size, with word wrap off and on: each turn of the event
// loop while the copy is gathered (p50 and the longest, which must stay under 16 ms), the sum
// of them, the write on the worker (from the hand-over to the Written signal), and for
// comparison the whole text taken at once and the final write at close (which blocks).
#include "app/TRecoveryStore.h"
#include "bench/BenchApplication.h"
#include "bench/BenchSupport.h"
#include "editor/TEditor.h"
#include "textmodel/TEditorStrings.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace kes::bench;

constexpr int Repeats = 3;

void WriteScenarios(bool wrap, size_t sliceBytes, Results& r) {
    std::unique_ptr<QApplication> app = MakeApplication();
    kes::TEditor editor;
    editor.resize(800, 600);
    editor.SetWordWrap(wrap);
    editor.show();
    editor.Lines()->LoadFromFile(CorpusPath());
    QApplication::processEvents();
    QTemporaryDir folder;
    kes::TRecoveryStore store(folder.path(), &editor);
    store.SetDelay(0);
    store.SetSliceBytes(sliceBytes);
    bool written = false;
    QObject::connect(&store, &kes::TRecoveryStore::Written, [&] { written = true; });
    QObject::connect(&store, &kes::TRecoveryStore::WriteFailed, [&](const QString& message) {
        std::fprintf(stderr, "%s\n", message.toUtf8().constData());
        written = true;
        r["failed"] = 1;
    });

    std::vector<double> turns;
    std::vector<double> totals;
    std::vector<double> writes;
    for (int i = 0; i < Repeats; ++i) {
        // Each repetition writes a changed text: one character more at the top.
        editor.Lines()->Put(0, editor.Lines()->Get(0) + "x");
        written = false;
        store.TextChanged();
        while (!store.Gathering())
            QApplication::processEvents();
        double total = 0;
        while (store.Gathering()) {
            auto start = Clock::now();
            QApplication::processEvents();
            turns.push_back(Since(start) * 1000);
            total += turns.back();
        }
        totals.push_back(total);
        auto handOver = Clock::now();
        while (!written)
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        writes.push_back(Since(handOver) * 1000);
    }
    r["slices"] = static_cast<double>(turns.size()) / Repeats;
    r["slice_p50_ms"] = Percentile(turns, 0.5);
    r["slice_max_ms"] = *std::max_element(turns.begin(), turns.end());
    r["gather_total_ms"] = Percentile(totals, 0.5);
    r["worker_write_ms"] = Percentile(writes, 0.5);

    Samples whole("whole_text");
    for (int i = 0; i < Repeats; ++i)
        whole.Time([&] { benchmark::DoNotOptimize(editor.Lines()->GetTextStr()); });
    whole.Store(r);
    editor.Lines()->Put(0, editor.Lines()->Get(0) + "x");
    auto start = Clock::now();
    store.WriteNow();
    r["write_now_ms"] = Since(start) * 1000;
    r["MiB"] = FileMiB();
}

} // namespace

int main(int argc, char** argv) {
    if (!StartWidgetBenchmarks(argc, argv))
        return 1;
    for (bool wrap : {false, true}) {
        for (size_t slice :
             {size_t(1) << 20, kes::TRecoveryStore::DefaultSliceBytes, size_t(16) << 20}) {
            const std::string name = "Recovery/wrap:" + std::to_string(wrap) +
                                     "/slice_KiB:" + std::to_string(slice >> 10);
            RegisterInChild(name, "slice_max_ms",
                            [=](Results& r) { WriteScenarios(wrap, slice, r); });
        }
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
