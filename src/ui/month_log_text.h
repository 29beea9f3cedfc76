// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>

#include "core/monthly_turn.h"

namespace zormade {

// The month's six log lines as the board lists them and the replay tool prints them.
QStringList MonthLogText(const MonthLog& log);

// The end dialog's line for a clear: the points, then the laugh.
QString ScoreLineText(std::uint32_t score);

}  // namespace zormade
