// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>
#include <memory>

#include "platform/commands.h"
#include "platform/window_properties.h"

namespace zormade {

class CZormadeView;

// The fixed-size main window: caption, system menu and minimise button, menu 128, no bars.
class CMainFrame : public QMainWindow, public CommandTarget {
    Q_OBJECT
public:
    CMainFrame();

    // Puts the menu and the view in place; false when the menu or the view cannot be built.
    bool LoadFrame(CZormadeView* view);
    CommandRouter& Router() { return router_; }
    CZormadeView* View() const { return view_; }
    // Centred on the desktop at the view's size, its title bar kept on it; before the first show.
    void PlaceCentred();
    // Outer size and position, as the desktop sees the window, decoration included.
    void MoveWindow(int x, int y, int width, int height);

    bool OnCommand(int id) override;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FitOuterFrame();
    void Refit();

    QRect outer_;
    QMargins frame_;
    // Moves still allowed to put the decorated frame where it was asked.
    int placementsLeft_ = 0;
    std::unique_ptr<WindowPropertyWatch> propertyWatch_;
    CommandRouter router_;
    CZormadeView* view_ = nullptr;
    bool closing_ = false;
};

}  // namespace zormade
