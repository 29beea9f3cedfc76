#pragma once

#include <QMap>
#include <QSettings>
#include <QString>
#include <optional>

#include "ranking/profile_store.h"

namespace zormade {

// The profile as an INI file. Reads come from the file as it was when the object was made; writes
// are kept until Flush puts the whole file down at once.
class IniProfile : public ProfileStore {
public:
    explicit IniProfile(const QString& path = DefaultPath());

    // $XDG_CONFIG_HOME/zormade/zormade.ini or the platform's equivalent.
    static QString DefaultPath();

    int GetProfileInt(const std::string& section, const std::string& key, int def) override;
    // A value whose bytes were not UTF-8 cannot be read back as written and gives the default.
    std::string GetProfileString(const std::string& section, const std::string& key,
                                 const std::string& def) override;
    void WriteProfileInt(const std::string& section, const std::string& key,
                         long long value) override;
    void WriteProfileString(const std::string& section, const std::string& key,
                            const std::string& value) override;

    // Writes the file anew: the keys it held, with this object's writes over them. The text is
    // written beside the profile and takes its name in one rename, so a crash or a kill leaves
    // the old file or the new one, never part of one. false when the new file is not in place.
    bool Flush();
    QString Path() const { return path_; }

private:
    // This object's own write of the key, else what the file held, else nothing.
    std::optional<QString> StoredText(const std::string& section, const std::string& key);

    QString path_;
    // Only read from: QSettings keeps the first error it ever met, a failed read included, so
    // its status cannot tell whether a later write went through.
    QSettings stored_;
    QMap<QString, QString> written_;
};

}  // namespace zormade
