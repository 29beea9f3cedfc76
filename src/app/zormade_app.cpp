#include "app/zormade_app.h"

#include "platform/ini_profile.h"
#include "platform/main_window.h"

namespace zormade {

CZormadeApp::CZormadeApp() = default;

CZormadeApp::~CZormadeApp() { SetMainWindow(nullptr); }

bool CZormadeApp::InitInstance() {
    IniProfile profile;
    m_nOpeningOff = profile.GetProfileInt("Option", "Opening", 0);

    frame_ = std::make_unique<CMainFrame>();
    view_ = new CZormadeView;
    if (!frame_->LoadFrame(view_)) return false;
    frame_->Router().SetRoute({view_, &document_, frame_.get(), this});
    SetMainWindow(frame_.get());
    if (!document_.OnNewDocument()) return false;
    view_->OnInitialUpdate();
    frame_->show();
    return true;
}

bool CZormadeApp::OnCommand(int) { return false; }

}  // namespace zormade
