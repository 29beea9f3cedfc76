// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace zormade {

// The six status values, in the order the panel lists them. One layout serves two types, so
// that a value is never added where a change belongs.
template <typename Kind>
struct SixStatus {
    int stamina = 0;
    int money = 0;
    int patients = 0;
    int trust = 0;
    int rivalPower = 0;
    int suspicion = 0;
};

// What the six values are.
using StatusValues = SixStatus<struct ValuesKind>;
// How much each of the six moves: an event answer's effect.
using StatusChange = SixStatus<struct ChangeKind>;

}  // namespace zormade
