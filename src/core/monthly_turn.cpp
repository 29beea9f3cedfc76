// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/monthly_turn.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <optional>

#include "core/event_schedule.h"

namespace zormade {
namespace {

constexpr int kScaleMax = 5000;

// The monthly update's coefficients. y is the year's index (1 in 1991) and k the level factor.
// Stamina lost per unit of the command bracket (y × dose + 3 × counter + demand + donation),
// scaled by k.
constexpr double kStaminaPerCommand = 1.5;
// The company pays only while its trust is above this much per unit demanded; the log says the
// demand is too large when the trust is below it.
constexpr int kTrustPerDemand = 200;
// The company pays y × demand × kYenPerDemand, times kPayoutFactor and the relief 2 − k.
constexpr int kYenPerDemand = 10000;
constexpr double kPayoutFactor = 1.8;
// A unit of donation costs y × kYenPerDonation; a unit of counter kYenPerCounter, every year.
constexpr int kYenPerDonation = 12000;
constexpr int kYenPerCounter = 1000;
// The rival gains y for every this many patients.
constexpr int kPatientsPerRivalStep = 9;

// What the easier levels soften: the company's payment and the calming by donation and counter
// grow as k falls (0.5 at the hardest level, 1.5 at the easiest).
double Relief(double k) { return 2.0 - k; }

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

StatusValues StoredValues(const GameState& s) {
    return {s.stamina, s.money, s.patients, s.trust, s.rivalPower, s.suspicion};
}

void StoreValues(GameState& s, const StatusValues& v) {
    s.stamina = v.stamina;
    s.money = v.money;
    s.patients = v.patients;
    s.trust = v.trust;
    s.rivalPower = v.rivalPower;
    s.suspicion = v.suspicion;
}

int PatientGrowth(int y, int dose, const std::array<int, 5>& history) {
    const bool fourSame = history[0] != 0 && history[0] == history[1] && history[1] == history[2] &&
                          history[2] == history[3];
    if (!fourSame) return Trunc(y * 0.8 * dose);
    if (history[4] == history[0]) return 0;
    return Trunc(0.8 * dose) - (history[4] + history[0]) / 2;
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

// One log line's number and the suffix shared down the six lines.
class SuffixSelector {
public:
    std::string Line(const char* format, int before, int after, bool firstLine) {
        const long long diff = static_cast<long long>(after) - before;
        if (diff > 0 || (firstLine && diff == 0)) suffix_ = "増加";
        if (diff < 0) suffix_ = "減少";
        char buffer[128];
        std::snprintf(buffer, sizeof buffer, format, std::llabs(diff), suffix_);
        return buffer;
    }

private:
    const char* suffix_ = "増加";
};

std::array<std::string, 6> LogLines(const StatusValues& before, const StatusValues& after,
                                    int storedTrust, int demand) {
    SuffixSelector selector;
    std::array<std::string, 6> lines;
    lines[0] = selector.Line("体力   －－＞%lld%s", before.stamina, after.stamina, true);
    if (after.money <= 0) {
        lines[1] = "所持金－－＞そこをつきました。";
    } else if (storedTrust < kTrustPerDemand * demand) {
        lines[1] = "所持金－－＞要求額が大きすぎます。";
    } else {
        lines[1] = selector.Line("所持金－－＞%lld%s", before.money, after.money, false);
    }
    if (after.patients == before.patients) {
        lines[2] = "患者数－－＞増えていません。投与しましょう。";
    } else {
        lines[2] = selector.Line("患者数－－＞%lld人%s", before.patients, after.patients, false);
    }
    lines[3] = selector.Line("ナガレ信頼－＞%lld%s", before.trust, after.trust, false);
    lines[4] = selector.Line("鵺田君－－＞%lld%s", before.rivalPower, after.rivalPower, false);
    lines[5] = selector.Line("厚生省疑惑＞%lld%s", before.suspicion, after.suspicion, false);
    return lines;
}

}  // namespace

RunOutcome DueRunEnd(const GameState& state) {
    if (state.caught) return RunOutcome::Capture;
    if (state.month == 12 && state.year == 1996) return RunOutcome::Clear;
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
    const StatusValues before = StoredValues(state);
    StatusValues v = before;
    const int y = state.year - 1990;
    const double k = state.levelFactor;

    for (int i = 4; i > 0; --i) state.doseHistory[i] = state.doseHistory[i - 1];
    state.doseHistory[0] = in.dose;

    const int staminaCost = y * in.dose + 3 * in.counter + in.demand + in.donation;
    v.stamina = Trunc(v.stamina - staminaCost * k * kStaminaPerCommand);

    if (before.trust > kTrustPerDemand * in.demand && in.demand != 0) {
        v.money = Trunc(v.money + Relief(k) * (y * in.demand * kYenPerDemand) * kPayoutFactor);
    }
    v.money -= kYenPerDonation * y * in.donation + kYenPerCounter * in.counter;

    v.patients += PatientGrowth(y, in.dose, state.doseHistory);

    v.trust += 2 * y * in.dose;
    v.trust -= y * (in.counter + in.donation);

    v.rivalPower += y * (v.patients / kPatientsPerRivalStep);
    v.rivalPower -= Trunc(Relief(k) * (6 * y * in.counter));

    v.suspicion += 5 * y * in.dose;
    if (before.money > 0) v.suspicion = Trunc(v.suspicion - Relief(k) * (2 * y * in.donation));

    MonthResult result;
    const std::optional<int> scheduled = ScheduledEvent(state.year, state.month, draw());
    const int secondDraw = draw();
    if (scheduled && secondDraw == 2) {
        result.eventShown = *scheduled;
        ApplyAnswer(v, showEvent(*scheduled), k);
    }

    Clamp(v, result.crossed);
    if (result.crossed.stamina || result.crossed.rivalPower || result.crossed.suspicion) {
        state.caught = true;
    }
    result.log = LogLines(before, v, before.trust, in.demand);
    StoreValues(state, v);
    return result;
}

void AdvanceDate(GameState& state) {
    state.month += 1;
    if (state.month > 12) {
        state.month = 1;
        state.year += 1;
    }
}

}  // namespace zormade
