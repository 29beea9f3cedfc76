// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
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
#include "platform/message_box.h"

namespace zormade {

class IniProfile;

// The game behind the windows: the run and its turn timer, the options, the ranking and when
// the profile is written. The windows show what it tells them and hand it what the player chose.
class GameSession : public QObject {
    Q_OBJECT
public:
    explicit GameSession(QObject* parent = nullptr);
    ~GameSession() override;

    // Reads the ranking and the options from the profile and seeds the draws from the clock.
    void Load();

    const Run& GameRun() const { return run_; }
    const GameState& State() const { return run_.State(); }
    const GameOptions& Options() const { return options_; }
    const RankingTable& Ranking() const { return ranking_; }
    // Where the replay and the tests set up a run, its options or a table of their own.
    Run& GameRun() { return run_; }
    GameOptions& Options() { return options_; }
    RankingTable& Ranking() { return ranking_; }
    const QTimer& TurnTimer() const { return turnTimer_; }
    // The draws of the months to come; tests plant their own.
    Random15& Random() { return random_; }
    // The profile could not be saved at the end.
    bool SaveFailed() const { return saveFailed_; }
    bool Closed() const { return closed_; }

    void Start();
    // What the turn timer does: asks for the next month unless the run is paused.
    void Tick();
    void SetPaused(bool paused) { run_.SetPaused(paused); }
    // Abandons the run; its months stay to be looked at in the graph.
    void Stop();
    // One tick's turn with the sliders as they stand: a month, or the run's end.
    void PlayMonth(const Sliders& sliders);
    // The answer to the event just told by eventDue; none leaves the event unanswered.
    void Answer(int answer) { answer_ = answer; }
    // Keeps the options and writes them when they changed.
    void SetOptions(const GameOptions& options);
    // Enters a clear's score under `name` and writes the profile at once: a display that goes
    // away ends the program without its exit.
    void EnterRanking(const QString& name, std::uint32_t score);
    // Writes what the program has not saved yet; once, when the main window closes. A clear
    // whose name is still being typed is entered with what was typed.
    void Close(const QString& typedName);
    // The desktop session or a signal is ending the program: nothing may wait for the player
    // now, so a failed save is told on standard error.
    void EndingSession() { sessionEnding_ = true; }

signals:
    // The timer asks for the next month; the board answers with PlayMonth and its sliders.
    void monthDue();
    void monthPlayed(const MonthLog& log);
    // An event must be answered before the month goes on: a direct connection calls Answer.
    void eventDue(int index);
    void runEnded(RunOutcome outcome, std::uint32_t score);
    // A save failed, or its entries may yet be written over: the text tells which and why.
    void saveTrouble(const QString& text, MessageBoxKind kind);

private:
    int AskAnswer(int index);
    void AddEntry(const std::string& name, std::uint32_t score);
    // Merges this run's entries and changed options not saved yet into the profile; true when
    // saved.
    bool SaveProfile();
    void Tell(const QString& text, MessageBoxKind kind);
    void TellNotSaved();

    GameOptions options_;
    GameOptions loadedOptions_;
    RankingTable ranking_;
    Random15 random_;
    Run run_;
    QTimer turnTimer_;
    std::unique_ptr<IniProfile> profile_;
    std::vector<RankingEntry> newEntries_;
    // Entries saved without the lock, not yet found in the file under it.
    std::vector<RankingEntry> unsure_;
    // A clear's score from the run's end until its entry is made.
    std::optional<std::uint32_t> pendingClear_;
    int answer_ = -1;
    bool sessionEnding_ = false;
    bool closed_ = false;
    bool saveFailed_ = false;
};

}  // namespace zormade
