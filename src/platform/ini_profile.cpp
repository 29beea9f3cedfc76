// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ini_profile.h"

#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "platform/cp932_text.h"
#include "platform/profile_file.h"
#include "platform/resources.h"
#include "platform/string_ids.h"
#include "platform/termination_signals.h"

namespace zormade {
namespace {

QString ReasonText(int error) {
    static constexpr struct {
        int error;
        StringId text;
    } kReasons[] = {
        {ENOSPC, IDS_REASON_NO_SPACE},       {EACCES, IDS_REASON_NO_PERMISSION},
        {EPERM, IDS_REASON_NO_PERMISSION},   {EROFS, IDS_REASON_READ_ONLY_FILESYSTEM},
        {EFBIG, IDS_REASON_FILE_TOO_LARGE},  {EISDIR, IDS_REASON_IS_A_FOLDER},
        {ENOTDIR, IDS_REASON_NOT_A_FOLDER},  {ELOOP, IDS_REASON_TOO_MANY_LINKS},
        {EMLINK, IDS_REASON_TOO_MANY_LINKS}, {EDQUOT, IDS_REASON_QUOTA},
    };
    switch (error) {
    case kNotARegularFile: return LoadResourceString(IDS_PROFILE_NOT_A_FILE);
    case kReadOnly: return LoadResourceString(IDS_PROFILE_READ_ONLY);
    case kTooLarge: return LoadResourceString(IDS_PROFILE_TOO_LARGE);
    default: break;
    }
    // The system's own words after ours, for whoever has to look further.
    const QString system = QString::fromLocal8Bit(std::strerror(error));
    for (const auto& reason : kReasons) {
        if (reason.error == error) return LoadResourceString(reason.text) + "（" + system + "）";
    }
    return system;
}

std::string Native(const QString& path) { return QFile::encodeName(path).toStdString(); }

}  // namespace

IniProfile::IniProfile(const QString& path) : path_(path) {
    const ProfileFileText file = ReadProfileFile(Native(path));
    readError_ = file.error;
    if (readError_ == 0) {
        read_ = Parse(file.text);
    } else {
        error_ = ReasonText(readError_);
        failedPath_ = path;
    }
}

IniDocument IniProfile::Parse(std::string_view text) {
    return IniDocument::Parse(text, Cp932ToUtf8);
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

bool IniProfile::Fail(const std::string& path, const QString& reason) {
    error_ = reason;
    failedPath_ = QFile::decodeName(QByteArray::fromStdString(path));
    return false;
}

bool IniProfile::Flush(const std::function<void(ProfileStore&)>& update, bool ownChanges) {
    notice_.clear();
    if (readError_ != 0) {
        return Fail(Native(path_),
                    LoadResourceString(IDS_PROFILE_LEFT_UNREAD).arg(ReasonText(readError_)));
    }
    const std::string folder = Native(QFileInfo(path_).absolutePath());
    std::error_code made;
    std::filesystem::create_directories(std::filesystem::path(folder), made);
    if (made) return Fail(folder, ReasonText(made.value()));
    const std::string target = LinkTarget(Native(path_));
    const ProfileLock lock(target, kLongestLockWait, &TerminationSignals::Pending);
    if (lock.Error() != 0) return Fail(lock.Path(), ReasonText(lock.Error()));
    // Without the lock another copy may be writing, and its temporary file is not stale.
    if (lock.Held()) RemoveStaleTemporaries(target);
    const ProfileFileText now = ReadProfileFile(target);
    if (now.error != 0) return Fail(target, ReasonText(now.error));
    IniDocument document = Parse(now.text);
    if (update) update(document);
    document.Overlay(written_);
    const std::string text = document.Text();
    error_.clear();
    failedPath_.clear();
    // A file that already holds all of it is left alone.
    if (now.exists && text == now.text) return true;
    const FileFailure failure = ReplaceProfileFile(target, text);
    if (failure.error == kReadOnly && !ownChanges) return true;
    if (failure.error != 0) return Fail(failure.path, ReasonText(failure.error));
    if (!lock.Held())
        notice_ =
            LoadResourceString(IDS_PROFILE_LOCK_BUSY).arg(QFile::decodeName(lock.Path().c_str()));
    return true;
}

}  // namespace zormade
