// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/control_ids.h"
#include "platform/template_dialog.h"

namespace zormade {

// The title picture over the starting program. It has no behaviour of its own: the application
// shows it, places it and takes it away again.
class OpeningDialog : public TemplateDialog, public OpeningDialogIds {
    Q_OBJECT
public:
    explicit OpeningDialog(QWidget* parent = nullptr) : TemplateDialog(kTemplateId, parent) {
        // The program ends with its main window, even while the picture is still up.
        setAttribute(Qt::WA_QuitOnClose, false);
    }
};

}  // namespace zormade
