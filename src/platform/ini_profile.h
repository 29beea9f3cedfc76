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

    // $XDG_CONFIG_HOME/zormade/zormade.ini or the platform's equivalent.
    static QString DefaultPath();

    // The file as read (nothing when it could not be read), with this object's writes over it.
    int GetProfileInt(const std::string& section, const std::string& key, int def) override;
    std::string GetProfileString(const std::string& section, const std::string& key,
                                 const std::string& def) override;
    void WriteProfileInt(const std::string& section, const std::string& key,
                         long long value) override;
    void WriteProfileString(const std::string& section, const std::string& key,
                            const std::string& value) override;

    // Under a lock beside the file: reads it again as it is now, lets `update` change that,
    // puts this object's writes over it and writes it whole or not at all. A file that could
    // not be read when this object was made is never written. false when the file was not
    // written, and Error() says why.
    bool Flush(const std::function<void(ProfileStore&)>& update = {});
    QString Path() const { return path_; }
    // Empty, or why the last Flush failed or the file could not be read.
    QString Error() const { return error_; }

private:
    bool Fail(const QString& reason);

    QString path_;
    int readError_ = 0;
    IniDocument read_;
    IniDocument written_;
    QString error_;
};

}  // namespace zormade
