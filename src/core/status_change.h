// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace zormade {

// A change to each of the six status values, in the order the panel lists them.
struct StatusChange {
    int stamina = 0;
    int money = 0;
    int patients = 0;
    int trust = 0;
    int rivalPower = 0;
    int suspicion = 0;
};

}  // namespace zormade
