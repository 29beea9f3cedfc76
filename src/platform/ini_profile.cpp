// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ini_profile.h"

#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <cstring>
#include <filesystem>

#include "platform/profile_file.h"
#include "platform/resources.h"
#include "platform/string_ids.h"

namespace zormade {
namespace {

QString ReasonText(int error) {
    switch (error) {
    case kNotARegularFile: return LoadResourceString(IDS_PROFILE_NOT_A_FILE);
    case kReadOnly: return LoadResourceString(IDS_PROFILE_READ_ONLY);
    default: return QString::fromLocal8Bit(std::strerror(error));
    }
}

}  // namespace

IniProfile::IniProfile(const QString& path) : path_(path) {
    const ProfileFileText file = ReadProfileFile(QFile::encodeName(path).toStdString());
    readError_ = file.error;
    if (readError_ == 0) read_ = IniDocument::Parse(file.text);
    else error_ = ReasonText(readError_);
}

QString IniProfile::DefaultPath() {
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return base + QStringLiteral("/zormade/zormade.ini");
}

int IniProfile::GetProfileInt(const std::string& section, const std::string& key, int def) {
    return read_.GetProfileInt(section, key, def);
}

std::string IniProfile::GetProfileString(const std::string& section, const std::string& key,
                                         const std::string& def) {
    return read_.GetProfileString(section, key, def);
}

void IniProfile::WriteProfileInt(const std::string& section, const std::string& key,
                                 long long value) {
    read_.WriteProfileInt(section, key, value);
    written_.WriteProfileInt(section, key, value);
}

void IniProfile::WriteProfileString(const std::string& section, const std::string& key,
                                    const std::string& value) {
    read_.WriteProfileString(section, key, value);
    written_.WriteProfileString(section, key, value);
}

bool IniProfile::Fail(const QString& reason) {
    error_ = reason;
    return false;
}

bool IniProfile::Flush(const std::function<void(ProfileStore&)>& update) {
    if (readError_ != 0) {
        return Fail(LoadResourceString(IDS_PROFILE_LEFT_UNREAD).arg(ReasonText(readError_)));
    }
    std::error_code folder;
    std::filesystem::create_directories(
        std::filesystem::path(QFile::encodeName(QFileInfo(path_).absolutePath()).toStdString()),
        folder);
    if (folder) return Fail(ReasonText(folder.value()));
    const std::string target = LinkTarget(QFile::encodeName(path_).toStdString());
    const ProfileLock lock(target);
    if (lock.Error() != 0) return Fail(ReasonText(lock.Error()));
    RemoveStaleTemporaries(target);
    const ProfileFileText now = ReadProfileFile(target);
    if (now.error != 0) return Fail(ReasonText(now.error));
    IniDocument document = IniDocument::Parse(now.text);
    if (update) update(document);
    document.Overlay(written_);
    const int error = ReplaceProfileFile(target, document.Text());
    if (error != 0) return Fail(ReasonText(error));
    error_.clear();
    return true;
}

}  // namespace zormade
