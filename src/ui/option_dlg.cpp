// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/option_dlg.h"

namespace zormade {

void COptionDlg::DoDataExchange(DataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Radio(pDX, IDC_LEVEL_FIRST, level);
    DDX_Radio(pDX, IDC_SPEED_FIRST, speed);
    DDX_Check(pDX, IDC_SKIP_OPENING, skipOpening);
}

}  // namespace zormade
