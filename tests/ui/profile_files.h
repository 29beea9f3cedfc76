#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>

namespace zormade::test {

// The keys of an INI file as a QSettings that never saw the file before reads them.
QMap<QString, QString> KeysIn(const QString& path);

// Writes the bytes as the whole file, making its folder first.
bool WriteFile(const QString& path, const QByteArray& bytes);

}  // namespace zormade::test
