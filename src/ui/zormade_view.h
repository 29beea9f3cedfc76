// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "core/game_state.h"
#include "core/monthly_turn.h"
#include "core/random15.h"
#include "core/run_history.h"
#include "core/status_change.h"
#include "platform/commands.h"
#include "platform/form_view.h"
#include "platform/window_timers.h"
#include "core/game_options.h"
#include "core/profile_changes.h"
#include "core/ranking_table.h"

namespace zormade {

class CRankInDlg;
class IniProfile;

enum Command {
    ID_GAME_START = 32771,
    ID_GAME_STOP = 32772,
    ID_RANKING = 32773,
    ID_GAME_PAUSE = 32774,
    ID_OPTION = 32775,
    ID_GRAPH = 32776,
    ID_APP_ABOUT = 57664,
    ID_APP_EXIT = 57665,
    ID_HELP = 57670,
};

enum ControlId {
    IDC_PROGRESS_STAMINA = 1001,
    IDC_PROGRESS_TRUST = 1002,
    IDC_PROGRESS_RIVAL = 1005,
    IDC_PROGRESS_SUSPICION = 1006,
    IDC_EDIT_MONEY = 1015,
    IDC_EDIT_PATIENTS = 1016,
    IDC_EDIT_MONTH = 1017,
    IDC_EDIT_YEAR = 1018,
    IDC_SLIDER_DOSE = 1020,
    IDC_SLIDER_DONATION = 1021,
    IDC_SLIDER_DEMAND = 1022,
    IDC_SLIDER_COUNTER = 1023,
    IDC_LIST_LOG = 1026,
    IDC_STATIC_MESSAGE = 1041,
};

constexpr int TURN_TIMER_ID = 1;

// The game board: the status panel, the four sliders and the log, and the run they show.
class CZormadeView : public CFormView, public CommandTarget {
    Q_OBJECT
public:
    explicit CZormadeView(QWidget* parent = nullptr);
    // What the main window adds round the form: at the form's own face it is 555 x 544 in all.
    static constexpr QSize kFrameAround{555 - 538, 544 - 482};
    ~CZormadeView() override;

    // Reads the profile, seeds the draws, shows the start state and places the main window.
    void OnInitialUpdate();
    // Writes this run's ranking entries and changed options into the profile; runs once, when
    // the main window closes. A clear whose entry is still open is entered first.
    void OnDestroy();
    // The desktop session or a signal is ending the program: nothing may wait for the player
    // now, so a failed save is told on standard error.
    void EndingSession() { sessionEnding_ = true; }

    bool OnCommand(int id) override;
    bool OnUpdateCommand(CCmdUI& ui) override;

    void OnTimer(int id);
    void OnGameStart();
    void OnGamePause();
    void OnGameStop();
    void OnRanking();
    void OnOption();
    void OnGraph();
    void OnHelp() {}

    void ResetGame();
    void RefreshStatus();
    // Shows the ranking dialog on the table as it stands.
    void ShowRanking();
    // Offers a clear's score to the table: asks for a name, inserts it and shows the ranking.
    void EnterRanking(std::uint32_t score);
    // One tick's turn; true when it ended the run.
    bool DoMonthlyTurn();
    int RandomOf3();

    GameState& State() { return state_; }
    GameOptions& Options() { return options_; }
    RankingTable& Ranking() { return ranking_; }
    Random15& Random() { return random_; }
    const WindowTimers& Timers() const { return timers_; }

protected:
    void DoDataExchange(DataExchange* pDX) override;

private:
    void EndRun(RunEnd end);
    void AddEntry(const std::string& name, std::uint32_t score);
    void ReportNotSaved();
    // Shows the event and tells which answer the player took.
    StatusChange ShowEvent(int index, int& answer);
    void ClearLog();

    int shownMoney = 0;
    int shownPatients = 0;
    int shownMonth = 0;
    int shownYear = 0;
    GameState state_;
    GameOptions options_;
    RankingTable ranking_;
    Random15 random_;
    RunHistory history_;
    WindowTimers timers_;
    std::unique_ptr<IniProfile> profile_;
    GameOptions loadedOptions_;
    std::vector<RankingEntry> newEntries_;
    // A clear's score from the end dialog's opening until its entry is made.
    std::optional<std::uint32_t> pendingClear_;
    CRankInDlg* nameEntry_ = nullptr;
    bool sessionEnding_ = false;
    bool destroyed_ = false;
};

}  // namespace zormade
