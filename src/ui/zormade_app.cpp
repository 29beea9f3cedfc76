// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/zormade_app.h"

#include <QGuiApplication>
#include <QScreen>
#include <QThread>

#include "core/centred_origin.h"
#include "core/picture_ids.h"
#include "platform/ini_profile.h"
#include "platform/main_window.h"
#include "platform/window_pos.h"
#include "ui/about_dlg.h"
#include "ui/draw_picture.h"

namespace zormade {
namespace {
constexpr int kOpeningBitmap = pictures::kTitle.id;
constexpr int kOpeningWidth = pictures::kTitle.shown.width;
constexpr int kOpeningHeight = pictures::kTitle.shown.height;
constexpr std::uint32_t kOpeningMilliseconds = 2500;
}  // namespace

CZormadeApp::CZormadeApp(TickSource ticks) : ticks_(std::move(ticks)) {
    openingWake_.setSingleShot(true);
    openingWake_.setTimerType(Qt::PreciseTimer);
}

CZormadeApp::~CZormadeApp() { SetMainWindow(nullptr); }

bool CZormadeApp::InitInstance() {
    IniProfile profile;
    if (profile.GetProfileInt("Option", "Opening", 0) == 0) ShowOpening();

    frame_ = std::make_unique<CMainFrame>();
    view_ = new CZormadeView;
    if (!frame_->LoadFrame(view_)) return false;
    frame_->Router().SetRoute({view_, frame_.get(), this});
    SetMainWindow(frame_.get());
    view_->OnInitialUpdate();
    frame_->PlaceCentred();
    frame_->show();
    if (openingDlg_.IsWindow()) KeepAbove(&openingDlg_, frame_.get());
    return true;
}

void CZormadeApp::ShowOpening() {
    if (!openingDlg_.Create()) return;
    const QRect desktop = QGuiApplication::primaryScreen()->geometry();
    const Origin origin =
        CentredOrigin(desktop.x(), desktop.y(), desktop.x() + desktop.width(),
                      desktop.y() + desktop.height(), kOpeningWidth, kOpeningHeight);
    // Placed before it is first shown, so that it never appears at another size or place first.
    SetWindowPos(&openingDlg_, WindowLayer::TopMost, origin.x, origin.y, kOpeningWidth,
                 kOpeningHeight);
    openingStart_ = ticks_();
    MoveWindow(openingDlg_.GetDlgItem(COpeningDlg::kPictureId), 0, 0, kOpeningWidth,
               kOpeningHeight);
    DrawPicture(openingDlg_, COpeningDlg::kPictureId, kOpeningBitmap,
                QSize(kOpeningWidth, kOpeningHeight), QSize(kOpeningWidth, kOpeningHeight),
                PictureMode::Copy);
    idle_.Start([this] { OnIdle(); });
}

void CZormadeApp::OnIdle() {
    if (!openingDlg_.IsWindow()) return;
    // Unsigned, so the difference stays right when the tick counter wraps past 2^32.
    const std::uint32_t elapsed = ticks_() - openingStart_;
    if (elapsed < kOpeningMilliseconds) {
        if (!openingWake_.isActive()) {
            openingWake_.start(static_cast<int>(kOpeningMilliseconds - elapsed));
        }
        return;
    }
    openingDlg_.DestroyWindow();
    idle_.Stop();
}

void CZormadeApp::OnAppAbout() {
    CAboutDlg about;
    about.DoModal();
}

void CZormadeApp::OnEndSession() {
    if (view_) view_->EndingSession();
    if (frame_) frame_->close();
    // Once the main loop has ended there is no loop left to end.
    if (QThread::currentThread()->loopLevel() > 0) QCoreApplication::exit(0);
}

bool CZormadeApp::OnCommand(int id) {
    if (id != ID_APP_ABOUT) return false;
    OnAppAbout();
    return true;
}

}  // namespace zormade
