#pragma once

#include <memory>

#include "app/main_frame.h"
#include "app/zormade_doc.h"
#include "game/zormade_view.h"
#include "platform/commands.h"

namespace zormade {

// The one application object: start-up, the main window with its document and view, exit.
class CZormadeApp : public CommandTarget {
public:
    CZormadeApp();
    ~CZormadeApp() override;

    // Runs the start-up; false ends the program before its event loop.
    bool InitInstance();
    bool OnCommand(int id) override;

    CMainFrame* Frame() const { return frame_.get(); }
    CZormadeView* View() const { return view_; }

private:
    int m_nOpeningOff = 0;
    CZormadeDoc document_;
    std::unique_ptr<CMainFrame> frame_;
    CZormadeView* view_ = nullptr;
};

}  // namespace zormade
