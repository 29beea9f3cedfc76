// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "ui/run_charts.h"

namespace zormade {

// The charts module's entry, loaded on the first call from the program's library paths or from
// where it is installed beside the program; nullptr, with the reason in `error`, when it cannot.
ShowRunChartsFn LoadRunCharts(QString& error);

}  // namespace zormade
