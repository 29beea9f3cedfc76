// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/cdialog.h"

namespace zormade {

class PictureControl;

// The title picture over the starting program. It has no behaviour of its own: the application
// shows it, places it and takes it away again.
class COpeningDlg : public CDialog {
    Q_OBJECT
public:
    explicit COpeningDlg(QWidget* parent = nullptr) : CDialog(kTemplateId, parent) {
        // The program ends with its main window, even while the picture is still up.
        setAttribute(Qt::WA_QuitOnClose, false);
    }
    static constexpr int kTemplateId = 130;
    static constexpr ControlId<PictureControl> kPictureId{1000};
};

}  // namespace zormade
