// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QString>
#include <vector>

namespace zormade {

// An icon drawn at each of `sizes` (smallest first) in its own file, `pattern`'s %1 standing for the size. A file
// is decoded only when a pixmap is first asked for at its size, not when the icon is made.
QIcon SizedFilesIcon(const QString& pattern, const std::vector<int>& sizes);

}  // namespace zormade
