// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>

#include "core/game_options.h"
#include "core/game_state.h"
#include "core/monthly_turn.h"
#include "core/rules.h"
#include "core/run_history.h"

namespace zormade {

// Puts event `index` to the player and gives the answer taken, 0 to 3; any other answer
// changes nothing.
using AnswerFn = std::function<int(int index)>;

// The menu commands the run allows now.
struct AvailableCommands {
    bool start = true;
    bool pause = false;
    bool stop = false;
    bool ranking = true;
    bool options = true;
};

// What one tick did.
struct TickResult {
    bool held = false;                     // the run was paused: nothing happened
    RunOutcome ended = RunOutcome::Going;  // Capture or Clear when this tick ended the run
    std::uint32_t score = 0;               // a clear's points
    MonthResult month;                     // the month played when the run goes on
};

// One run from its start to a capture, a clear or a stop: its state, its months, the timer
// period and the level factor of its options. The draws come from outside: the game gives the
// clock-seeded generator, the replay its script and the tests their own.
class Run {
public:
    explicit Run(DrawFn draws) : draws_(std::move(draws)) {}
    void SetDraws(DrawFn draws) { draws_ = std::move(draws); }

    // A new run in the start state at the options' speed and level; the last run's months go.
    void Start(const GameOptions& options);
    // One timer tick. A paused run ignores it. A capture pending or the clear month ends the run
    // and puts the state back to the start; any other tick plays the month, with `answer` asked
    // when an event comes, and moves the date on.
    TickResult Tick(const Sliders& sliders, const AnswerFn& answer);
    void SetPaused(bool paused) { paused_ = paused; }
    // Abandons the run: no score, the state back to the start, its months kept to look back at.
    void Stop();

    bool Running() const { return running_; }
    bool Paused() const { return paused_; }
    AvailableCommands Available() const;
    int TimerPeriod() const { return timerPeriod_; }
    GameState& State() { return state_; }
    const GameState& State() const { return state_; }
    const RunHistory& History() const { return history_; }

private:
    void End(RunOutcome outcome);

    DrawFn draws_;
    GameState state_;
    RunHistory history_;
    int timerPeriod_ = rules::kTurnPeriodNormal;
    bool running_ = false;
    bool paused_ = false;
};

}  // namespace zormade
