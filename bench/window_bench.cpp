// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up, memory and idle cost of the game's program, each beside a bare Qt window with the
// same menu bar, measured in fresh child processes.
#include <benchmark/benchmark.h>

#include "baseline.h"
#include "child_run.h"

namespace zormade::bench {
namespace {

constexpr int kStarts = 10;
const QByteArray kNoOpening = "[Option]\nOpening=1\n";

ChildReport Checked(benchmark::State& state, const QString& mode, const QByteArray& profile = {}) {
    const ChildReport report = RunChild(mode, profile);
    if (!report.ok)
        state.SkipWithError(qPrintable(QStringLiteral("the %1 child failed").arg(mode)));
    return report;
}

// With the argument 1 the player has turned the opening picture off.
void BM_StartUp(benchmark::State& state) {
    const QByteArray profile = state.range(0) == 1 ? kNoOpening : QByteArray();
    double game = 0;
    double bare = 0;
    double gameCpu = 0;
    double bareCpu = 0;
    for (auto _ : state) {
        const ChildReport baseline = Checked(state, QStringLiteral("bare"));
        const ChildReport started = Checked(state, QStringLiteral("game"), profile);
        state.SetIterationTime(started.readyMs / 1000.0);
        game += started.readyMs;
        bare += baseline.readyMs;
        gameCpu += static_cast<double>(started.readyCpuUs) / 1000.0;
        bareCpu += static_cast<double>(baseline.readyCpuUs) / 1000.0;
    }
    const double runs = static_cast<double>(state.iterations());
    ReportAgainstBaseline(state, game / runs, bare / runs, "baseline_ms");
    state.counters["cpu_ms"] = gameCpu / runs;
    state.counters["baseline_cpu_ms"] = bareCpu / runs;
    state.counters["x_baseline_cpu"] = bareCpu > 0 ? gameCpu / bareCpu : 0.0;
}
BENCHMARK(BM_StartUp)
    ->ArgName("opening_off")
    ->Arg(0)
    ->Arg(1)
    ->Iterations(kStarts)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

void BM_ResidentMemory(benchmark::State& state) {
    double game = 0;
    double bare = 0;
    for (auto _ : state) {
        const ChildReport baseline = Checked(state, QStringLiteral("bare"));
        const ChildReport started = Checked(state, QStringLiteral("game"));
        state.SetIterationTime(started.readyMs / 1000.0);
        game += static_cast<double>(started.residentKb);
        bare += static_cast<double>(baseline.residentKb);
    }
    const double runs = static_cast<double>(state.iterations());
    state.counters["rss_kb"] = game / runs;
    ReportAgainstBaseline(state, game / runs, bare / runs, "baseline_kb");
}
BENCHMARK(BM_ResidentMemory)->Iterations(3)->UseManualTime()->Unit(benchmark::kMillisecond);

// Processor time and main-loop wake-ups over a wait, against the bare window over its own wait.
void ReportWait(benchmark::State& state, const ChildReport& waiting, const ChildReport& bare) {
    state.SetIterationTime(static_cast<double>(waiting.waitedMs) / 1000.0);
    state.counters["cpu_ms"] = static_cast<double>(waiting.waitCpuUs) / 1000.0;
    state.counters["wakeups"] = static_cast<double>(waiting.waitWakeups);
    state.counters["baseline_cpu_ms"] = static_cast<double>(bare.waitCpuUs) / 1000.0;
    state.counters["baseline_wakeups"] = static_cast<double>(bare.waitWakeups);
}

void BM_RunWaitingBetweenTicks(benchmark::State& state) {
    for (auto _ : state) {
        const ChildReport bare = Checked(state, QStringLiteral("bare-wait"));
        // The opening picture would wake the program while the run waits.
        const ChildReport waiting = Checked(state, QStringLiteral("game-run"), kNoOpening);
        ReportWait(state, waiting, bare);
    }
}
BENCHMARK(BM_RunWaitingBetweenTicks)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_OpeningPictureWaiting(benchmark::State& state) {
    for (auto _ : state) {
        const ChildReport bare = Checked(state, QStringLiteral("bare-wait"));
        const ChildReport waiting = Checked(state, QStringLiteral("game-opening"));
        ReportWait(state, waiting, bare);
    }
}
BENCHMARK(BM_OpeningPictureWaiting)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zormade::bench
