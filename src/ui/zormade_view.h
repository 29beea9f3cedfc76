// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTimer>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "core/game_options.h"
#include "core/profile_changes.h"
#include "core/random15.h"
#include "core/ranking_table.h"
#include "core/run.h"
#include "platform/commands.h"
#include "platform/form_view.h"
#include "platform/message_box.h"

class QListWidget;
class QProgressBar;
class QSlider;

namespace zormade {

class CRankInDlg;
class IniProfile;
class MultiLineEdit;

enum Command {
    ID_GAME_START = 32771,
    ID_GAME_STOP = 32772,
    ID_RANKING = 32773,
    ID_GAME_PAUSE = 32774,
    ID_OPTION = 32775,
    ID_GRAPH = 32776,
    ID_APP_ABOUT = 57664,
    ID_APP_EXIT = 57665,
};

inline constexpr ControlId<QProgressBar> IDC_PROGRESS_STAMINA{1001};
inline constexpr ControlId<QProgressBar> IDC_PROGRESS_TRUST{1002};
inline constexpr ControlId<QProgressBar> IDC_PROGRESS_RIVAL{1005};
inline constexpr ControlId<QProgressBar> IDC_PROGRESS_SUSPICION{1006};
inline constexpr ControlId<MultiLineEdit> IDC_EDIT_MONEY{1015};
inline constexpr ControlId<MultiLineEdit> IDC_EDIT_PATIENTS{1016};
inline constexpr ControlId<MultiLineEdit> IDC_EDIT_MONTH{1017};
inline constexpr ControlId<MultiLineEdit> IDC_EDIT_YEAR{1018};
inline constexpr ControlId<QSlider> IDC_SLIDER_DOSE{1020};
inline constexpr ControlId<QSlider> IDC_SLIDER_DONATION{1021};
inline constexpr ControlId<QSlider> IDC_SLIDER_DEMAND{1022};
inline constexpr ControlId<QSlider> IDC_SLIDER_COUNTER{1023};
inline constexpr ControlId<QListWidget> IDC_LIST_LOG{1026};

// The game board: the status panel, the four sliders and the log, and the run they show.
class CZormadeView : public CFormView, public CommandTarget {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 101;

    explicit CZormadeView(QWidget* parent = nullptr);
    // What the main window adds round the form: at the form's own face it is 555 x 544 in all.
    static constexpr QSize kFrameAround{555 - 538, 544 - 482};
    ~CZormadeView() override;

    // Reads the profile, seeds the draws and shows the start state.
    void OnInitialUpdate();
    // Writes what this run has not saved yet into the profile; runs once, when the main window
    // closes. A clear whose entry is still open is entered first.
    void OnDestroy();
    // The profile could not be saved at the end.
    bool SaveFailed() const { return saveFailed_; }
    // The desktop session or a signal is ending the program: nothing may wait for the player
    // now, so a failed save is told on standard error.
    void EndingSession() { sessionEnding_ = true; }

    bool OnCommand(int id) override;
    bool OnUpdateCommand(CCmdUI& ui) override;

    void OnTimer();
    void OnGameStart();
    void OnGamePause();
    void OnGameStop();
    void OnRanking();
    void OnOption();
    void OnGraph();

    // Sliders at 0, bars over their range, an empty log: the controls of a run's start.
    void ResetControls();
    void RefreshStatus();
    // Shows the ranking dialog on the table as it stands.
    void ShowRanking();
    // Offers a clear's score to the table: asks for a name, inserts it and shows the ranking.
    void EnterRanking(std::uint32_t score);
    // One tick's turn: the run's month or its end, and the log that tells it.
    void DoMonthlyTurn();
    // Runs the event dialog with the turn's timer at rest, then tells the answer's result.
    int AnswerEvent(int index);

    Run& GameRun() { return run_; }
    GameState& State() { return run_.State(); }
    GameOptions& Options() { return options_; }
    RankingTable& Ranking() { return ranking_; }
    Random15& Random() { return random_; }
    const QTimer& TurnTimer() const { return turnTimer_; }

protected:
    void DoDataExchange(DataExchange* pDX) override;

private:
    void EndRun(const TickResult& tick);
    void AddEntry(const std::string& name, std::uint32_t score);
    // Merges this run's entries and changed options not saved yet into the profile, as at exit
    // (entries and options are saved as soon as they are made); true when saved.
    bool SaveProfile();
    // A box, or standard error when the session is ending and nothing may wait for the player.
    void Tell(const QString& text, MessageBoxKind kind);
    // The last save failed: which file, why, and the entries it leaves out.
    void TellNotSaved();
    static QString EntryList(const std::vector<RankingEntry>& entries);
    void ClearLog();

    int shownMoney_ = 0;
    int shownPatients_ = 0;
    int shownMonth_ = 0;
    int shownYear_ = 0;
    GameOptions options_;
    RankingTable ranking_;
    Random15 random_;
    Run run_;
    QTimer turnTimer_;
    std::unique_ptr<IniProfile> profile_;
    GameOptions loadedOptions_;
    std::vector<RankingEntry> newEntries_;
    // Entries saved without the lock, not yet found in the file under it.
    std::vector<RankingEntry> unsure_;
    // A clear's score from the end dialog's opening until its entry is made.
    std::optional<std::uint32_t> pendingClear_;
    CRankInDlg* nameEntry_ = nullptr;
    bool sessionEnding_ = false;
    bool destroyed_ = false;
    bool saveFailed_ = false;
};

}  // namespace zormade
