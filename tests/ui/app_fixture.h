// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QSlider>
#include <QTemporaryDir>
#include <memory>

#include "platform/control_set.h"
#include "platform/multi_line_edit.h"
#include "ui/board.h"
#include "ui/game_app.h"

namespace zormade::test {

// A started program with a fresh, empty profile folder.
class AppTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    Board& View() { return *app->Window()->GameBoard(); }
    MainWindow& Frame() { return *app->Window(); }
    GameSession& Session() { return app->Session(); }
    QString EditText(ControlId<MultiLineEdit> id) { return View().Control(id).Text(); }
    // What the board shows: year, month, money and patients, then the stamina, trust, rival and
    // suspicion bars.
    std::vector<int> BoardValues();
    QSlider* Slider(ControlId<QSlider> id) { return &View().Control(id); }
    QStringList LogLines();
    // The board as a new run finds it: January 1991, the start values, sliders at 0, an empty
    // log, no timer, and start, ranking and options on the menu.
    void ExpectStartBoard(const char* when);
    // Runs the update handlers as opening the drop-down would, then gives the item.
    QAction* MenuItem(const char* command);
    // Picks a command from the menu, answering the modal windows it opens in turn.
    void Trigger(const char* command);
    QString ProfilePath() const;
    // The next month draws `first`, then `second`; the draws after them are the board's own.
    void NextDraws(int first, int second);
    // Starts a run, answering the briefing with Esc.
    void StartGame();
    // Starts the program again without ending it first: nothing is written.
    void StartAgain(TickSource ticks = SteadyMilliseconds);

    std::unique_ptr<QTemporaryDir> configHome;
    std::unique_ptr<GameApp> app;
};

}  // namespace zormade::test
