// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>

#include "core/status_change.h"

namespace zormade {

// One event as the event dialog holds it.
struct EventData {
    std::string prompt;
    std::array<std::string, 4> choiceTexts;
    std::array<std::string, 4> resultTexts;
    int bitmapId = 0;
    int pictureWidth = 0;
    int pictureHeight = 0;
    std::array<int, 4> staminaByChoice{};
    std::array<int, 4> moneyByChoice{};
    std::array<int, 4> patientByChoice{};
    std::array<int, 4> trustByChoice{};
    std::array<int, 4> rivalByChoice{};
    std::array<int, 4> suspicionByChoice{};
};

// index 0 to 41
EventData LoadEventData(int index);

// The six changes of answer 0 to 3; any other choice changes nothing.
StatusChange ChangeOfChoice(const EventData& data, int choice);

}  // namespace zormade
