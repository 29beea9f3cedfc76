// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSlider>

#include "core/centred_origin.h"
#include "platform/announcer.h"
#include "platform/frame_placement.h"
#include "platform/menu_resource.h"
#include "platform/resources.h"
#include "platform/text_ids.h"
#include "ui/about_dialog.h"
#include "ui/board.h"
#include "ui/briefing_dialog.h"
#include "ui/event_dialog.h"
#include "ui/event_text.h"
#include "ui/graph_dialog.h"
#include "ui/month_log_text.h"
#include "ui/options_dialog.h"
#include "ui/rank_in_dialog.h"
#include "ui/ranking_dialog.h"
#include "ui/run_end_text.h"
#include "ui/run_result_dialog.h"

namespace zormade {
namespace {
constexpr int kMenuId = 128;
}  // namespace

MainWindow::MainWindow(GameSession* session) : session_(session) {
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setWindowTitle(ResourceText(TextId::Title));
    setWindowIcon(AppIcon());
}

bool MainWindow::Build() {
    if (!BuildMenuBar(kMenuId, menuBar())) return false;
    auto* board = new Board(this);
    if (!board->Build(Board::kFrameAround)) {
        delete board;
        return false;
    }
    board_ = board;
    setCentralWidget(board_);
    ConnectCommands();
    ConnectSession();
    board_->Control(Board::kDoseSlider).setFocus();
    board_->ResetControls();
    board_->ShowState(session_->State());
    return true;
}

QAction* MainWindow::Command(const QString& name) const { return MenuAction(menuBar(), name); }

void MainWindow::ConnectCommands() {
    const std::pair<const char*, void (MainWindow::*)()> handlers[] = {
        {"start", &MainWindow::StartGame}, {"pause", &MainWindow::TogglePause},
        {"stop", &MainWindow::StopGame},   {"ranking", &MainWindow::ShowRanking},
        {"graph", &MainWindow::ShowGraph}, {"options", &MainWindow::ShowOptions},
        {"about", &MainWindow::ShowAbout}};
    for (const auto& [name, handler] : handlers) {
        if (QAction* action = Command(QLatin1String(name)))
            connect(action, &QAction::triggered, this, handler);
    }
    if (QAction* exit = Command(QStringLiteral("exit")))
        connect(exit, &QAction::triggered, this, &QWidget::close);
    for (QMenu* menu : menuBar()->findChildren<QMenu*>())
        connect(menu, &QMenu::aboutToShow, this, &MainWindow::UpdateCommands);
}

void MainWindow::ConnectSession() {
    connect(session_, &GameSession::MonthDue, this, &MainWindow::PlayMonth);
    connect(session_, &GameSession::MonthPlayed, board_, &Board::ShowMonth);
    connect(session_, &GameSession::EventDue, this, &MainWindow::AnswerEvent, Qt::DirectConnection);
    connect(session_, &GameSession::RunEnded, this, &MainWindow::EndRun);
    connect(session_, &GameSession::SaveTrouble, this,
            [this](const QString& text, MessageBoxKind kind) { Tell(text, QString(), kind); });
}

void MainWindow::UpdateCommands() {
    const Run& run = session_->GameRun();
    const AvailableCommands available = run.Available();
    const std::pair<const char*, bool> enabled[] = {
        {"start", available.start},
        {"stop", available.stop},
        {"pause", available.pause},
        {"ranking", available.ranking},
        {"options", available.options},
        // Like the ranking, only between runs, and only once a run has played a month to show.
        {"graph", available.ranking && !run.History().Months().empty()}};
    for (const auto& [name, on] : enabled) {
        if (QAction* action = Command(QLatin1String(name))) action->setEnabled(on);
    }
    if (QAction* pause = Command(QStringLiteral("pause")))
        pause->setText(ResourceText(run.Paused() ? TextId::ResumeItem : TextId::PauseItem));
}

void MainWindow::PlaceCentred() {
    const QRect desktop = QGuiApplication::primaryScreen()->geometry();
    const QSize outer = board_->size() + Board::kFrameAround;
    const Origin origin =
        KeptOnDesktop(CentredOrigin(desktop.x(), desktop.y(), desktop.x() + desktop.width(),
                                    desktop.y() + desktop.height(), outer.width(), outer.height()),
                      desktop.x(), desktop.y());
    if (!placement_) placement_ = new FramePlacement(this);
    placement_->Place(QRect(QPoint(origin.x, origin.y), outer));
}

void MainWindow::StartGame() {
    BriefingDialog(this).exec();
    board_->ResetControls();
    session_->Start();
}

void MainWindow::TogglePause() {
    if (!session_->GameRun().Paused()) {
        session_->SetPaused(true);
        Tell(ResourceText(TextId::PauseText), ResourceText(TextId::PauseCaption),
             MessageBoxKind::Exclamation);
    } else {
        Tell(ResourceText(TextId::ResumeText), ResourceText(TextId::ResumeCaption),
             MessageBoxKind::Exclamation);
        session_->SetPaused(false);
    }
}

void MainWindow::StopGame() {
    session_->SetPaused(true);
    if (Tell(ResourceText(TextId::StopText), ResourceText(TextId::StopCaption),
             MessageBoxKind::YesNoQuestion)) {
        session_->Stop();
        board_->ResetControls();
        board_->ShowState(session_->State());
    } else {
        session_->SetPaused(false);
    }
}

void MainWindow::ShowRanking() { RankingDialog(session_->Ranking(), this).exec(); }

void MainWindow::ShowGraph() { GraphDialog(session_->GameRun().History(), this).exec(); }

void MainWindow::ShowOptions() {
    OptionsDialog dialog(session_->Options(), this);
    if (dialog.exec() == QDialog::Accepted) session_->SetOptions(dialog.Chosen());
}

void MainWindow::ShowAbout() { AboutDialog(this).exec(); }

void MainWindow::PlayMonth() {
    board_->ClearLog();
    session_->PlayMonth(board_->ChosenSliders());
    board_->ShowState(session_->State());
}

int MainWindow::AnswerEvent(int index) {
    EventDialog dialog(index, this);
    const int answer = dialog.AskAnswer();
    session_->Answer(answer);
    if (answer < 0) return answer;
    const QString result = EventResultText(index, answer);
    Announce(this, result);
    Tell(result, ResourceText(TextId::ResultCaption), MessageBoxKind::Plain);
    return answer;
}

void MainWindow::EndRun(RunOutcome outcome, std::uint32_t score) {
    if (outcome == RunOutcome::Capture) {
        ShowEnd(outcome, ResourceText(TextId::GameOverTitle),
                CaptureMessage(session_->GameRun().History()));
    } else {
        ShowEnd(outcome, ResourceText(TextId::ClearTitle), ScoreLineText(score));
        if (!session_->Closed()) EnterRanking(score);
    }
    board_->ResetControls();
}

void MainWindow::ShowEnd(RunOutcome outcome, const QString& title, const QString& message) {
    Announce(this, title + QLatin1Char('\n') + message);
    RunResultDialog(outcome, title, message, this).exec();
}

void MainWindow::EnterRanking(std::uint32_t score) {
    const int place = session_->Ranking().FindPlace(score);
    if (place == RankingTable::kNoPlace) return;
    RankInDialog dialog(score, place + 1, this);
    nameEntry_ = &dialog;
    const bool accepted = dialog.exec() == QDialog::Accepted;
    nameEntry_ = nullptr;
    if (session_->Closed()) return;
    session_->EnterRanking(accepted ? dialog.Name() : QString(), score);
    ShowRanking();
}

bool MainWindow::Tell(const QString& text, const QString& caption, MessageBoxKind kind) {
    return ShowMessageBox(this, text, caption, kind);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    session_->Close(nameEntry_ ? nameEntry_->Name() : QString());
    event->accept();
}

}  // namespace zormade
