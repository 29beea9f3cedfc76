#include "platform/ini_profile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <cstdio>

#include "ranking/profile_number.h"

namespace zormade {
namespace {

QString KeyOf(const std::string& section, const std::string& key) {
    return QString::fromStdString(section) + QLatin1Char('/') + QString::fromStdString(key);
}

// A hand-edited value may come back as a list (an unquoted comma) or a parsed variant.
QString TextOf(const QVariant& value) {
    if (value.typeId() == QMetaType::QStringList) return value.toStringList().join(QLatin1Char(','));
    if (value.typeId() == QMetaType::QByteArray) return QString::fromUtf8(value.toByteArray());
    return value.toString();
}

}  // namespace

IniProfile::IniProfile(const QString& path) : path_(path), stored_(path, QSettings::IniFormat) {}

QString IniProfile::DefaultPath() {
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return base + QStringLiteral("/zormade/zormade.ini");
}

std::optional<QString> IniProfile::StoredText(const std::string& section, const std::string& key) {
    const QString name = KeyOf(section, key);
    auto it = written_.constFind(name);
    if (it != written_.cend()) return *it;
    const QVariant value = stored_.value(name);
    if (!value.isValid()) return std::nullopt;
    return TextOf(value);
}

int IniProfile::GetProfileInt(const std::string& section, const std::string& key, int def) {
    const std::optional<QString> text = StoredText(section, key);
    if (!text) return def;
    return ParseProfileInt(text->toStdString()).value_or(def);
}

std::string IniProfile::GetProfileString(const std::string& section, const std::string& key,
                                         const std::string& def) {
    const std::optional<QString> text = StoredText(section, key);
    if (!text || text->contains(QChar::ReplacementCharacter)) return def;
    return text->toStdString();
}

void IniProfile::WriteProfileInt(const std::string& section, const std::string& key,
                                 long long value) {
    written_.insert(KeyOf(section, key), QString::number(value));
}

void IniProfile::WriteProfileString(const std::string& section, const std::string& key,
                                    const std::string& value) {
    written_.insert(KeyOf(section, key), QString::fromStdString(value));
}

bool IniProfile::Flush() {
    const QFileInfo target(path_);
    if (!QDir().mkpath(target.absolutePath())) return false;
    QTemporaryFile staging(target.absoluteFilePath() + QStringLiteral(".XXXXXX"));
    if (!staging.open()) return false;
    staging.close();
    {
        // A new, empty file has nothing to misread, so this status speaks of the write alone.
        QSettings next(staging.fileName(), QSettings::IniFormat);
        for (const QString& key : stored_.allKeys()) next.setValue(key, stored_.value(key));
        for (auto it = written_.cbegin(); it != written_.cend(); ++it) next.setValue(it.key(), *it);
        next.sync();
        if (next.status() != QSettings::NoError) return false;
    }
    if (std::rename(QFile::encodeName(staging.fileName()).constData(),
                    QFile::encodeName(target.absoluteFilePath()).constData()) != 0) {
        return false;
    }
    staging.setAutoRemove(false);
    return true;
}

}  // namespace zormade
