#include "profile_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include "platform/ini_profile.h"

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

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

StoredProfile StoredAt(const QString& path) {
    IniProfile profile(path);
    StoredProfile stored;
    stored.ranking.Load(profile);
    stored.options.Load(profile);
    return stored;
}

std::unique_ptr<QProcess> StartCopy(const QStringList& arguments, const QString& home) {
    auto copy = std::make_unique<QProcess>();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("XDG_CONFIG_HOME", home);
    copy->setProcessEnvironment(environment);
    copy->start(PROFILE_GAME, arguments);
    while (copy->waitForReadyRead(10000)) {
        if (copy->canReadLine() && copy->readLine().trimmed() == "ready") return copy;
    }
    copy->kill();
    copy->waitForFinished();
    return nullptr;
}

}  // namespace zormade::test
