#include "profile_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

namespace zormade::test {

QMap<QString, QString> KeysIn(const QString& path) {
    QTemporaryDir elsewhere;
    const QString copy = elsewhere.filePath("copy.ini");
    QMap<QString, QString> keys;
    if (!QFile::copy(path, copy)) return keys;
    QSettings settings(copy, QSettings::IniFormat);
    for (const QString& key : settings.allKeys()) keys.insert(key, settings.value(key).toString());
    return keys;
}

bool WriteFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

}  // namespace zormade::test
