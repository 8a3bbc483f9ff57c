// The plain-text matcher over the common corpus (gen_corpus.py 50 7, named by KES_CORPUS),
// taken as one buffer and searched from start to end match by match, the way repeated
// "find next" commands walk a text.
//
// With the Qt parts built, also the editor's own search as a person meets it: the main
// window's editor (800 x 600, the post editor's settings) holding the corpus with one more
// line whose word occurs nowhere else, searched down from the text's start until that word is
// selected and the view repainted, against QPlainTextEdit::find on the same text. Each widget
// runs in a child process of its own; the table at the end gives MB/s (the corpus's code page
// 932 bytes over the time) and the ratios.
#include "bench/BenchApplication.h"
#include "bench/BenchMainForm.h"
#include "bench/BenchSupport.h"
#include "editor/search/SearchMatcher.h"
#include "toolkit/core/Cp932Codec.h"

#ifdef KES_HAVE_QT
#include "editor/TEditor.h"
#include "textmodel/TEditorStrings.h"
#include "toolkit/gui/QtText.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QTextCursor>
#endif

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

// The corpus, read once.
const std::string& Corpus() {
    static const std::string corpus = [] {
        std::string bytes = kes::bench::ReadCorpus();
        if (bytes.empty()) {
            std::fprintf(stderr, "cannot read the corpus %s\n", kes::bench::CorpusPath());
            std::exit(2);
        }
        return bytes;
    }();
    return corpus;
}

void FindAll(benchmark::State& state, const char* utf8Pattern, kes::TSearchOptions options) {
    const std::string& text = Corpus();
    kes::TSearchMatcher matcher(kes::Utf8ToCp932(utf8Pattern), options);
    std::int64_t matches = 0;
    for (auto _ : state) {
        matches = 0;
        kes::TSearchMatch match;
        while (matcher.Find(text, match.Offset, match.Length, match))
            ++matches;
        benchmark::DoNotOptimize(matches);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
    state.counters["matches"] = static_cast<double>(matches);
}

using O = kes::TSearchOption;
const kes::TSearchOptions kExact{O::SearchDown, O::MatchCase};
const kes::TSearchOptions kAnyCase{O::SearchDown};
const kes::TSearchOptions kLoose{O::SearchDown, O::IgnoreWidth, O::IgnoreLineBreaks,
                                 O::IgnoreSpaces};

} // namespace

BENCHMARK_CAPTURE(FindAll, kanji_exact, "掲示板", kExact)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FindAll, kanji_char_exact, "板", kExact)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FindAll, http_exact, "http:", kExact)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FindAll, http_any_case, "HTTP:", kAnyCase)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FindAll, miss_exact, "存在しない語句", kExact)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FindAll, miss_any_case, "qzxv", kAnyCase)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FindAll, guide_loose, "ガイド", kLoose)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FindAll, kanji_whole_word, "掲示板",
                  kes::TSearchOptions{O::SearchDown, O::WholeWord})
    ->Unit(benchmark::kMillisecond);

#ifdef KES_HAVE_QT

namespace {

using namespace kes::bench;

constexpr int ViewWidth = 800;
constexpr int ViewHeight = 600;
constexpr int Repeats = 10;
constexpr double TargetMBs = 500;
constexpr const char* Needle = "kestrelneedle";

// The corpus and a last line holding the needle, which the corpus does not hold.
const std::string& TextWithNeedle() {
    static const std::string text = [] {
        std::string t = Corpus();
        if (t.find(Needle) != std::string::npos) {
            std::fprintf(stderr, "the corpus already holds %s\n", Needle);
            std::exit(2);
        }
        return t + "\r\nthe last line holds the " + Needle + " once";
    }();
    return text;
}

double MBs(double ms) {
    return ms > 0 ? static_cast<double>(TextWithNeedle().size()) / 1e6 / (ms / 1000) : 0;
}

void Show(QWidget& widget) {
    widget.show();
    widget.activateWindow();
    widget.setFocus();
    QApplication::processEvents();
}

// One search from the text's start to the needle and the repaint of the view that shows it,
// Repeats times; `reset` goes back to the start outside the timing. Stores the median.
template <class Reset, class Find>
void TimeSearches(Results& r, QWidget* viewport, Reset reset, Find find) {
    std::vector<double> ms;
    int found = 0;
    for (int i = 0; i < Repeats; ++i) {
        reset();
        viewport->repaint();
        QApplication::processEvents();
        auto start = Clock::now();
        found += find() ? 1 : 0;
        viewport->repaint();
        ms.push_back(Since(start) * 1000);
    }
    r["search_p50_ms"] = Percentile(ms, 0.5);
    r["search_p90_ms"] = Percentile(ms, 0.9);
    r["found"] = found;
    r["MB_per_s"] = MBs(r["search_p50_ms"]);
}

void KestrelpadSearch(bool wrap, Results& r) {
    std::unique_ptr<QApplication> app = MakeApplication();
    kes::TKestrelpadMainForm form(BenchFormOptions());
    form.resize(ViewWidth, ViewHeight);
    Show(form);
    kes::TEditor& e = *form.Editor();
    e.setFocus();
    form.resize(form.size() + QSize(ViewWidth, ViewHeight) - e.size());
    e.SetWordWrap(wrap);
    e.Lines()->SetTextStr(TextWithNeedle());
    const std::string needle = Needle;
    TimeSearches(
        r, e.viewport(),
        [&] {
            e.CleanSelection();
            e.SetRowCol(0, 0);
        },
        [&] { return e.Search(needle, {kes::TSearchOption::SearchDown}) && e.Selected(); });
    r["rows"] = e.ListCount();
}

void PlainTextFind(bool wrap, Results& r) {
    std::unique_ptr<QApplication> app = MakeApplication();
    QPlainTextEdit edit;
    QFont font(QStringLiteral("IPAGothic"));
    font.setPixelSize(12);
    edit.setFont(font);
    edit.resize(ViewWidth, ViewHeight);
    edit.setLineWrapMode(wrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    Show(edit);
    edit.setPlainText(kes::Cp932ToQString(TextWithNeedle()));
    const QString needle = QString::fromLatin1(Needle);
    TimeSearches(
        r, edit.viewport(),
        [&] {
            edit.setTextCursor(QTextCursor(edit.document()));
            edit.ensureCursorVisible();
        },
        [&] { return edit.find(needle); });
}

struct Measured {
    const char* widget;
    const char* group;
    void (*run)(bool, Results&);
    bool wrap;
    Results results;
};

std::vector<Measured>& Scenarios() {
    static std::vector<Measured> scenarios = {
        {"Kestrelpad", "Search/wrap:0", KestrelpadSearch, false, {}},
        {"Kestrelpad", "Search/wrap:1", KestrelpadSearch, true, {}},
        {"QPlainTextEdit", "Search/wrap:0", PlainTextFind, false, {}},
        {"QPlainTextEdit", "Search/wrap:1", PlainTextFind, true, {}},
    };
    return scenarios;
}

void RegisterEditorSearches() {
    for (Measured& m : Scenarios()) {
        const std::string name = std::string(m.widget) + "/" + m.group;
        benchmark::RegisterBenchmark(name.c_str(),
                                     [&m](benchmark::State& state) {
                                         m.results =
                                             InChild([&m](Results& r) { m.run(m.wrap, r); });
                                         Report(state, m.results, "search_p50_ms", 1000);
                                     })
            ->UseManualTime()
            ->Iterations(1)
            ->Unit(benchmark::kMillisecond);
    }
}

void PrintTable() {
    std::printf("\nSearch down for a word only in the last line (%.1f MB), search and repaint\n",
                static_cast<double>(TextWithNeedle().size()) / 1e6);
    std::printf("%-16s %-14s %12s %12s %10s %10s\n", "widget", "group", "p50 ms", "p90 ms", "MB/s",
                "target");
    for (const Measured& m : Scenarios()) {
        auto figure = [&m](const char* key) {
            return m.results.count(key) ? m.results.at(key) : 0.0;
        };
        const double mbs = figure("MB_per_s");
        std::printf("%-16s %-14s %12.2f %12.2f %10.0f", m.widget, m.group, figure("search_p50_ms"),
                    figure("search_p90_ms"), mbs);
        if (std::string(m.widget) == "Kestrelpad")
            std::printf(" %6.0f %s", TargetMBs, mbs >= TargetMBs ? "met" : "MISS");
        std::printf("%s\n", figure("found") == Repeats ? "" : "  (needle not found every time)");
    }
    for (const char* group : {"Search/wrap:0", "Search/wrap:1"}) {
        double own = 0;
        double anchor = 0;
        for (const Measured& m : Scenarios()) {
            if (std::string(m.group) != group || !m.results.count("search_p50_ms"))
                continue;
            (std::string(m.widget) == "Kestrelpad" ? own : anchor) = m.results.at("search_p50_ms");
        }
        if (own > 0 && anchor > 0)
            std::printf("%s: QPlainTextEdit time / Kestrelpad time = %.1f\n", group, anchor / own);
    }
}

} // namespace

#endif

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
#ifdef KES_HAVE_QT
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    RegisterEditorSearches();
#endif
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
#ifdef KES_HAVE_QT
    PrintTable();
#endif
    return 0;
}
