// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/game_app.h"

#include <QGuiApplication>
#include <QScreen>
#include <QThread>
#include <QWindow>

#include "core/centred_origin.h"
#include "core/picture_ids.h"
#include "platform/picture_control.h"
#include "platform/window_pos.h"
#include "ui/draw_picture.h"

namespace zormade {
namespace {
constexpr int kOpeningBitmap = pictures::kTitle.id;
constexpr QSize kOpeningSize(pictures::kTitle.shown.width, pictures::kTitle.shown.height);
constexpr std::uint32_t kOpeningMilliseconds = 2500;
}  // namespace

GameApp::GameApp(TickSource ticks) : ticks_(std::move(ticks)) {
    openingWake_.setSingleShot(true);
    openingWake_.setTimerType(Qt::PreciseTimer);
}

GameApp::~GameApp() = default;

bool GameApp::Start() {
    session_.Load();
    if (!session_.Options().skipOpening) ShowOpening();
    window_ = std::make_unique<MainWindow>(&session_);
    if (!window_->Build()) return false;
    window_->PlaceCentred();
    window_->show();
    if (opening_) KeepAbove(opening_.get(), window_.get());
    return true;
}

void GameApp::ShowOpening() {
    opening_ = std::make_unique<OpeningDialog>();
    if (!opening_->IsBuilt()) {
        opening_.reset();
        return;
    }
    const QRect desktop = QGuiApplication::primaryScreen()->geometry();
    const Origin origin =
        CentredOrigin(desktop.x(), desktop.y(), desktop.x() + desktop.width(),
                      desktop.y() + desktop.height(), kOpeningSize.width(), kOpeningSize.height());
    // Placed before it is first shown, so that it never appears at another size or place first.
    ShowOnTop(opening_.get(), QRect(QPoint(origin.x, origin.y), kOpeningSize));
    openingStart_ = ticks_();
    PictureControl& picture = opening_->Control(OpeningDialog::kPictureId);
    picture.setGeometry(QRect(QPoint(0, 0), kOpeningSize));
    DrawPicture(*opening_, OpeningDialog::kPictureId.id, kOpeningBitmap, kOpeningSize, kOpeningSize,
                PictureMode::Copy);
    idle_.Start([this] { OnIdle(); });
}

void GameApp::OnIdle() {
    if (!opening_) return;
    // Unsigned, so the difference stays right when the tick counter wraps past 2^32.
    const std::uint32_t elapsed = ticks_() - openingStart_;
    if (elapsed < kOpeningMilliseconds) {
        if (!openingWake_.isActive()) {
            openingWake_.start(static_cast<int>(kOpeningMilliseconds - elapsed));
        }
        return;
    }
    opening_->hide();
    opening_.reset();
    idle_.Stop();
}

void GameApp::EndSession() {
    session_.EndingSession();
    if (window_) window_->close();
    // Once the main loop has ended there is no loop left to end.
    if (QThread::currentThread()->loopLevel() > 0) QCoreApplication::exit(0);
}

}  // namespace zormade
