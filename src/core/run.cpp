// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/run.h"

#include "core/event_catalogue.h"
#include "core/run_settings.h"

namespace zormade {

void Run::Start(const GameOptions& options) {
    ResetState(state_);
    history_.Begin();
    timerPeriod_ = TimerPeriodFor(options.speed);
    state_.levelFactor = LevelFactorFor(options.level);
    paused_ = false;
    running_ = true;
}

TickResult Run::Tick(const Sliders& sliders, const AnswerFn& answer) {
    TickResult tick;
    if (paused_) {
        tick.held = true;
        return tick;
    }
    tick.ended = DueRunEnd(state_);
    if (tick.ended != RunOutcome::Going) {
        if (tick.ended == RunOutcome::Clear) {
            tick.score = ClearScore(state_.values.patients, state_.values.money);
        }
        End(tick.ended);
        return tick;
    }
    int answerTaken = -1;
    tick.month = RunMonthlyUpdate(state_, sliders, draws_, [&](int index) {
        answerTaken = answer(index);
        return AnswerChange(index, answerTaken);
    });
    history_.Record(state_, tick.month, answerTaken);
    AdvanceDate(state_);
    return tick;
}

void Run::Stop() { End(RunOutcome::Stopped); }

void Run::End(RunOutcome outcome) {
    history_.End(outcome);
    ResetState(state_);
    running_ = false;
    paused_ = false;
}

AvailableCommands Run::Available() const {
    if (!running_) return {};
    return {false, true, true, false, false};
}

}  // namespace zormade
