// Starts the game's profile from an arbitrary file: loads the ranking and the options, saves them
// over it as the game does at exit, and checks that the next load finds them unchanged.
#include <QByteArray>
#include <QDateTime>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

#include "platform/ini_profile.h"
#include "ranking/game_options.h"
#include "ranking/ranking_table.h"

namespace {

using namespace zormade;

QTemporaryDir* folder = nullptr;
qint64 fileVersion = 0;

QString ProfilePath() { return folder->filePath(QStringLiteral("zormade.ini")); }

// Qt keeps a parsed profile by its name and parses it again only when the file's size or
// time changed, so every version of the file gets a time of its own.
void Restamp(QFile& file) {
    file.setFileTime(QDateTime::fromSecsSinceEpoch(++fileVersion), QFileDevice::FileModificationTime);
}

void WriteProfile(const QByteArray& bytes) {
    QFile file(ProfilePath());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) std::abort();
    file.write(bytes);
    file.flush();
    Restamp(file);
}

struct Loaded {
    RankingTable ranking;
    GameOptions options;
};

Loaded Load(IniProfile& profile) {
    Loaded loaded;
    loaded.ranking.Load(profile);
    loaded.options.Load(profile);
    return loaded;
}

// What the game does with its profile in one session: read at start-up, write at exit.
Loaded LoadThenSave() {
    IniProfile profile(ProfilePath());
    const Loaded loaded = Load(profile);
    loaded.ranking.Save(profile);
    loaded.options.Save(profile);
    if (!profile.Flush()) std::abort();
    QFile saved(ProfilePath());
    if (!saved.open(QIODevice::ReadWrite)) std::abort();
    Restamp(saved);
    return loaded;
}

bool Same(const Loaded& a, const Loaded& b) {
    return a.ranking.names == b.ranking.names && a.ranking.points == b.ranking.points &&
           a.options.level == b.options.level && a.options.speed == b.options.speed &&
           a.options.skipOpening == b.options.skipOpening;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    folder = new QTemporaryDir;
    return folder->isValid() ? 0 : 1;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    WriteProfile(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    const Loaded first = LoadThenSave();
    // The next session must find what the last one left.
    IniProfile profile(ProfilePath());
    if (!Same(first, Load(profile))) std::abort();
    return 0;
}
