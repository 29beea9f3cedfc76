// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/run_history.h"

#include "core/run_settings.h"

namespace zormade {

void RunHistory::Begin() {
    months_.clear();
    months_.reserve(rules::kMonthsOfARun);
    outcome_ = RunOutcome::Going;
}

void RunHistory::Record(const GameState& state, const MonthResult& result, int answer) {
    MonthRecord record;
    record.year = state.year;
    record.month = state.month;
    record.values = state.values;
    record.event = result.eventShown;
    record.answer = result.eventShown < 0 ? -1 : answer;
    record.crossed = result.crossed;
    months_.push_back(record);
}

std::uint32_t RunHistory::Score() const {
    if (months_.empty()) return 0;
    return ClearScore(months_.back().values.patients, months_.back().values.money);
}

}  // namespace zormade
