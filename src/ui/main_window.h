// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>
#include <cstdint>

#include "core/monthly_turn.h"
#include "platform/message_box.h"
#include "ui/game_session.h"

class QAction;

namespace zormade {

class Board;
class FramePlacement;
class RankInDialog;

// The fixed-size main window: caption, system menu and minimise button, the menu, the board.
// It turns the player's commands into the session's and the session's news into windows.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(GameSession* session);

    // Puts the menu and the board in place; false when either cannot be built.
    bool Build();
    Board* GameBoard() const { return board_; }
    // The menu command named as in the menu resource; null when there is none.
    QAction* Command(const QString& name) const;
    // Centred on the desktop at the board's size, its title bar kept on it; before the first show.
    void PlaceCentred();

public slots:
    void StartGame();
    void TogglePause();
    void StopGame();
    void ShowRanking();
    void ShowGraph();
    void ShowOptions();
    void ShowAbout();
    // Puts event `index` to the player and tells the answer's result; the
    // answer, or -1 for none.
    int AnswerEvent(int index);
    // Offers a clear's score to the table: asks for a name, enters it and shows the ranking.
    void EnterRanking(std::uint32_t score);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void ConnectCommands();
    void ConnectSession();
    // Enables each command as the run allows it, as the menu is about to show.
    void UpdateCommands();
    void PlayMonth();
    void EndRun(RunOutcome outcome, std::uint32_t score);
    void ShowEnd(RunOutcome outcome, const QString& title, const QString& message);
    bool Tell(const QString& text, const QString& caption, MessageBoxKind kind);

    GameSession* session_;
    Board* board_ = nullptr;
    FramePlacement* placement_ = nullptr;
    RankInDialog* nameEntry_ = nullptr;
};

}  // namespace zormade
