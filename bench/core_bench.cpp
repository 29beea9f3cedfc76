// SPDX-License-Identifier: GPL-3.0-or-later
// The core's monthly update, per turn and over a whole run, each beside a baseline that does
// only the surrounding work: the draws and the slider read, or the date advance.
#include <benchmark/benchmark.h>

#include <array>

#include "baseline.h"
#include "core/event_data.h"
#include "core/game_state.h"
#include "core/monthly_turn.h"
#include "core/random15.h"
#include "core/run_history.h"
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

    StatusChange Answer(int eventIndex) {
        return ChangeOfChoice(LoadEventData(eventIndex), 0);
    }

private:
    static constexpr std::array<Sliders, 4> kPositions{{
        {1, 1, 2, 1}, {2, 1, 2, 2}, {1, 2, 1, 1}, {2, 0, 1, 2},
    }};
    Random15 random_{12345};
    int turn_ = 0;
};

// The game as the view plays it: every month is kept in the run's history.
struct Game {
    GameState state;
    RunHistory history;
};

void StartRun(Game& game) {
    ResetState(game.state);
    game.state.levelFactor = LevelFactorFor(1);
    MarkRunning(game.state);
    game.history.Begin();
}

MonthResult PlayTurn(Game& game, Player& player) {
    MonthResult result = RunMonthlyUpdate(
        game.state, player.Read(), [&] { return player.Draw(); },
        [&](int index) { return player.Answer(index); });
    game.history.Record(game.state, result, 0);
    return result;
}

void BM_MonthlyTurn(benchmark::State& state) {
    Game game;
    Player player;
    StartRun(game);
    const double turn = TimedLoop(state, [&] {
        if (DueRunEnd(game.state) != RunEnd::None) StartRun(game);
        benchmark::DoNotOptimize(PlayTurn(game, player));
        AdvanceDate(game.state);
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
    Game game;
    Player player;
    long monthsPlayed = 0;
    const double run = TimedLoop(state, [&] {
        StartRun(game);
        for (int month = 0; month < kMonthsBeforeClear && DueRunEnd(game.state) == RunEnd::None;
             ++month) {
            benchmark::DoNotOptimize(PlayTurn(game, player));
            AdvanceDate(game.state);
            ++monthsPlayed;
        }
        benchmark::DoNotOptimize(ClearScore(game.state.patients, game.state.money));
    });
    const double datesOnly = NanosecondsPerCall(state.iterations(), [&] {
        StartRun(game);
        for (int month = 0; month < kMonthsBeforeClear; ++month) {
            AdvanceDate(game.state);
            benchmark::DoNotOptimize(game.state);
        }
    });
    ReportAgainstBaseline(state, run, datesOnly);
    // A capture would make the runs shorter than the baseline's; this shows they were not.
    state.counters["months"] = benchmark::Counter(static_cast<double>(monthsPlayed),
                                                  benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_WholeRun);

}  // namespace
}  // namespace zormade::bench

BENCHMARK_MAIN();
