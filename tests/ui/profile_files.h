#pragma once

#include <QByteArray>
#include <QMap>
#include <QProcess>
#include <QString>
#include <memory>

#include "ranking/game_options.h"
#include "ranking/ranking_table.h"

namespace zormade::test {

// The keys of an INI file as a QSettings that never saw the file before reads them.
QMap<QString, QString> KeysIn(const QString& path);

// Writes the bytes as the whole file, making its folder first.
bool WriteFile(const QString& path, const QByteArray& bytes);
QByteArray ReadFile(const QString& path);

struct StoredProfile {
    RankingTable ranking;
    GameOptions options;
};
// What the game would load from the file.
StoredProfile StoredAt(const QString& path);

// A copy of the game (the profile_game program) on the profile folder `home`, once it printed
// "ready"; nullptr when it did not.
std::unique_ptr<QProcess> StartCopy(const QStringList& arguments, const QString& home);

}  // namespace zormade::test
