// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main_frame.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QWindow>

#include "core/centred_origin.h"
#include "platform/resources.h"
#include "platform/string_ids.h"
#include "ui/zormade_view.h"

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
    if (!view->Create(CZormadeView::kFrameAround)) return false;
    view_ = view;
    setCentralWidget(view);
    return true;
}

void CMainFrame::PlaceCentred() {
    const QRect desktop = QGuiApplication::primaryScreen()->geometry();
    const QSize outer = view_->size() + CZormadeView::kFrameAround;
    const Origin origin =
        KeptOnDesktop(CentredOrigin(desktop.x(), desktop.y(), desktop.x() + desktop.width(),
                                    desktop.y() + desktop.height(), outer.width(), outer.height()),
                      desktop.x(), desktop.y());
    MoveWindow(origin.x, origin.y, outer.width(), outer.height());
}

void CMainFrame::MoveWindow(int x, int y, int width, int height) {
    outer_ = QRect(x, y, width, height);
    placementsLeft_ = 10;
    create();
    windowHandle()->installEventFilter(this);
    // The window manager may tell the size of its decoration after the last expose, move and
    // resize: hear it from the window's properties.
    propertyWatch_ = std::make_unique<WindowPropertyWatch>(windowHandle(), [this] { Refit(); });
    FitOuterFrame();
}

void CMainFrame::FitOuterFrame() {
    frame_ = windowHandle()->frameMargins();
    setFixedSize(outer_.size().shrunkBy(frame_));
    // A Wayland compositor places every window itself and ignores what a program asks; once in
    // place the window is the player's to move.
    if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland")) &&
        placementsLeft_ > 0) {
        // The client's place from the frame we know, not Qt's own idea of the frame, which it
        // marks stale at each event of the window manager's and so may use before it is known.
        windowHandle()->setPosition(outer_.topLeft() + QPoint(frame_.left(), frame_.top()));
    }
}

void CMainFrame::Refit() {
    if (windowHandle()->frameMargins() != frame_) {
        FitOuterFrame();
    } else if (placementsLeft_ > 0 && !frame_.isNull() && windowHandle()->isExposed()) {
        // A window manager that insists on another place must not make us fight it for ever.
        placementsLeft_ = windowHandle()->frameGeometry() == outer_ ? 0 : placementsLeft_ - 1;
        if (placementsLeft_ > 0) FitOuterFrame();
    }
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    // Fit again whenever the decoration changes, and move again while the decorated frame is
    // not where it was asked.
    const QEvent::Type type = event->type();
    if (watched == windowHandle() &&
        (type == QEvent::Expose || type == QEvent::Move || type == QEvent::Resize)) {
        Refit();
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
