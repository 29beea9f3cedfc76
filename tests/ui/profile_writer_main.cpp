// Rewrites the profile named on the command line without end, switching between a short table
// and one with a long first name, until it is killed.
#include <QCoreApplication>
#include <cstdio>
#include <string>

#include "platform/ini_profile.h"
#include "ranking/game_options.h"
#include "ranking/ranking_table.h"

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    if (argc != 2) return 2;
    const QString path = QString::fromLocal8Bit(argv[1]);
    for (unsigned round = 0;; ++round) {
        zormade::RankingTable table;
        const bool longName = round % 2 == 1;
        table.names[0] = longName ? std::string(20000, 'L') : "short";
        table.points[0] = longName ? 2 : 1;
        zormade::IniProfile profile(path);
        table.Save(profile);
        zormade::GameOptions().Save(profile);
        if (!profile.Flush()) return 1;
        if (round == 0) std::puts("written");
        std::fflush(stdout);
    }
}
