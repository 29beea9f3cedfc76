// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/monthly_turn.h"

#include <cmath>
#include <cstdlib>
#include <limits>
#include <optional>

#include "core/event_schedule.h"

namespace zormade {
namespace {

using namespace rules;

// The year's index y of the monthly formulas: 1 in the first year.
int YearIndex(int year) { return year - kFirstYear + 1; }

double Relief(double k) { return kReliefBase - k; }

// Truncation toward zero, saturating instead of overflowing on absurd inputs.
int Trunc(double x) {
    if (!(x == x)) return 0;
    if (x >= static_cast<double>(std::numeric_limits<int>::max())) {
        return std::numeric_limits<int>::max();
    }
    if (x <= static_cast<double>(std::numeric_limits<int>::min())) {
        return std::numeric_limits<int>::min();
    }
    return static_cast<int>(x);
}

int PatientGrowth(int y, int dose, const std::array<int, kDoseHistoryLength>& history) {
    const bool fourSame = history[0] != 0 && history[0] == history[1] && history[1] == history[2] &&
                          history[2] == history[3];
    if (!fourSame) return Trunc(y * kPatientsPerDose * dose);
    if (history[4] == history[0]) return 0;
    return Trunc(kPatientsPerDose * dose) - (history[4] + history[0]) / 2;
}

void Clamp(StatusValues& v, LimitsCrossed& crossed) {
    if (v.stamina < 0) {
        v.stamina = 0;
        crossed.stamina = true;
    } else if (v.stamina > kScaleMax) {
        v.stamina = kScaleMax;
    }
    if (v.trust < 0) v.trust = 0;
    if (v.trust > kScaleMax) v.trust = kScaleMax;
    if (v.rivalPower < 0) {
        v.rivalPower = 0;
    } else if (v.rivalPower > kScaleMax) {
        v.rivalPower = kScaleMax;
        crossed.rivalPower = true;
    }
    if (v.suspicion < 0) {
        v.suspicion = 0;
    } else if (v.suspicion > kScaleMax) {
        v.suspicion = kScaleMax;
        crossed.suspicion = true;
    }
    if (v.money < 0) v.money = 0;
}

// Each change line reads as a rise or a fall; an unmoved line reads as the one above it did.
class DirectionCarry {
public:
    LogLine Line(int before, int after) {
        const long long diff = static_cast<long long>(after) - before;
        if (diff != 0) rise_ = diff > 0;
        return {LogNote::Change, std::llabs(diff), rise_};
    }

private:
    bool rise_ = true;
};

MonthLog LogLines(const StatusValues& before, const StatusValues& after, int demand) {
    DirectionCarry carry;
    MonthLog lines;
    lines[0] = carry.Line(before.stamina, after.stamina);
    if (after.money <= 0) {
        lines[1].note = LogNote::MoneyGone;
    } else if (before.trust < kTrustPerDemand * demand) {
        lines[1].note = LogNote::DemandTooLarge;
    } else {
        lines[1] = carry.Line(before.money, after.money);
    }
    if (after.patients == before.patients) {
        lines[2].note = LogNote::NoNewPatients;
    } else {
        lines[2] = carry.Line(before.patients, after.patients);
    }
    lines[3] = carry.Line(before.trust, after.trust);
    lines[4] = carry.Line(before.rivalPower, after.rivalPower);
    lines[5] = carry.Line(before.suspicion, after.suspicion);
    return lines;
}

}  // namespace

RunOutcome DueRunEnd(const GameState& state) {
    if (state.caught) return RunOutcome::Capture;
    if (state.month == kMonthsPerYear && state.year == kLastYear) return RunOutcome::Clear;
    return RunOutcome::Going;
}

void ApplyAnswer(StatusValues& values, const StatusChange& answer, double k) {
    values.stamina += answer.stamina < 0 ? Trunc(answer.stamina * k) : answer.stamina;
    values.money += answer.money;
    values.patients += answer.patients;
    values.trust += answer.trust;
    values.rivalPower += answer.rivalPower > 0 ? Trunc(answer.rivalPower * k) : answer.rivalPower;
    values.suspicion += answer.suspicion > 0 ? Trunc(answer.suspicion * k) : answer.suspicion;
}

MonthResult RunMonthlyUpdate(GameState& state, const Sliders& in, const DrawFn& draw,
                             const EventFn& showEvent) {
    const StatusValues before = state.values;
    StatusValues v = before;
    const int y = YearIndex(state.year);
    const double k = state.levelFactor;

    for (int i = kDoseHistoryLength - 1; i > 0; --i)
        state.doseHistory[i] = state.doseHistory[i - 1];
    state.doseHistory[0] = in.dose;

    const int staminaCost =
        y * in.dose + kCounterWeightInBracket * in.counter + in.demand + in.donation;
    v.stamina = Trunc(v.stamina - staminaCost * k * kStaminaPerCommand);

    if (before.trust > kTrustPerDemand * in.demand && in.demand != 0) {
        v.money = Trunc(v.money + Relief(k) * (y * in.demand * kYenPerDemand) * kPayoutFactor);
    }
    v.money -= kYenPerDonation * y * in.donation + kYenPerCounter * in.counter;

    v.patients += PatientGrowth(y, in.dose, state.doseHistory);

    v.trust += kTrustPerDose * y * in.dose;
    v.trust -= y * (in.counter + in.donation);

    v.rivalPower += y * (v.patients / kPatientsPerRivalStep);
    v.rivalPower -= Trunc(Relief(k) * (kRivalPerCounter * y * in.counter));

    v.suspicion += kSuspicionPerDose * y * in.dose;
    if (before.money > 0) {
        v.suspicion = Trunc(v.suspicion - Relief(k) * (kSuspicionPerDonation * y * in.donation));
    }

    MonthResult result;
    const std::optional<int> scheduled = ScheduledEvent(state.year, state.month, draw());
    const int secondDraw = draw();
    if (scheduled && secondDraw == kEventDraw) {
        result.eventShown = *scheduled;
        ApplyAnswer(v, showEvent(*scheduled), k);
    }

    Clamp(v, result.crossed);
    if (result.crossed.stamina || result.crossed.rivalPower || result.crossed.suspicion) {
        state.caught = true;
    }
    result.log = LogLines(before, v, in.demand);
    state.values = v;
    return result;
}

void AdvanceDate(GameState& state) {
    state.month += 1;
    if (state.month > kMonthsPerYear) {
        state.month = 1;
        state.year += 1;
    }
}

}  // namespace zormade
