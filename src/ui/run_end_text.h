// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "core/run_history.h"

namespace zormade {

// The limits a capture crossed, as the player reads them: "体力が尽きた" and the like.
QString CaptureCause(const LimitsCrossed& crossed);

// The end dialog's text for a capture: the cause, then the line every capture ends on.
QString CaptureMessage(const RunHistory& history);

// How a clear's points were made, from the values its last month left.
QString ScoreMaking(const RunHistory& history);

}  // namespace zormade
