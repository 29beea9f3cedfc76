// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/game_session.h"

#include <QStringList>
#include <cstdio>
#include <ctime>

#include "platform/ini_profile.h"
#include "platform/resources.h"
#include "platform/text_ids.h"

namespace zormade {
namespace {

QString EntryList(const std::vector<RankingEntry>& entries) {
    QStringList lines;
    for (const RankingEntry& entry : entries) {
        // In one pass: a name holding "%2" is shown as it is.
        lines << ResourceText(TextId::ProfileEntry)
                     .arg(QString::fromStdString(entry.name), QString::number(entry.points));
    }
    return lines.join(QStringLiteral("\r\n"));
}

}  // namespace

GameSession::GameSession(QObject* parent)
    : QObject(parent), run_([this] { return ThreeWayOf(random_.Next()); }) {
    turnTimer_.setTimerType(Qt::PreciseTimer);
    connect(&turnTimer_, &QTimer::timeout, this, &GameSession::Tick);
}

GameSession::~GameSession() = default;

void GameSession::Load() {
    profile_ = std::make_unique<IniProfile>();
    ranking_.Load(*profile_);
    options_.Load(*profile_);
    loadedOptions_ = options_;
    random_.Seed(static_cast<std::uint32_t>(std::time(nullptr)));
}

void GameSession::Start() {
    run_.Start(options_);
    turnTimer_.start(run_.TimerPeriod());
}

void GameSession::Tick() {
    // A paused run leaves even the log as it was.
    if (!run_.Paused()) emit MonthDue();
}

void GameSession::Stop() {
    turnTimer_.stop();
    run_.Stop();
}

void GameSession::PlayMonth(const Sliders& sliders) {
    const TickResult tick = run_.Tick(sliders, [this](int index) { return AskAnswer(index); });
    if (tick.held) return;
    if (tick.ended == RunOutcome::Going) {
        emit MonthPlayed(tick.month.log);
        return;
    }
    turnTimer_.stop();
    if (tick.ended == RunOutcome::Clear) pendingClear_ = tick.score;
    emit RunEnded(tick.ended, tick.score);
    // A score that made no place was never entered.
    pendingClear_.reset();
}

int GameSession::AskAnswer(int index) {
    // A tick must not re-enter the turn while the event and its result box are open.
    turnTimer_.stop();
    answer_ = -1;
    emit EventDue(index);
    if (!closed_) turnTimer_.start(run_.TimerPeriod());
    return answer_;
}

void GameSession::SetOptions(const GameOptions& options) {
    options_ = options;
    if (options_ != loadedOptions_ && !SaveProfile()) TellNotSaved();
}

void GameSession::EnterRanking(const QString& name, std::uint32_t score) {
    // An ending session made the entry before the profile was written.
    if (closed_) return;
    AddEntry(name.toStdString(), score);
    SaveProfile();
}

void GameSession::AddEntry(const std::string& name, std::uint32_t score) {
    pendingClear_.reset();
    const int place = ranking_.FindPlace(score);
    if (place == RankingTable::kNoPlace) return;
    ranking_.InsertAt(place, name, score);
    newEntries_.push_back({ranking_.names[place], score});
}

void GameSession::Close(const QString& typedName) {
    if (closed_) return;
    closed_ = true;
    turnTimer_.stop();
    if (pendingClear_) AddEntry(typedName.toStdString(), *pendingClear_);
    if (!SaveProfile()) {
        saveFailed_ = true;
        TellNotSaved();
    } else if (!unsure_.empty()) {
        // Another copy may still write over them after this one has ended.
        Tell(ResourceText(TextId::ProfileEntriesUnsure).arg(EntryList(unsure_)),
             MessageBoxKind::Exclamation);
    }
}

bool GameSession::SaveProfile() {
    if (!profile_) profile_ = std::make_unique<IniProfile>();
    ProfileChanges changes{newEntries_, std::nullopt, unsure_};
    if (options_ != loadedOptions_) changes.options = options_;
    const bool own = !changes.entries.empty() || !changes.unsure.empty() || changes.options;
    if (!profile_->Flush([&changes](ProfileStore& stored) { ApplyChanges(stored, changes); },
                         own)) {
        return false;
    }
    // Saved without the lock, an entry stays unsure until a save under the lock finds it.
    if (profile_->Locked()) {
        unsure_.clear();
    } else {
        unsure_.insert(unsure_.end(), newEntries_.begin(), newEntries_.end());
    }
    newEntries_.clear();
    loadedOptions_ = options_;
    if (!profile_->Notice().isEmpty()) Tell(profile_->Notice(), MessageBoxKind::Exclamation);
    return true;
}

void GameSession::Tell(const QString& text, MessageBoxKind kind) {
    if (!sessionEnding_) {
        emit SaveTrouble(text, kind);
        return;
    }
    QString line = text;
    line.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    std::fprintf(stderr, "zormade: %s\n", line.toLocal8Bit().constData());
}

void GameSession::TellNotSaved() {
    QString text =
        ResourceText(TextId::ProfileNotSaved).arg(profile_->FailedPath(), profile_->Error());
    std::vector<RankingEntry> missing = unsure_;
    missing.insert(missing.end(), newEntries_.begin(), newEntries_.end());
    if (!missing.empty())
        text += "\r\n" + ResourceText(TextId::ProfileEntriesUnsure).arg(EntryList(missing));
    Tell(text, MessageBoxKind::Stop);
}

}  // namespace zormade
