// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace picgen {

// A Qt resource collection listing each file under `prefix`, aliased by its own name.
QByteArray ResourceCollection(const QString& prefix, const QStringList& fileNames);

}  // namespace picgen
