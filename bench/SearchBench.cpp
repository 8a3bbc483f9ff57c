// The plain-text matcher over the common corpus (gen_corpus.py 50 7, named by KES_CORPUS),
// taken as one buffer and searched from start to end match by match, the way repeated
// "find next" commands walk a text.
#include "editor/search/SearchMatcher.h"
#include "toolkit/core/Cp932Codec.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

namespace {

const std::string& Corpus() {
    static const std::string corpus = [] {
        const char* path = std::getenv("KES_CORPUS");
        if (!path) {
            std::fprintf(stderr, "KES_CORPUS is not set; run bench/run.sh\n");
            std::exit(2);
        }
        std::ifstream in(path, std::ios::binary);
        std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (bytes.empty()) {
            std::fprintf(stderr, "cannot read the corpus %s\n", path);
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

BENCHMARK_MAIN();
