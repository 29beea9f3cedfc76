// SPDX-License-Identifier: GPL-3.0-or-later
// A copy of the game for the profile tests, run as a process of its own:
//   enter NAME         clears a run, enters NAME in the ranking and waits for its end
//   end-dialog         clears a run and waits with the end dialog open
//   name-entry TEXT    clears a run and waits with TEXT typed into the open name entry
// Each mode prints "ready" once it waits. Every clear scores 8997.
#include <QTimer>
#include <cstdio>
#include <string>

#include "ui/game_app.h"
#include "ui/run_game.h"
#include "ui_helpers.h"

namespace {

using namespace zormade;
using namespace zormade::test;

void Ready() {
    std::puts("ready");
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    const QString text = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    const bool enter = mode == "enter";
    std::vector<ModalSequence::Answer> answers{[](QWidget*) { Ready(); }};
    if (enter || mode == "name-entry") {
        // The end dialog, the name entry and, after an entry, the ranking.
        answers = {PressKey(Qt::Key_Return),
                   [text, enter](QWidget* rankIn) {
                       EnterName(text, enter)(rankIn);
                       if (!enter) Ready();
                   },
                   PressKey(Qt::Key_Return)};
    } else if (mode != "end-dialog") {
        std::fprintf(stderr, "usage: profile_game enter NAME | end-dialog | name-entry TEXT\n");
        return 2;
    }
    std::unique_ptr<ModalSequence> windows;
    return RunGame(1, argv, [&](GameApp& app) {
        windows = std::make_unique<ModalSequence>(std::move(answers));
        QTimer::singleShot(0, app.Window(), [&app, enter] {
            GameState& state = app.Session().GameRun().State();
            state.year = 1996;
            state.month = 12;
            state.values.patients = 10000;
            state.values.money = 1500000;
            app.Session().Tick();
            if (enter) Ready();
        });
    });
}
