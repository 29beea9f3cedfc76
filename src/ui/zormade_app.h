// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTimer>
#include <cstdint>
#include <memory>

#include "platform/commands.h"
#include "platform/main_loop_idle.h"
#include "platform/tick_count.h"
#include "ui/main_frame.h"
#include "ui/opening_dlg.h"
#include "ui/zormade_view.h"

namespace zormade {

// The one application object: start-up, the opening picture, the main window with its view,
// the about box, exit.
class CZormadeApp : public CommandTarget {
public:
    // `ticks` is the millisecond clock that times the opening picture.
    explicit CZormadeApp(TickSource ticks = GetTickCount);
    ~CZormadeApp() override;

    // Runs the start-up; false ends the program before its event loop.
    bool InitInstance();
    // The main loop is about to sleep: takes the opening picture away once its time is up.
    void OnIdle();
    void OnAppAbout();
    // The session or a signal ends the program: the main window closes as at any exit, which
    // writes the profile, and every event loop ends, a modal dialog's too.
    void OnEndSession();
    bool OnCommand(int id) override;

    CMainFrame* Frame() const { return frame_.get(); }
    CZormadeView* View() const { return view_; }
    COpeningDlg& OpeningDlg() { return openingDlg_; }

private:
    void ShowOpening();

    COpeningDlg openingDlg_;
    std::uint32_t openingStart_ = 0;
    TickSource ticks_;
    MainLoopIdle idle_;
    // Wakes the sleeping main loop when the opening's time is up, so that its next sleep runs
    // OnIdle; nothing else would wake an untouched program.
    QTimer openingWake_;
    std::unique_ptr<CMainFrame> frame_;
    CZormadeView* view_ = nullptr;
};

}  // namespace zormade
