// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ini_profile.h"

#include <pwd.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <cstring>

#include "platform/cp932_text.h"
#include "platform/profile_file.h"
#include "platform/resources.h"
#include "platform/termination_signals.h"
#include "platform/text_ids.h"

namespace zormade {
namespace {

QString ReasonText(int error) {
    static constexpr struct {
        int error;
        TextId text;
    } kReasons[] = {
        {ENOSPC, TextId::ReasonNoSpace},      {EACCES, TextId::ReasonNoPermission},
        {EPERM, TextId::ReasonNoPermission},  {EROFS, TextId::ReasonReadOnlyFilesystem},
        {EFBIG, TextId::ReasonFileTooLarge},  {EISDIR, TextId::ReasonIsAFolder},
        {ENOTDIR, TextId::ReasonNotAFolder},  {ELOOP, TextId::ReasonTooManyLinks},
        {EMLINK, TextId::ReasonTooManyLinks}, {EDQUOT, TextId::ReasonQuota},
        {ENOENT, TextId::ReasonMissing},      {ENAMETOOLONG, TextId::ReasonNameTooLong},
        {ENXIO, TextId::ReasonNotOpenable},   {ENODEV, TextId::ReasonNotOpenable},
    };
    switch (error) {
    case NotARegularFile: return ResourceText(TextId::ProfileNotAFile);
    case ReadOnly: return ResourceText(TextId::ProfileReadOnly);
    case TooLarge: return ResourceText(TextId::ProfileTooLarge);
    case ForeignLink: return ResourceText(TextId::ProfileForeignLink);
    case SymbolicLink: return ResourceText(TextId::ProfileSymbolicLink);
    default: break;
    }
    const auto known = std::find_if(std::begin(kReasons), std::end(kReasons),
                                    [error](const auto& reason) { return reason.error == error; });
    const TextId words = known != std::end(kReasons) ? known->text : TextId::ReasonUnexpected;
    // The system's own words after ours, for whoever has to look further.
    return ResourceText(TextId::ReasonWithSystemWords)
        .arg(ResourceText(words), QString::fromLocal8Bit(std::strerror(error)));
}

// The home folder: $HOME, or the user database's when it is unset, as other desktop programs do.
QString HomeFolder() {
    const QString home = qEnvironmentVariable("HOME");
    if (!home.isEmpty()) return home;
    const passwd* user = ::getpwuid(::geteuid());
    return user && user->pw_dir ? QFile::decodeName(user->pw_dir) : QString();
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
    // A relative $XDG_CONFIG_HOME is not to be used: it would depend on the working folder.
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (!QDir::isAbsolutePath(base)) base = HomeFolder() + QStringLiteral("/.config");
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
    locked_ = false;
    if (readError_ != 0) {
        return Fail(Native(path_),
                    ResourceText(TextId::ProfileLeftUnread).arg(ReasonText(readError_)));
    }
    const std::string own = Native(path_);
    const std::string folder = Native(QFileInfo(path_).absolutePath());
    for (const std::string& link : {folder, own}) {
        if (const int refused = CheckLink(link)) return Fail(link, ReasonText(refused));
    }
    if (const FileFailure made = MakeFolders(folder); made.error != 0)
        return Fail(made.path, ReasonText(made.error));
    const std::string target = LinkTarget(own);
    // Beside the profile's own name, never beside where a link leads.
    const ProfileLock lock(own, kLongestLockWait, &TerminationSignals::Pending);
    // Without the lock another copy may be writing, and its temporary file is not stale.
    if (lock.Held()) RemoveStaleTemporaries(target);
    // What this copy wrote itself is read back whatever its size.
    const ProfileFileText now = ReadProfileFile(target, std::max(kLargestProfile, writtenSize_));
    if (now.error != 0) return Fail(target, ReasonText(now.error));
    IniDocument document = Parse(now.text);
    if (!document.Blank() && !document.HasSection("Ranking") && !document.HasSection("Option"))
        return Fail(target, ResourceText(TextId::ProfileNotOurs));
    if (update) update(document);
    document.Overlay(written_);
    const std::string text = document.Text();
    error_.clear();
    failedPath_.clear();
    locked_ = lock.Held();
    // A file that already holds all of it is left alone.
    if (now.exists && text == now.text) return true;
    const FileFailure failure = ReplaceProfileFile(target, text);
    if (failure.error == ReadOnly && !ownChanges) return true;
    if (failure.error != 0) return Fail(failure.path, ReasonText(failure.error));
    writtenSize_ = static_cast<long long>(text.size());
    const QString lockPath = QFile::decodeName(lock.Path().c_str());
    if (lock.Error() != 0) {
        notice_ = ResourceText(TextId::ProfileLockUnusable).arg(lockPath, ReasonText(lock.Error()));
    } else if (!lock.Held()) {
        notice_ = ResourceText(TextId::ProfileLockBusy).arg(lockPath);
    }
    return true;
}

}  // namespace zormade
