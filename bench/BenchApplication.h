#pragma once

// The application object of a benchmark that shows widgets (one per child process).
#include "bench/BenchSupport.h"

#include <QApplication>

#include <cstdlib>
#include <memory>

namespace kes::bench {

inline std::unique_ptr<QApplication> MakeApplication() {
    static int argc = 1;
    static char name[] = "kestrelpad-bench";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QApplication>(argc, argv);
}

// The start of a widget benchmark's main: the offscreen platform unless another is asked for,
// the corpus named, the benchmark's own arguments taken; false when an argument is unknown.
inline bool StartWidgetBenchmarks(int& argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    CorpusPath();
    benchmark::Initialize(&argc, argv);
    return !benchmark::ReportUnrecognizedArguments(argc, argv);
}

} // namespace kes::bench
