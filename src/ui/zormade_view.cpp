// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/zormade_view.h"

#include <QListWidget>
#include <QProgressBar>
#include <QSlider>
#include <cstdio>
#include <ctime>

#include "core/rules.h"
#include "core/run_settings.h"
#include "platform/announcer.h"
#include "platform/ini_profile.h"
#include "platform/main_window.h"
#include "platform/message_box.h"
#include "platform/multi_line_edit.h"
#include "platform/resources.h"
#include "platform/string_ids.h"
#include "ui/board_news.h"
#include "ui/briefing_dlg.h"
#include "ui/end_dlg.h"
#include "ui/event_dlg.h"
#include "ui/event_text.h"
#include "ui/graph_dlg.h"
#include "ui/month_log_text.h"
#include "ui/option_dlg.h"
#include "ui/rank_in_dlg.h"
#include "ui/ranking_dlg.h"
#include "ui/run_end_text.h"

namespace zormade {
namespace {

constexpr int kSliderMax = 25;
// Names are kept at any length, but no name control shows more characters than this, even
// in its narrowest letters.
constexpr std::size_t kShownNameCharacters = 48;

struct BarAndSlider {
    ControlId<QProgressBar> bar;
    ControlId<QSlider> slider;
};
constexpr BarAndSlider kPanelPairs[] = {
    {IDC_PROGRESS_STAMINA, IDC_SLIDER_DOSE},
    {IDC_PROGRESS_TRUST, IDC_SLIDER_DONATION},
    {IDC_PROGRESS_RIVAL, IDC_SLIDER_DEMAND},
    {IDC_PROGRESS_SUSPICION, IDC_SLIDER_COUNTER},
};

QString ShownName(const std::string& name) {
    std::size_t end = 0;
    for (std::size_t characters = 0; end < name.size() && characters < kShownNameCharacters;
         ++characters) {
        ++end;
        while (end < name.size() && (static_cast<unsigned char>(name[end]) & 0xC0) == 0x80) ++end;
    }
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(end));
}

}  // namespace

CZormadeView::CZormadeView(QWidget* parent)
    : CFormView(kTemplateId, parent), run_([this] { return ThreeWayOf(random_.Next()); }) {
    turnTimer_.setTimerType(Qt::PreciseTimer);
    connect(&turnTimer_, &QTimer::timeout, this, &CZormadeView::OnTimer);
}

CZormadeView::~CZormadeView() = default;

void CZormadeView::OnInitialUpdate() {
    profile_ = std::make_unique<IniProfile>();
    ranking_.Load(*profile_);
    options_.Load(*profile_);
    loadedOptions_ = options_;
    random_.Seed(static_cast<std::uint32_t>(std::time(nullptr)));
    if (QWidget* first = GetDlgItem(IDC_SLIDER_DOSE)) first->setFocus();
    ResetControls();
    RefreshStatus();
}

void CZormadeView::OnDestroy() {
    if (destroyed_) return;
    destroyed_ = true;
    turnTimer_.stop();
    if (pendingClear_) {
        const QString typed =
            nameEntry_ ? WindowText(nameEntry_->GetDlgItem(CRankInDlg::IDC_NAME)) : QString();
        AddEntry(typed.toStdString(), *pendingClear_);
    }
    if (!SaveProfile()) {
        saveFailed_ = true;
        TellNotSaved();
    } else if (!unsure_.empty()) {
        // Another copy may still write over them after this one has ended.
        Tell(LoadResourceString(IDS_PROFILE_ENTRIES_UNSURE).arg(EntryList(unsure_)),
             MessageBoxKind::Exclamation);
    }
}

QString CZormadeView::EntryList(const std::vector<RankingEntry>& entries) {
    QStringList lines;
    for (const RankingEntry& entry : entries) {
        lines << LoadResourceString(IDS_PROFILE_ENTRY)
                     .arg(QString::fromStdString(entry.name))
                     .arg(entry.points);
    }
    return lines.join(QStringLiteral("\r\n"));
}

void CZormadeView::TellNotSaved() {
    QString text =
        LoadResourceString(IDS_PROFILE_NOT_SAVED).arg(profile_->FailedPath(), profile_->Error());
    std::vector<RankingEntry> missing = unsure_;
    missing.insert(missing.end(), newEntries_.begin(), newEntries_.end());
    if (!missing.empty())
        text += "\r\n" + LoadResourceString(IDS_PROFILE_ENTRIES_UNSURE).arg(EntryList(missing));
    Tell(text, MessageBoxKind::Stop);
}

bool CZormadeView::SaveProfile() {
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

void CZormadeView::Tell(const QString& text, MessageBoxKind kind) {
    if (!sessionEnding_) {
        MessageBox(this, text, QString(), kind);
        return;
    }
    QString line = text;
    line.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    std::fprintf(stderr, "zormade: %s\n", line.toLocal8Bit().constData());
}

bool CZormadeView::OnCommand(int id) {
    switch (id) {
    case ID_GAME_START: OnGameStart(); return true;
    case ID_GAME_STOP: OnGameStop(); return true;
    case ID_GAME_PAUSE: OnGamePause(); return true;
    case ID_RANKING: OnRanking(); return true;
    case ID_OPTION: OnOption(); return true;
    case ID_GRAPH: OnGraph(); return true;
    default: return false;
    }
}

bool CZormadeView::OnUpdateCommand(CCmdUI& ui) {
    const AvailableCommands available = run_.Available();
    switch (ui.Id()) {
    case ID_GAME_START: ui.Enable(available.start); return true;
    case ID_GAME_STOP: ui.Enable(available.stop); return true;
    case ID_GAME_PAUSE:
        ui.Enable(available.pause);
        ui.SetText(LoadResourceString(run_.Paused() ? IDS_RESUME_ITEM : IDS_PAUSE_ITEM));
        return true;
    case ID_RANKING: ui.Enable(available.ranking); return true;
    case ID_OPTION: ui.Enable(available.options); return true;
    // Like the ranking, only between runs, and only once a run has played a month to show.
    case ID_GRAPH: ui.Enable(available.ranking && !run_.History().Months().empty()); return true;
    default: return false;
    }
}

void CZormadeView::DoDataExchange(DataExchange* pDX) {
    CFormView::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_EDIT_MONEY, shownMoney_);
    DDX_Text(pDX, IDC_EDIT_PATIENTS, shownPatients_);
    DDX_Text(pDX, IDC_EDIT_MONTH, shownMonth_);
    DDX_Text(pDX, IDC_EDIT_YEAR, shownYear_);
}

void CZormadeView::ResetControls() {
    for (const BarAndSlider& pair : kPanelPairs) {
        Control(pair.bar).setRange(0, rules::kScaleMax);
        QSlider& slider = Control(pair.slider);
        slider.setRange(0, kSliderMax);
        slider.setValue(0);
    }
    ClearLog();
}

void CZormadeView::RefreshStatus() {
    const GameState& state = run_.State();
    shownYear_ = state.year;
    shownMonth_ = state.month;
    shownMoney_ = state.values.money;
    shownPatients_ = state.values.patients;
    UpdateData(false);
    // The date reads as one line: the month no larger than the four digits of the year allow.
    const int yearSize = Control(IDC_EDIT_YEAR).font().pixelSize();
    Control(IDC_EDIT_MONTH).ShowNoLargerThan(yearSize);
    const std::pair<ControlId<QProgressBar>, int> bars[] = {
        {IDC_PROGRESS_STAMINA, state.values.stamina},
        {IDC_PROGRESS_TRUST, state.values.trust},
        {IDC_PROGRESS_RIVAL, state.values.rivalPower},
        {IDC_PROGRESS_SUSPICION, state.values.suspicion}};
    for (const auto& [id, value] : bars) {
        Control(id).setValue(value);
        ShowValueInTip(*this, id, value, rules::kScaleMax);
    }
}

void CZormadeView::ClearLog() {
    QListWidget& log = Control(IDC_LIST_LOG);
    for (int i = log.count() - 1; i >= 0; --i) delete log.takeItem(i);
}

void CZormadeView::DoMonthlyTurn() {
    ClearLog();
    const Sliders sliders{Control(IDC_SLIDER_DOSE).value(), Control(IDC_SLIDER_DONATION).value(),
                          Control(IDC_SLIDER_DEMAND).value(), Control(IDC_SLIDER_COUNTER).value()};
    const TickResult tick = run_.Tick(sliders, [this](int index) { return AnswerEvent(index); });
    if (tick.ended != RunOutcome::Going) {
        EndRun(tick);
        return;
    }
    QListWidget& log = Control(IDC_LIST_LOG);
    log.addItems(MonthLogText(tick.month.log));
    AnnounceLines(&log);
}

int CZormadeView::AnswerEvent(int index) {
    // A tick must not re-enter the turn while the event and its result box are open.
    turnTimer_.stop();
    CEventDlg dialog;
    dialog.LoadEvent(index);
    const int answer = dialog.AskAnswer();
    if (answer >= 0) {
        const QString result = EventResultText(index, answer);
        Announce(this, result);
        MessageBox(MainWindow(), result, LoadResourceString(IDS_RESULT_CAPTION),
                   MessageBoxKind::Plain);
    }
    turnTimer_.start(run_.TimerPeriod());
    return answer;
}

void CZormadeView::EndRun(const TickResult& tick) {
    turnTimer_.stop();
    CEndDlg dialog;
    dialog.outcome = tick.ended;
    if (tick.ended == RunOutcome::Capture) {
        dialog.endTitle = LoadResourceString(IDS_GAME_OVER_TITLE);
        dialog.endMessage = CaptureMessage(run_.History());
        Announce(this, dialog.endTitle + QLatin1Char('\n') + dialog.endMessage);
        dialog.DoModal();
    } else {
        dialog.endTitle = LoadResourceString(IDS_CLEAR_TITLE);
        dialog.endMessage = ScoreLineText(tick.score);
        pendingClear_ = tick.score;
        Announce(this, dialog.endTitle + QLatin1Char('\n') + dialog.endMessage);
        dialog.DoModal();
        if (!destroyed_) EnterRanking(tick.score);
        pendingClear_.reset();
    }
    ResetControls();
}

void CZormadeView::EnterRanking(std::uint32_t score) {
    const int place = ranking_.FindPlace(score);
    if (place == RankingTable::kNoPlace) return;
    CRankInDlg dialog;
    dialog.points = score;
    dialog.rank = static_cast<std::uint32_t>(place + 1);
    nameEntry_ = &dialog;
    dialog.DoModal();
    nameEntry_ = nullptr;
    // An ending session made the entry before the profile was written.
    if (destroyed_) return;
    AddEntry(dialog.name.toStdString(), score);
    // Now, not only at exit: a display that goes away ends the program without its exit.
    SaveProfile();
    ShowRanking();
}

void CZormadeView::AddEntry(const std::string& name, std::uint32_t score) {
    pendingClear_.reset();
    const int place = ranking_.FindPlace(score);
    if (place == RankingTable::kNoPlace) return;
    ranking_.InsertAt(place, name, score);
    newEntries_.push_back({ranking_.names[place], score});
}

void CZormadeView::ShowRanking() {
    CRankingDlg dialog;
    dialog.points = ranking_.points;
    for (std::size_t i = 0; i < dialog.names.size(); ++i) {
        dialog.names[i] = ShownName(ranking_.names[i]);
    }
    dialog.DoModal();
}

void CZormadeView::OnRanking() { ShowRanking(); }

void CZormadeView::OnGraph() {
    CGraphDlg dialog;
    dialog.history = run_.History();
    dialog.DoModal();
}

void CZormadeView::OnOption() {
    COptionDlg dialog;
    dialog.level = static_cast<int>(options_.level);
    dialog.speed = static_cast<int>(options_.speed);
    dialog.skipOpening = options_.skipOpening;
    if (dialog.DoModal() == IDOK) {
        options_.speed = static_cast<Speed>(dialog.speed);
        options_.level = static_cast<Level>(dialog.level);
        options_.skipOpening = dialog.skipOpening;
        if (options_ != loadedOptions_ && !SaveProfile()) TellNotSaved();
    }
}

void CZormadeView::OnTimer() {
    // A paused run leaves even the log as it was.
    if (run_.Paused()) return;
    DoMonthlyTurn();
    RefreshStatus();
}

void CZormadeView::OnGameStart() {
    CBriefingDlg briefing;
    briefing.DoModal();
    ResetControls();
    run_.Start(options_);
    turnTimer_.start(run_.TimerPeriod());
}

void CZormadeView::OnGamePause() {
    if (!run_.Paused()) {
        run_.SetPaused(true);
        MessageBox(this, LoadResourceString(IDS_PAUSE_TEXT), LoadResourceString(IDS_PAUSE_CAPTION),
                   MessageBoxKind::Exclamation);
    } else {
        MessageBox(this, LoadResourceString(IDS_RESUME_TEXT),
                   LoadResourceString(IDS_RESUME_CAPTION), MessageBoxKind::Exclamation);
        run_.SetPaused(false);
    }
}

void CZormadeView::OnGameStop() {
    run_.SetPaused(true);
    if (MessageBox(this, LoadResourceString(IDS_STOP_TEXT), LoadResourceString(IDS_STOP_CAPTION),
                   MessageBoxKind::YesNoQuestion)) {
        turnTimer_.stop();
        run_.Stop();
        ResetControls();
        RefreshStatus();
    } else {
        run_.SetPaused(false);
    }
}

}  // namespace zormade
