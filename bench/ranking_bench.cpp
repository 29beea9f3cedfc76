// SPDX-License-Identifier: GPL-3.0-or-later
// Opening the ranking on a stored name of 50 MB, against the same ranking on a name that just
// overfills its control: a name taken at any length must not cost more to show.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>

#include "baseline.h"
#include "ui/game_app.h"

namespace zormade::bench {
namespace {

// Ten full-width characters: more than the name control shows.
const std::string kFillingName = "長長長長長長長長長長";

double ShowRankingMs(MainWindow& window) {
    // Runs inside the dialog's own loop, once it is up.
    QTimer::singleShot(0, [] {
        if (QWidget* ranking = QApplication::activeModalWidget()) ranking->close();
    });
    QElapsedTimer clock;
    clock.start();
    window.ShowRanking();
    return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

void BM_RankingWithALongStoredName(benchmark::State& state) {
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
    GameApp app;
    if (!app.Start()) state.SkipWithError("the program did not start");
    RankingTable filling;
    filling.names[0] = kFillingName;
    RankingTable stored;
    for (int i = 0; i < 50'000'000 / 3; ++i) stored.names[0] += "長";
    double longMs = 0;
    double fillingMs = 0;
    // Tables are swapped in, not copied, so no 50 MB copy runs between two openings.
    for (auto _ : state) {
        std::swap(app.Session().Ranking(), stored);
        const double shown = ShowRankingMs(*app.Window());
        std::swap(app.Session().Ranking(), stored);
        state.SetIterationTime(shown / 1000.0);
        longMs += shown;
        std::swap(app.Session().Ranking(), filling);
        fillingMs += ShowRankingMs(*app.Window());
        std::swap(app.Session().Ranking(), filling);
    }
    const double runs = static_cast<double>(state.iterations());
    ReportAgainstBaseline(state, longMs / runs, fillingMs / runs, "baseline_ms");
    app.Window()->hide();
}
BENCHMARK(BM_RankingWithALongStoredName)
    ->Iterations(30)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zormade::bench
