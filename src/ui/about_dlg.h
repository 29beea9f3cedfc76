// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/cdialog.h"

namespace zormade {

// The program's icon, name and version.
class CAboutDlg : public CDialog {
    Q_OBJECT
public:
    CAboutDlg() : CDialog(kTemplateId) {}
    static constexpr int kTemplateId = 100;
};

}  // namespace zormade
