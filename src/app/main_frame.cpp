#include "app/main_frame.h"

#include <QCloseEvent>
#include <QMenuBar>

#include "game/zormade_view.h"
#include "platform/resources.h"
#include "platform/string_ids.h"

namespace zormade {
namespace {
constexpr int kMenuId = 128;
constexpr int kExitCommand = 57665;
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
    // The decoration is known only once the window exists on the platform.
    create();
    const QSize decoration = frameGeometry().size() - geometry().size();
    setFixedSize(QSize(width, height) - decoration);
    move(x, y);
}

bool CMainFrame::OnCommand(int id) {
    if (id != kExitCommand) return false;
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
