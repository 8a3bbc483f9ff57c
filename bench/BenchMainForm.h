#pragma once

#include "app/TKestrelpadMainForm.h"

#include <QTemporaryDir>

// The main window as the benchmarks build it: its settings and drafts in a folder of its own
// that the run removes, so a benchmark never reads or changes the user's files.
inline kes::TMainFormOptions BenchFormOptions() {
    static QTemporaryDir folder;
    kes::TMainFormOptions options;
    options.Paths = kes::TAppPaths::InFolder(folder.path());
    return options;
}
