// A copy of the game for the profile tests, run as a process of its own:
//   write PATH         rewrites the profile PATH without end, until it is killed
//   enter NAME         clears a run, enters NAME in the ranking and waits for its end
//   end-dialog         clears a run and waits with the end dialog open
//   name-entry TEXT    clears a run and waits with TEXT typed into the open name entry
// The game modes print "ready" once they wait. Every clear scores 8997.
#include <QCoreApplication>
#include <QLineEdit>
#include <QTimer>
#include <cstdio>
#include <string>

#include "app/run_game.h"
#include "app/zormade_app.h"
#include "platform/ini_profile.h"
#include "ranking/game_options.h"
#include "ranking/ranking_table.h"
#include "ui_helpers.h"

namespace {

using namespace zormade;
using namespace zormade::test;

void Ready() {
    std::puts("ready");
    std::fflush(stdout);
}

int RewriteForever(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const QString path = QString::fromLocal8Bit(argv[2]);
    for (unsigned round = 0;; ++round) {
        RankingTable table;
        const bool longName = round % 2 == 1;
        table.names[0] = longName ? std::string(20000, 'L') : "short";
        table.points[0] = longName ? 2 : 1;
        IniProfile profile(path);
        table.Save(profile);
        GameOptions().Save(profile);
        if (!profile.Flush()) return 1;
        if (round == 0) Ready();
    }
}

std::function<void(QWidget*)> TypeName(const QString& name) {
    return [name](QWidget* rankIn) {
        auto* field = DialogItem<QLineEdit>(rankIn, 1029);
        field->setFocus();
        TypeText(field, name);
    };
}

}  // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "write" && argc == 3) return RewriteForever(argc, argv);
    const QString text = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    std::vector<ModalSequence::Answer> answers;
    if (mode == "enter") {
        answers = {PressKey(Qt::Key_Return),
                   [text](QWidget* w) {
                       TypeName(text)(w);
                       PressKey(Qt::Key_Return)(w);
                   },
                   PressKey(Qt::Key_Return)};
    } else if (mode == "end-dialog") {
        answers = {[](QWidget*) { Ready(); }};
    } else if (mode == "name-entry") {
        answers = {PressKey(Qt::Key_Return), [text](QWidget* w) {
                       TypeName(text)(w);
                       Ready();
                   }};
    } else {
        std::fprintf(stderr, "usage: profile_game write PATH | enter NAME | end-dialog | name-entry TEXT\n");
        return 2;
    }
    std::unique_ptr<ModalSequence> windows;
    return RunGame(1, argv, [&](CZormadeApp& app) {
        windows = std::make_unique<ModalSequence>(std::move(answers));
        QTimer::singleShot(0, app.View(), [&app, mode] {
            GameState& state = app.View()->State();
            state.year = 1996;
            state.month = 12;
            state.patients = 10000;
            state.money = 1500000;
            app.View()->OnTimer(TURN_TIMER_ID);
            if (mode == "enter") Ready();
        });
    });
}
