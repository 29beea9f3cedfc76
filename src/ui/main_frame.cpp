// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main_frame.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenuBar>
#include <QWindow>

#include "ui/zormade_view.h"
#include "platform/resources.h"
#include "platform/string_ids.h"

namespace zormade {
namespace {
constexpr int kMenuId = 128;
}  // namespace

CMainFrame::CMainFrame() {
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setWindowTitle(LoadResourceString(IDS_TITLE));
    setWindowIcon(LoadAppIcon());
}

bool CMainFrame::LoadFrame(CZormadeView* view) {
    if (!router_.BuildMenuBar(kMenuId, menuBar())) return false;
    if (!view->Create()) return false;
    view_ = view;
    setCentralWidget(view);
    return true;
}

void CMainFrame::MoveWindow(int x, int y, int width, int height) {
    outer_ = QRect(x, y, width, height);
    placementsLeft_ = 3;
    create();
    windowHandle()->installEventFilter(this);
    FitOuterFrame();
}

void CMainFrame::FitOuterFrame() {
    frame_ = windowHandle()->frameMargins();
    setFixedSize(outer_.size().shrunkBy(frame_));
    // A Wayland compositor places every window itself and ignores what a program asks.
    if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        move(outer_.topLeft());
    }
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    // The window manager tells the size of its decoration only once the window is mapped, and
    // under load may report the frame's place after the first expose: fit again whenever the
    // decoration changes, and move again while the decorated frame is not where it was asked.
    const QEvent::Type type = event->type();
    if (watched == windowHandle() && placementsLeft_ > 0 &&
        (type == QEvent::Expose || type == QEvent::Move || type == QEvent::Resize)) {
        if (windowHandle()->frameMargins() != frame_) {
            FitOuterFrame();
        } else if (!frame_.isNull()) {
            // Once in place the window is the player's to move.
            placementsLeft_ = frameGeometry() == outer_ ? 0 : placementsLeft_ - 1;
            if (placementsLeft_ > 0) FitOuterFrame();
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

bool CMainFrame::OnCommand(int id) {
    if (id != ID_APP_EXIT) return false;
    close();
    return true;
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (!closing_ && view_) {
        closing_ = true;
        view_->OnDestroy();
    }
    event->accept();
}

}  // namespace zormade
