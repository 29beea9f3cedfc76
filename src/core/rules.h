// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/status_change.h"

// Every number of the game's rules, so that tuning one never means hunting for copies.
namespace zormade::rules {

// The four bars' full scale. Stamina and the company's trust are held within it; the rival and the
// ministry going past it, or stamina below zero, ends the run.
constexpr int kScaleMax = 5000;

// The calendar of a run: January of the first year to December of the last.
constexpr int kFirstYear = 1991;
constexpr int kLastYear = 1996;
constexpr int kMonthsPerYear = 12;
// A run's months when it is played to the clear, for sizing its history.
constexpr int kMonthsOfARun = (kLastYear - kFirstYear + 1) * kMonthsPerYear - 1;

// The six values at the start of every run.
constexpr StatusValues kStartValues{5000, 1500000, 0, 1800, 200, 400};

// The monthly update. y is the year's index (1 in the first year) and k the level factor.
// Stamina lost per unit of the command bracket (y × dose + 3 × counter + demand + donation),
// scaled by k.
constexpr double kStaminaPerCommand = 1.5;
constexpr int kCounterWeightInBracket = 3;
// The company pays only while its trust is above this much per unit demanded; the log says the
// demand is too large when the trust is below it.
constexpr int kTrustPerDemand = 200;
// The company pays y × demand × kYenPerDemand, times kPayoutFactor and the relief.
constexpr int kYenPerDemand = 10000;
constexpr double kPayoutFactor = 1.8;
// A unit of donation costs y × kYenPerDonation; a unit of counter kYenPerCounter, every year.
constexpr int kYenPerDonation = 12000;
constexpr int kYenPerCounter = 1000;
// New patients per unit of dose: y × this, or once the dose repeats, this alone.
constexpr double kPatientsPerDose = 0.8;
// How many turns of dose the repeat rule looks at: four alike, then the fifth decides.
constexpr int kDoseHistoryLength = 5;
// The company's trust rises by kTrustPerDose × y per dose; falls by y per counter and donation.
constexpr int kTrustPerDose = 2;
// The rival gains y for every this many patients, and loses kRivalPerCounter × y per counter,
// times the relief.
constexpr int kPatientsPerRivalStep = 9;
constexpr int kRivalPerCounter = 6;
// The ministry grows suspicious by kSuspicionPerDose × y per dose, and calms by
// kSuspicionPerDonation × y per donation (times the relief) while there is money to give.
constexpr int kSuspicionPerDose = 5;
constexpr int kSuspicionPerDonation = 2;
// What the easier levels soften: the relief is kReliefBase − k, 0.5 at the hardest level and
// 1.5 at the easiest.
constexpr double kReliefBase = 2.0;

// A month that may carry an event shows it when its second draw (0 to 2) comes out as this.
constexpr int kEventDraw = 2;

// The options: the level factor k and the milliseconds between turns.
constexpr double kLevelFactorHardest = 1.5;
constexpr double kLevelFactorHard = 1.0;
constexpr double kLevelFactorNormal = 0.5;
constexpr int kTurnPeriodFastest = 3000;
constexpr int kTurnPeriodFast = 5000;
constexpr int kTurnPeriodNormal = 7000;

// A clear's points: this much per patient, and one per kYenPerPoint of money.
constexpr double kPointsPerPatient = 0.88;
constexpr int kYenPerPoint = 7578;

}  // namespace zormade::rules
