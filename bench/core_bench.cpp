// SPDX-License-Identifier: GPL-3.0-or-later
// The core's monthly update, per turn and over a whole run, each beside a baseline that does
// only the surrounding work: the draws and the slider read, or the date advance.
#include <benchmark/benchmark.h>

#include <array>

#include "baseline.h"
#include "core/random15.h"
#include "core/run.h"
#include "core/run_settings.h"

namespace zormade::bench {
namespace {

constexpr int kMonthsBeforeClear = 71;  // 1991/01 to 1996/11; the 72nd tick ends the run

// A careful player: small slider moves every month and always the first answer, so every run
// lasts until December 1996.
class Player {
public:
    int Draw() { return ThreeWayOf(random_.Next()); }

    Sliders Read() {
        const int step = turn_++ % static_cast<int>(kPositions.size());
        Sliders sliders = kPositions[step];
        benchmark::DoNotOptimize(sliders);
        return sliders;
    }

private:
    static constexpr std::array<Sliders, 4> kPositions{{
        {1, 1, 2, 1},
        {2, 1, 2, 2},
        {1, 2, 1, 1},
        {2, 0, 1, 2},
    }};
    Random15 random_{12345};
    int turn_ = 0;
};

constexpr GameOptions kMiddleLevel{Level::Hard, Speed::Normal, 0};

int FirstAnswer(int) { return 0; }

void BM_MonthlyTurn(benchmark::State& state) {
    Player player;
    zormade::Run run([&] { return player.Draw(); });
    run.Start(kMiddleLevel);
    const double turn = TimedLoop(state, [&] {
        if (DueRunEnd(run.State()) != RunOutcome::Going) run.Start(kMiddleLevel);
        benchmark::DoNotOptimize(run.Tick(player.Read(), FirstAnswer));
    });
    Player baselinePlayer;
    const double drawsAndSliders = NanosecondsPerCall(state.iterations(), [&] {
        benchmark::DoNotOptimize(baselinePlayer.Read());
        benchmark::DoNotOptimize(baselinePlayer.Draw());
        benchmark::DoNotOptimize(baselinePlayer.Draw());
    });
    ReportAgainstBaseline(state, turn, drawsAndSliders);
}
BENCHMARK(BM_MonthlyTurn);

void BM_WholeRun(benchmark::State& state) {
    Player player;
    zormade::Run run([&] { return player.Draw(); });
    long monthsPlayed = 0;
    const double wholeRun = TimedLoop(state, [&] {
        run.Start(kMiddleLevel);
        for (int month = 0;
             month < kMonthsBeforeClear && DueRunEnd(run.State()) == RunOutcome::Going; ++month) {
            benchmark::DoNotOptimize(run.Tick(player.Read(), FirstAnswer));
            ++monthsPlayed;
        }
        benchmark::DoNotOptimize(ClearScore(run.State().values.patients, run.State().values.money));
    });
    const double datesOnly = NanosecondsPerCall(state.iterations(), [&] {
        run.Start(kMiddleLevel);
        for (int month = 0; month < kMonthsBeforeClear; ++month) {
            AdvanceDate(run.State());
            benchmark::DoNotOptimize(run.State());
        }
    });
    ReportAgainstBaseline(state, wholeRun, datesOnly);
    // A capture would make the runs shorter than the baseline's; this shows they were not.
    state.counters["months"] =
        benchmark::Counter(static_cast<double>(monthsPlayed), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_WholeRun);

}  // namespace
}  // namespace zormade::bench

BENCHMARK_MAIN();
