// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>

#include "core/ini_document.h"
#include "core/profile_store.h"

namespace zormade {

// The profile as an INI file: read when the object is made, written by Flush.
class IniProfile : public ProfileStore {
public:
    explicit IniProfile(const QString& path = DefaultPath());

    // $XDG_CONFIG_HOME/zormade/zormade.ini, or ~/.config/zormade/zormade.ini when that is unset
    // or relative; the home folder from the user database when $HOME is unset.
    static QString DefaultPath();

    // The file as read (nothing when it could not be read), with this object's writes over it.
    int GetProfileInt(const std::string& section, const std::string& key, int def) override;
    std::string GetProfileString(const std::string& section, const std::string& key,
                                 const std::string& def) override;
    void WriteProfileInt(const std::string& section, const std::string& key,
                         long long value) override;
    void WriteProfileString(const std::string& section, const std::string& key,
                            const std::string& value) override;

    // Under a lock beside the file's own name: reads it again as it is now, lets `update` change
    // that,
    // puts this object's writes over it and writes it whole or not at all when that changed
    // anything. A file that could not be read when this object was made is never written, nor
    // one that holds neither section of the game's, nor a link of another user's to a file or
    // folder that is not the running user's. The
    // lock is waited for a bounded time, cut short by a termination signal; the file is then
    // written without it, and Notice() says so. false when the file was not written, and
    // Error() says why and FailedPath() on which file; a read-only file is no failure when
    // `ownChanges` is false, as the caller then has nothing of its own to save.
    bool Flush(const std::function<void(ProfileStore&)>& update = {}, bool ownChanges = true);
    QString Path() const { return path_; }
    // Empty, or why the last Flush failed or the file could not be read.
    QString Error() const { return error_; }
    QString FailedPath() const { return failedPath_; }
    // Empty, or what the last Flush that wrote the file has to tell.
    QString Notice() const { return notice_; }
    // The last Flush found the file under the lock: what it holds stays unless another program
    // that ignores the lock writes it.
    bool Locked() const { return locked_; }

    // The profile's text as the game reads it, values of the older code page included.
    static IniDocument Parse(std::string_view text);

private:
    bool Fail(const std::string& path, const QString& reason);

    QString path_;
    int readError_ = 0;
    IniDocument read_;
    IniDocument written_;
    QString error_;
    QString failedPath_;
    QString notice_;
    bool locked_ = false;
    // The size of the last text this object wrote.
    long long writtenSize_ = 0;
};

}  // namespace zormade
