#pragma once

// What the benchmark programs share: the common corpus named by KES_CORPUS, scenarios run in
// a child process of their own (so that each has its own peak memory and starts from a fresh
// heap), and figures reported as Google Benchmark counters.
#include <benchmark/benchmark.h>

#include <chrono>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace kes::bench {

using Clock = std::chrono::steady_clock;
// Named figures of one scenario.
using Results = std::map<std::string, double>;

// The corpus file; ends the program with a message when KES_CORPUS is not set.
const char* CorpusPath();
std::string ReadCorpus();
double FileMiB();

// A field of /proc/self/status in KiB ("VmRSS:", "VmHWM:").
long StatusKiB(const char* field);
// Resets the peak resident size to the current one.
void ResetPeak();
double Since(Clock::time_point start);

// Runs fn in a child process and returns what it measured; "peak_MiB" is the growth of the
// child's resident size over what it started with, unless fn set it. A child that dies
// returns what it had not yet sent: nothing, plus "failed".
Results InChild(const std::function<void(Results&)>& fn);

// Reports the scenario's figures as counters; the benchmark's own time is `timeKey`, read in
// seconds after dividing by `scale`.
void Report(benchmark::State& state, const Results& results, const std::string& timeKey,
            double scale = 1);

// The median and the 90th percentile of samples (sorted in place); 0 for none.
double Percentile(std::vector<double>& samples, double fraction);

// Registers a scenario that runs once in a child process, timed by its figure timeKey (ms);
// keep, when set, receives the child's figures for a table at the end.
void RegisterInChild(const std::string& name, const std::string& timeKey,
                     std::function<void(Results&)> scenario,
                     std::function<void(const Results&)> keep = {});

// Samples of one scenario in milliseconds, stored as NAME_p50_ms and NAME_p90_ms; for a key
// and its repaint also the key event's own part, as NAME_key_p50_ms.
class Samples {
public:
    explicit Samples(std::string name) : name_(std::move(name)) {}
    template <class Step> void Time(Step step) {
        auto start = Clock::now();
        step();
        ms_.push_back(Since(start) * 1000);
    }
    template <class Key, class Paint> void TimeKey(Key key, Paint paint) {
        auto start = Clock::now();
        key();
        keyMs_.push_back(Since(start) * 1000);
        paint();
        ms_.push_back(Since(start) * 1000);
    }
    void Store(Results& r);

private:
    std::string name_;
    std::vector<double> ms_;
    std::vector<double> keyMs_;
};

} // namespace kes::bench
