#include "platform/ini_profile.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

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

IniProfile::IniProfile(const QString& path) : settings_(path, QSettings::IniFormat) {}

QString IniProfile::DefaultPath() {
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return base + QStringLiteral("/zormade/zormade.ini");
}

int IniProfile::GetProfileInt(const std::string& section, const std::string& key, int def) {
    const QVariant value = settings_.value(KeyOf(section, key));
    if (!value.isValid()) return def;
    return ParseProfileInt(TextOf(value).toStdString()).value_or(def);
}

std::string IniProfile::GetProfileString(const std::string& section, const std::string& key,
                                         const std::string& def) {
    const QVariant value = settings_.value(KeyOf(section, key));
    if (!value.isValid()) return def;
    return TextOf(value).toStdString();
}

void IniProfile::WriteProfileInt(const std::string& section, const std::string& key,
                                 long long value) {
    settings_.setValue(KeyOf(section, key), QString::number(value));
}

void IniProfile::WriteProfileString(const std::string& section, const std::string& key,
                                    const std::string& value) {
    settings_.setValue(KeyOf(section, key), QString::fromStdString(value));
}

bool IniProfile::Flush() {
    QDir().mkpath(QFileInfo(settings_.fileName()).absolutePath());
    settings_.sync();
    return settings_.status() == QSettings::NoError;
}

}  // namespace zormade
