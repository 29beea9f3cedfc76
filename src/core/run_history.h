// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

#include "core/game_state.h"
#include "core/monthly_turn.h"
#include "core/rules.h"
#include "core/status_change.h"

namespace zormade {

// One monthly update as the player saw it.
struct MonthRecord {
    int year = 0;
    int month = 0;
    StatusValues values;  // after the clamps
    int event = -1;       // index of the event shown, or -1
    int answer = -1;      // answer taken, 0 to 3, or -1
    LimitsCrossed crossed;
};

// Months since the first January: the time scale of the run's chart.
constexpr double MonthsSinceStart(int year, int month) {
    return (year - rules::kFirstYear) * rules::kMonthsPerYear + (month - 1);
}

// The months of the last run, kept in memory only, so the player can look back at it.
class RunHistory {
public:
    // A new run: the last one is forgotten.
    void Begin();
    // After a monthly update, before the date moves on.
    void Record(const GameState& state, const MonthResult& result, int answer);
    void End(RunOutcome outcome) { outcome_ = outcome; }

    const std::vector<MonthRecord>& Months() const { return months_; }
    RunOutcome Outcome() const { return outcome_; }
    // The clear's points, from the values the last month left.
    std::uint32_t Score() const;

private:
    std::vector<MonthRecord> months_;
    RunOutcome outcome_ = RunOutcome::Going;
};

}  // namespace zormade
