// Loads the ranking and the options from an arbitrary profile file, then checks that what was
// loaded survives a save and a second load unchanged.
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

QString InputPath() { return folder->filePath(QStringLiteral("input.ini")); }
QString OutputPath() { return folder->filePath(QStringLiteral("output.ini")); }

// Qt keeps a parsed profile by its name and parses it again only when the file's size or
// time changed, so every version of the input gets a time of its own.
void WriteInput(const QByteArray& bytes) {
    QFile file(InputPath());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) std::abort();
    file.write(bytes);
    file.flush();
    file.setFileTime(QDateTime::fromSecsSinceEpoch(++fileVersion), QFileDevice::FileModificationTime);
}

struct Loaded {
    RankingTable ranking;
    GameOptions options;
};

Loaded LoadInput() {
    IniProfile profile(InputPath());
    Loaded loaded;
    loaded.ranking.Load(profile);
    loaded.options.Load(profile);
    return loaded;
}

QByteArray SavedBytes(const Loaded& loaded) {
    {
        IniProfile profile(OutputPath());
        loaded.ranking.Save(profile);
        loaded.options.Save(profile);
        if (!profile.Flush()) std::abort();
    }
    QFile file(OutputPath());
    if (!file.open(QIODevice::ReadOnly)) std::abort();
    return file.readAll();
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
    WriteInput(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    const Loaded first = LoadInput();
    // The saved file is read back through the same path, so it is parsed, not taken from memory.
    WriteInput(SavedBytes(first));
    const Loaded second = LoadInput();
    if (!Same(first, second)) std::abort();
    return 0;
}
