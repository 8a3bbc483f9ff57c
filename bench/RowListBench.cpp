// The row list as the store of a long text, and the mail fountain over it: loading the
// corpus, edits near the top, and the parse-state pass and painter tokens over every row.
#include "fountain/TFountainParser.h"
#include "fountain/TMailFountain.h"
#include "textmodel/TEditorStringList.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

namespace {

std::string Corpus() {
    const char* path = std::getenv("KES_CORPUS");
    if (!path) {
        std::fprintf(stderr, "KES_CORPUS is not set (bench/run.sh sets it)\n");
        std::exit(2);
    }
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

const std::string& Text() {
    static const std::string text = Corpus();
    return text;
}

void Load(kes::TEditorStringList& rows) {
    const std::string& text = Text();
    size_t p = 0;
    while (p < text.size()) {
        size_t end = text.find_first_of("\r\n", p);
        if (end == std::string::npos)
            end = text.size();
        rows.Add(text.substr(p, end - p));
        p = end;
        if (p < text.size() && text[p] == '\r')
            ++p;
        if (p < text.size() && text[p] == '\n')
            ++p;
    }
}

long PeakKiB() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::atol(line.c_str() + 6);
    return 0;
}

kes::TEditorStringList& Loaded() {
    static kes::TEditorStringList rows;
    if (rows.Count() == 0)
        Load(rows);
    return rows;
}

void BM_LoadCorpus(benchmark::State& state) {
    Text();
    long before = PeakKiB();
    for (auto _ : state) {
        kes::TEditorStringList rows;
        Load(rows);
        benchmark::DoNotOptimize(rows.Count());
        state.counters["rows"] = rows.Count();
    }
    // What the rows cost beyond the text itself, per row and against the text's size.
    state.counters["peak_growth_MiB"] = static_cast<double>(PeakKiB() - before) / 1024;
    state.counters["text_MiB"] = static_cast<double>(Text().size()) / (1024 * 1024);
}
BENCHMARK(BM_LoadCorpus)->Unit(benchmark::kMillisecond)->Iterations(1);

// Enter near the top, undone: one insert and one delete at row 10 of the whole corpus.
void BM_InsertDeleteNearTop(benchmark::State& state) {
    kes::TEditorStringList& rows = Loaded();
    rows.Insert(10, "warm"); // the first edit after loading moves the gap to the spot
    rows.Delete(10);
    for (auto _ : state) {
        rows.Insert(10, "a new row of text");
        rows.Delete(10);
    }
}
BENCHMARK(BM_InsertDeleteNearTop)->Unit(benchmark::kMicrosecond);

// The first edit after loading (the gap travels from the end to the top).
void BM_FirstEditAtTop(benchmark::State& state) {
    kes::TEditorStringList& rows = Loaded();
    for (auto _ : state) {
        rows.Insert(rows.Count(), "end");
        rows.Delete(rows.Count() - 1);
        rows.Insert(1, "top");
        rows.Delete(1);
    }
}
BENCHMARK(BM_FirstEditAtTop)->Unit(benchmark::kMillisecond);

void BM_MailParseStateAllRows(benchmark::State& state) {
    kes::TEditorStringList& rows = Loaded();
    kes::TMailFountain fountain(nullptr);
    for (auto _ : state) {
        auto parser = fountain.CreateParser();
        kes::TRowAttributeData data = kes::TRowAttributeData::TextStart();
        for (int i = 0; i < rows.Count(); ++i) {
            data.RowAttribute = rows.RowAttributes(i);
            parser->NextRowData(i, rows, data);
            data.PrevRowAttribute = rows.RowAttributes(i);
        }
        benchmark::DoNotOptimize(data.BracketIndex);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * Text().size()));
}
BENCHMARK(BM_MailParseStateAllRows)->Unit(benchmark::kMillisecond);

void BM_MailTokensAllRows(benchmark::State& state) {
    kes::TEditorStringList& rows = Loaded();
    kes::TMailFountain fountain(nullptr);
    long tokens = 0;
    for (auto _ : state) {
        auto parser = fountain.CreateParser();
        tokens = 0;
        for (int i = 0; i < rows.Count(); ++i) {
            std::string_view row = rows.View(i);
            std::string text(row);
            parser->NewData(text, kes::TRowAttributeData::TextStart());
            while (parser->NextToken() != kes::ttEnd) {
                benchmark::DoNotOptimize(parser->TokenColor());
                ++tokens;
            }
        }
    }
    state.counters["tokens"] = static_cast<double>(tokens);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * Text().size()));
}
BENCHMARK(BM_MailTokensAllRows)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
