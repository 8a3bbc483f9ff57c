#include "bench/BenchSupport.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sys/wait.h>
#include <unistd.h>

namespace kes::bench {

const char* CorpusPath() {
    const char* path = std::getenv("KES_CORPUS");
    if (!path) {
        std::fprintf(stderr, "KES_CORPUS is not set (bench/run.sh sets it)\n");
        std::exit(2);
    }
    return path;
}

std::string ReadCorpus() {
    std::ifstream in(CorpusPath(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

double FileMiB() {
    std::ifstream in(CorpusPath(), std::ios::binary | std::ios::ate);
    return static_cast<double>(in.tellg()) / (1024 * 1024);
}

long StatusKiB(const char* field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(field, 0) == 0)
            return std::atol(line.c_str() + std::string(field).size());
    return 0;
}

void ResetPeak() {
    std::ofstream("/proc/self/clear_refs") << "5";
}

double Since(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

Results InChild(const std::function<void(Results&)>& fn) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0)
        return {{"failed", 1}};
    std::fflush(nullptr);
    pid_t pid = fork();
    if (pid < 0) {
        close(pipeFds[0]);
        close(pipeFds[1]);
        return {{"failed", 1}};
    }
    if (pid == 0) {
        close(pipeFds[0]);
        ResetPeak();
        long start = StatusKiB("VmRSS:");
        Results results;
        fn(results);
        if (!results.count("peak_MiB"))
            results["peak_MiB"] = static_cast<double>(StatusKiB("VmHWM:") - start) / 1024;
        std::string out;
        for (const auto& [name, value] : results)
            out += name + " " + std::to_string(value) + "\n";
        if (write(pipeFds[1], out.data(), out.size()) < 0)
            _exit(1);
        std::fflush(nullptr);
        _exit(0);
    }
    close(pipeFds[1]);
    std::string text;
    char buffer[4096];
    ssize_t n;
    while ((n = read(pipeFds[0], buffer, sizeof buffer)) > 0)
        text.append(buffer, static_cast<size_t>(n));
    close(pipeFds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    Results results;
    size_t p = 0;
    while (p < text.size()) {
        size_t space = text.find(' ', p);
        size_t end = text.find('\n', p);
        if (space == std::string::npos || end == std::string::npos || space > end)
            break;
        results[text.substr(p, space - p)] =
            std::atof(text.substr(space + 1, end - space - 1).c_str());
        p = end + 1;
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        results["failed"] = 1;
    return results;
}

void Report(benchmark::State& state, const Results& results, const std::string& timeKey,
            double scale) {
    for (auto _ : state)
        state.SetIterationTime(results.count(timeKey) ? results.at(timeKey) / scale : 0);
    for (const auto& [name, value] : results)
        state.counters[name] = value;
    if (results.count("peak_MiB"))
        state.counters["peak_x_file"] = results.at("peak_MiB") / FileMiB();
    if (results.count("failed"))
        state.SkipWithError("the scenario's child process failed");
}

double Percentile(std::vector<double>& samples, double fraction) {
    if (samples.empty())
        return 0;
    std::sort(samples.begin(), samples.end());
    size_t index = static_cast<size_t>(fraction * static_cast<double>(samples.size() - 1) + 0.5);
    return samples[std::min(index, samples.size() - 1)];
}

void RegisterInChild(const std::string& name, const std::string& timeKey,
                     std::function<void(Results&)> scenario,
                     std::function<void(const Results&)> keep) {
    benchmark::RegisterBenchmark(name.c_str(),
                                 [=](benchmark::State& state) {
                                     Results r = InChild(scenario);
                                     if (keep)
                                         keep(r);
                                     Report(state, r, timeKey, 1000);
                                 })
        ->UseManualTime()
        ->Iterations(1)
        ->Unit(benchmark::kMillisecond);
}

void Samples::Store(Results& r) {
    if (ms_.empty())
        return;
    r[name_ + "_p50_ms"] = Percentile(ms_, 0.5);
    r[name_ + "_p90_ms"] = Percentile(ms_, 0.9);
    if (!keyMs_.empty())
        r[name_ + "_key_p50_ms"] = Percentile(keyMs_, 0.5);
}

} // namespace kes::bench
