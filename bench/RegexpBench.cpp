// Regular-expression search over the common corpus: TAWKStrEx::FindAll on every line, as the
// find highlighting runs it, against Oniguruma (Shift_JIS) on the same lines in the same run.
// Oniguruma finds leftmost-first matches and Kestrelpad leftmost-longest ones, so the counts
// may differ; both are printed. KES_CORPUS names the corpus file.
#include "regexp/TAWKStrEx.h"
#include "toolkit/core/Cp932Codec.h"

#include <benchmark/benchmark.h>

#ifdef KES_HAVE_ONIG
#include <oniguruma.h>
#endif

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

namespace {

struct Corpus {
    std::vector<std::string> lines;   // without line breaks
    std::vector<std::string> buffers; // each line with the CR LF that '$' matches before
    std::size_t bytes = 0;
};

const Corpus& TheCorpus() {
    static const Corpus corpus = [] {
        Corpus c;
        const char* path = std::getenv("KES_CORPUS");
        if (path == nullptr)
            return c;
        std::ifstream in(path, std::ios::binary);
        const std::string text((std::istreambuf_iterator<char>(in)),
                               std::istreambuf_iterator<char>());
        c.bytes = text.size();
        std::size_t p = 0;
        while (p < text.size()) {
            std::size_t end = text.find_first_of("\r\n", p);
            const bool lineBreak = end != std::string::npos;
            if (!lineBreak)
                end = text.size();
            c.lines.push_back(text.substr(p, end - p));
            c.buffers.push_back(lineBreak ? c.lines.back() + "\r\n" : c.lines.back());
            p = end;
            if (lineBreak)
                p += text.compare(end, 2, "\r\n") == 0 ? 2 : 1;
        }
        return c;
    }();
    return corpus;
}

struct Pattern {
    const char* name;
    const char* utf8;
    bool fuzzy;
};

const Pattern kPatterns[] = {
    {"kanji", "掲示板", false},          {"url", "http:[-a-zA-Z0-9./_:]+", false},
    {"hiragana", "[ぁ-ん]+", false},     {"quote_line", "^>.*$", false},
    {"alternation", "(a|b|c)+d", false}, {"fuzzy", "ｶﾞｲﾄﾞ", true},
};

// CPU time of this thread: the machine running the benchmarks is often shared, and wall time
// would measure the neighbours as well.
double ThreadSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

struct Figure {
    double mbPerSecond = 0;
    std::size_t matches = 0;
};
std::map<std::string, Figure> figures;

void Record(const std::string& key, std::size_t bytes, double seconds, std::size_t matches) {
    figures[key] = {static_cast<double>(bytes) / seconds / 1e6, matches};
}

void KestrelpadFindAll(benchmark::State& state, const Pattern& pattern) {
    const Corpus& corpus = TheCorpus();
    kes::TAWKStrEx matcher(nullptr);
    matcher.SetUseFuzzyCharDic(pattern.fuzzy);
    matcher.SetRegExp(kes::Utf8ToCp932(pattern.utf8));
    std::vector<kes::TSearchInfo> list;
    std::size_t matches = 0;
    for (auto _ : state) {
        const double start = ThreadSeconds();
        matches = 0;
        for (std::size_t i = 0; i < corpus.lines.size(); ++i) {
            list.clear();
            matches +=
                static_cast<std::size_t>(matcher.FindAll(corpus.lines[i], corpus.buffers[i], list));
        }
        Record(std::string(pattern.name) + "/kestrelpad", corpus.bytes, ThreadSeconds() - start,
               matches);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * corpus.bytes));
    state.counters["matches"] = static_cast<double>(matches);
}

#ifdef KES_HAVE_ONIG
void OnigurumaSearch(benchmark::State& state, const Pattern& pattern) {
    const Corpus& corpus = TheCorpus();
    // The fuzzy pattern is given to Oniguruma as the dictionary pass writes it out.
    kes::TAWKStrEx rewriter(nullptr);
    rewriter.SetUseFuzzyCharDic(pattern.fuzzy);
    rewriter.SetRegExp(kes::Utf8ToCp932(pattern.utf8));
    const std::string text = rewriter.CachedPattern(rewriter.CurrentIndex());
    OnigEncoding encodings[] = {ONIG_ENCODING_SJIS};
    onig_initialize(encodings, 1);
    regex_t* regex = nullptr;
    OnigErrorInfo error;
    const auto* p = reinterpret_cast<const OnigUChar*>(text.data());
    if (onig_new(&regex, p, p + text.size(), ONIG_OPTION_NONE, ONIG_ENCODING_SJIS,
                 ONIG_SYNTAX_DEFAULT, &error) != ONIG_NORMAL) {
        state.SkipWithError("Oniguruma refused the pattern");
        return;
    }
    OnigRegion* region = onig_region_new();
    std::size_t matches = 0;
    for (auto _ : state) {
        const double start = ThreadSeconds();
        matches = 0;
        for (const std::string& line : corpus.lines) {
            const auto* begin = reinterpret_cast<const OnigUChar*>(line.data());
            const auto* end = begin + line.size();
            const OnigUChar* from = begin;
            while (from <= end) {
                const int at = onig_search(regex, begin, end, from, end, region, ONIG_OPTION_NONE);
                if (at < 0)
                    break;
                const OnigUChar* matchEnd = begin + region->end[0];
                if (region->end[0] > at) {
                    ++matches;
                    from = matchEnd;
                } else {
                    if (begin + at >= end)
                        break;
                    from = begin + at + ONIGENC_MBC_ENC_LEN(ONIG_ENCODING_SJIS, begin + at);
                }
            }
        }
        Record(std::string(pattern.name) + "/oniguruma", corpus.bytes, ThreadSeconds() - start,
               matches);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * corpus.bytes));
    state.counters["matches"] = static_cast<double>(matches);
    onig_region_free(region, 1);
    onig_free(regex);
    onig_end();
}
#endif

} // namespace

int main(int argc, char** argv) {
    if (TheCorpus().lines.empty()) {
        std::fprintf(stderr, "RegexpBench: set KES_CORPUS to the corpus file\n");
        return 1;
    }
    for (const Pattern& pattern : kPatterns) {
        benchmark::RegisterBenchmark(
            (std::string("FindAll/") + pattern.name + "/kestrelpad").c_str(), KestrelpadFindAll,
            pattern)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(3);
#ifdef KES_HAVE_ONIG
        benchmark::RegisterBenchmark(
            (std::string("FindAll/") + pattern.name + "/oniguruma").c_str(), OnigurumaSearch,
            pattern)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(3);
#endif
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    std::printf("\nCPU-time throughput over the corpus (MB = 10^6 bytes)\n");
    std::printf("%-12s %14s %12s %14s %12s %7s\n", "pattern", "kestrelpad MB/s", "matches",
                "oniguruma MB/s", "matches", "ratio");
    for (const Pattern& pattern : kPatterns) {
        const Figure k = figures[std::string(pattern.name) + "/kestrelpad"];
        const Figure o = figures[std::string(pattern.name) + "/oniguruma"];
        std::printf("%-12s %14.1f %12zu %14.1f %12zu %7.2f\n", pattern.name, k.mbPerSecond,
                    k.matches, o.mbPerSecond, o.matches,
                    o.mbPerSecond > 0 ? k.mbPerSecond / o.mbPerSecond : 0.0);
    }
    return 0;
}
