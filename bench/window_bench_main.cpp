// SPDX-License-Identifier: GPL-3.0-or-later
// The window benchmarks, or, started with --probe MODE, one of their child processes.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstring>

#include "platform/dialog_units.h"
#include "probe.h"

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--probe") == 0) {
        return zormade::bench::RunProbe(QString::fromLocal8Bit(argv[2]), argc, argv);
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    zormade::InstallDialogFonts();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
