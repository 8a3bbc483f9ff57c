#pragma once

// The application object of a benchmark that shows widgets (one per child process).
#include <QApplication>

#include <memory>

namespace kes::bench {

inline std::unique_ptr<QApplication> MakeApplication() {
    static int argc = 1;
    static char name[] = "kestrelpad-bench";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QApplication>(argc, argv);
}

} // namespace kes::bench
