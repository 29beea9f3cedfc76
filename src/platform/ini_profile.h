#pragma once

#include <QSettings>
#include <QString>

#include "ranking/profile_store.h"

namespace zormade {

// The profile as an INI file. Qt writes it through a temporary file and a rename, so a crash in
// the middle leaves the old file or the new one, never half of one.
class IniProfile : public ProfileStore {
public:
    explicit IniProfile(const QString& path = DefaultPath());

    // $XDG_CONFIG_HOME/zormade/zormade.ini or the platform's equivalent.
    static QString DefaultPath();

    int GetProfileInt(const std::string& section, const std::string& key, int def) override;
    std::string GetProfileString(const std::string& section, const std::string& key,
                                 const std::string& def) override;
    void WriteProfileInt(const std::string& section, const std::string& key,
                         long long value) override;
    void WriteProfileString(const std::string& section, const std::string& key,
                            const std::string& value) override;

    // Writes what was changed to disk; false when the file could not be written.
    bool Flush();
    QString Path() const { return settings_.fileName(); }

private:
    QSettings settings_;
};

}  // namespace zormade
