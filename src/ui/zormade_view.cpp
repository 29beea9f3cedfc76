// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/zormade_view.h"

#include <QGuiApplication>
#include <QListWidget>
#include <QProgressBar>
#include <QScreen>
#include <QSlider>
#include <cstdio>
#include <ctime>

#include "core/centred_origin.h"
#include "ui/main_frame.h"
#include "ui/end_dlg.h"
#include "ui/event_dlg.h"
#include "ui/graph_dlg.h"
#include "core/run_settings.h"
#include "platform/ini_profile.h"
#include "platform/message_box.h"
#include "platform/multi_line_edit.h"
#include "platform/resources.h"
#include "platform/string_ids.h"
#include "ui/option_dlg.h"
#include "ui/rank_in_dlg.h"
#include "ui/ranking_dlg.h"
#include "ui/board_news.h"
#include "ui/briefing_dlg.h"
#include "ui/run_end_text.h"

namespace zormade {
namespace {

constexpr int kTemplateId = 101;
constexpr int kSliderMax = 25;
constexpr int kBarMax = 5000;
// Names are kept at any length, but no name control shows more characters than this, even
// in its narrowest letters.
constexpr std::size_t kShownNameCharacters = 48;

struct BarAndSlider {
    int bar;
    int slider;
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
    : CFormView(kTemplateId, parent), timers_([this](int id) { OnTimer(id); }) {}

CZormadeView::~CZormadeView() = default;

void CZormadeView::OnInitialUpdate() {
    profile_ = std::make_unique<IniProfile>();
    ranking_.Load(*profile_);
    options_.Load(*profile_);
    loadedOptions_ = options_;
    random_.Seed(static_cast<std::uint32_t>(std::time(nullptr)));
    if (QWidget* first = GetDlgItem(IDC_PROGRESS_STAMINA)) first->setFocus();
    ResetGame();
    RefreshStatus();
    if (auto* frame = qobject_cast<CMainFrame*>(window())) {
        const QRect desktop = QGuiApplication::primaryScreen()->geometry();
        const QSize outer = size() + kFrameAround;
        const Origin origin = KeptOnDesktop(
            CentredOrigin(desktop.x() + desktop.width(), desktop.y() + desktop.height(), outer.width(),
                          outer.height()),
            desktop.x(), desktop.y());
        frame->MoveWindow(origin.x, origin.y, outer.width(), outer.height());
    }
}

void CZormadeView::OnDestroy() {
    if (destroyed_) return;
    destroyed_ = true;
    timers_.KillTimer(TURN_TIMER_ID);
    if (pendingClear_) {
        const QString typed = nameEntry_ ? WindowText(nameEntry_->GetDlgItem(CRankInDlg::IDC_NAME))
                                         : QString();
        AddEntry(typed.toStdString(), *pendingClear_);
    }
    if (!profile_) profile_ = std::make_unique<IniProfile>();
    ProfileChanges changes{newEntries_, std::nullopt};
    if (options_ != loadedOptions_) changes.options = options_;
    if (!profile_->Flush([&changes](ProfileStore& stored) { ApplyChanges(stored, changes); })) {
        ReportNotSaved();
    }
}

void CZormadeView::ReportNotSaved() {
    const QString text =
        LoadResourceString(IDS_PROFILE_NOT_SAVED).arg(profile_->Path(), profile_->Error());
    if (!sessionEnding_) {
        MessageBox(this, text, QString(), MB_OK | MB_ICONSTOP);
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
    case ID_HELP: OnHelp(); return true;
    default: return false;
    }
}

bool CZormadeView::OnUpdateCommand(CCmdUI& ui) {
    switch (ui.Id()) {
    case ID_GAME_START: ui.Enable(state_.startEnabled != 0); return true;
    case ID_GAME_STOP: ui.Enable(state_.stopEnabled != 0); return true;
    case ID_GAME_PAUSE:
        ui.Enable(state_.pauseEnabled != 0);
        ui.SetText(LoadResourceString(state_.paused ? IDS_RESUME_ITEM : IDS_PAUSE_ITEM));
        return true;
    case ID_RANKING: ui.Enable(state_.rankingEnabled != 0); return true;
    case ID_OPTION: ui.Enable(state_.optionsEnabled != 0); return true;
    // Like the ranking, only between runs, and only once a run has played a month to show.
    case ID_GRAPH: ui.Enable(state_.rankingEnabled != 0 && !history_.Months().empty()); return true;
    default: return false;
    }
}

void CZormadeView::DoDataExchange(DataExchange* pDX) {
    CFormView::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_EDIT_MONEY, shownMoney);
    DDX_Text(pDX, IDC_EDIT_PATIENTS, shownPatients);
    DDX_Text(pDX, IDC_EDIT_MONTH, shownMonth);
    DDX_Text(pDX, IDC_EDIT_YEAR, shownYear);
}

void CZormadeView::ResetGame() {
    ResetState(state_);
    for (const BarAndSlider& pair : kPanelPairs) {
        Item<QProgressBar>(pair.bar)->setRange(0, kBarMax);
        auto* slider = Item<QSlider>(pair.slider);
        slider->setRange(0, kSliderMax);
        slider->setValue(0);
    }
    ClearLog();
}

void CZormadeView::RefreshStatus() {
    shownYear = state_.year;
    shownMonth = state_.month;
    shownMoney = state_.money;
    shownPatients = state_.patients;
    UpdateData(false);
    // The date reads as one line: the month no larger than the four digits of the year allow.
    const int yearSize = Item<MultiLineEdit>(IDC_EDIT_YEAR)->font().pixelSize();
    Item<MultiLineEdit>(IDC_EDIT_MONTH)->ShowNoLargerThan(yearSize);
    const std::pair<int, int> bars[] = {{IDC_PROGRESS_STAMINA, state_.stamina},
                                        {IDC_PROGRESS_TRUST, state_.trust},
                                        {IDC_PROGRESS_RIVAL, state_.rivalPower},
                                        {IDC_PROGRESS_SUSPICION, state_.suspicion}};
    for (const auto& [id, value] : bars) {
        Item<QProgressBar>(id)->setValue(value);
        ShowValueInTip(*this, id, value, kBarMax);
    }
}

void CZormadeView::ClearLog() {
    auto* log = Item<QListWidget>(IDC_LIST_LOG);
    for (int i = log->count() - 1; i >= 0; --i) delete log->takeItem(i);
}

int CZormadeView::RandomOf3() { return ThreeWayOf(random_.Next()); }

bool CZormadeView::DoMonthlyTurn() {
    ClearLog();
    const RunEnd end = DueRunEnd(state_);
    if (end != RunEnd::None) {
        EndRun(end);
        return true;
    }
    const Sliders sliders{Item<QSlider>(IDC_SLIDER_DOSE)->value(),
                          Item<QSlider>(IDC_SLIDER_DONATION)->value(),
                          Item<QSlider>(IDC_SLIDER_DEMAND)->value(),
                          Item<QSlider>(IDC_SLIDER_COUNTER)->value()};
    int answer = -1;
    const MonthResult month = RunMonthlyUpdate(
        state_, sliders, [this] { return RandomOf3(); },
        [this, &answer](int index) { return ShowEvent(index, answer); });
    history_.Record(state_, month, answer);
    auto* log = Item<QListWidget>(IDC_LIST_LOG);
    for (const std::string& line : month.log) log->addItem(QString::fromStdString(line));
    AnnounceLines(log);
    return false;
}

StatusChange CZormadeView::ShowEvent(int index, int& answer) {
    // A tick must not re-enter the turn while the event and its result box are open.
    timers_.KillTimer(TURN_TIMER_ID);
    CEventDlg dialog;
    dialog.LoadEvent(index);
    dialog.DoModal();
    timers_.SetTimer(TURN_TIMER_ID, state_.timerPeriod);
    answer = dialog.selectedChoice;
    return {dialog.staminaDelta, dialog.moneyDelta, dialog.patientDelta,
            dialog.trustDelta,   dialog.rivalDelta, dialog.suspicionDelta};
}

void CZormadeView::EndRun(RunEnd end) {
    timers_.KillTimer(TURN_TIMER_ID);
    history_.End(end == RunEnd::Capture ? RunOutcome::Capture : RunOutcome::Clear);
    CEndDlg dialog;
    if (end == RunEnd::Capture) {
        dialog.endKind = 0;
        dialog.endTitle = LoadResourceString(IDS_GAME_OVER_TITLE);
        dialog.endMessage = CaptureMessage(history_);
        dialog.DoModal();
    } else {
        const std::uint32_t score = ClearScore(state_.patients, state_.money);
        dialog.endKind = 1;
        dialog.endTitle = LoadResourceString(IDS_CLEAR_TITLE);
        dialog.endMessage = QString::fromStdString(ScoreLine(score));
        pendingClear_ = score;
        dialog.DoModal();
        if (!destroyed_) EnterRanking(score);
        pendingClear_.reset();
    }
    ResetGame();
    RefreshStatus();
}

void CZormadeView::EnterRanking(std::uint32_t score) {
    const int place = ranking_.FindPlace(score);
    if (place == RankingTable::kNoPlace) return;
    CRankInDlg dialog;
    UpdateData(true);
    dialog.points = score;
    dialog.rank = static_cast<std::uint32_t>(place + 1);
    UpdateData(false);
    nameEntry_ = &dialog;
    dialog.DoModal();
    nameEntry_ = nullptr;
    // An ending session made the entry before the profile was written.
    if (destroyed_) return;
    AddEntry(dialog.name.toStdString(), score);
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
    UpdateData(true);
    dialog.points = ranking_.points;
    for (std::size_t i = 0; i < dialog.names.size(); ++i) {
        dialog.names[i] = ShownName(ranking_.names[i]);
    }
    UpdateData(false);
    dialog.DoModal();
}

void CZormadeView::OnRanking() { ShowRanking(); }

void CZormadeView::OnGraph() {
    CGraphDlg dialog;
    dialog.history = history_;
    dialog.DoModal();
}

void CZormadeView::OnOption() {
    COptionDlg dialog;
    UpdateData(true);
    dialog.level = options_.level;
    dialog.speed = options_.speed;
    dialog.skipOpening = options_.skipOpening;
    if (dialog.DoModal() == IDOK) {
        options_.speed = dialog.speed;
        options_.level = dialog.level;
        options_.skipOpening = dialog.skipOpening;
    }
}

void CZormadeView::OnTimer(int) {
    if (state_.paused) return;
    if (!DoMonthlyTurn()) AdvanceDate(state_);
    RefreshStatus();
}

void CZormadeView::OnGameStart() {
    CBriefingDlg briefing;
    briefing.DoModal();
    ResetGame();
    history_.Begin();
    state_.timerPeriod = TimerPeriodFor(options_.speed);
    state_.levelFactor = LevelFactorFor(options_.level);
    timers_.SetTimer(TURN_TIMER_ID, state_.timerPeriod);
    MarkRunning(state_);
}

void CZormadeView::OnGamePause() {
    if (state_.paused == 0) {
        state_.paused = 1;
        state_.startEnabled = 0;
        state_.stopEnabled = 1;
        state_.pauseEnabled = 1;
        MessageBox(this, LoadResourceString(IDS_PAUSE_TEXT), LoadResourceString(IDS_PAUSE_CAPTION),
                   MB_OK | MB_ICONEXCLAMATION);
    } else {
        MessageBox(this, LoadResourceString(IDS_RESUME_TEXT), LoadResourceString(IDS_RESUME_CAPTION),
                   MB_OK | MB_ICONEXCLAMATION);
        state_.paused = 0;
    }
}

void CZormadeView::OnGameStop() {
    state_.paused = 1;
    const int answer = MessageBox(this, LoadResourceString(IDS_STOP_TEXT),
                                  LoadResourceString(IDS_STOP_CAPTION), MB_YESNO | MB_ICONQUESTION);
    if (answer == IDYES) {
        timers_.KillTimer(TURN_TIMER_ID);
        history_.End(RunOutcome::Stopped);
        ResetGame();
        RefreshStatus();
    } else {
        state_.paused = 0;
    }
}

}  // namespace zormade
