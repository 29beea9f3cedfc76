// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/control_ids.h"
#include "platform/template_dialog.h"

namespace zormade {

// The program's icon, name and version.
class AboutDialog : public TemplateDialog, public AboutDialogIds {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent = nullptr) : TemplateDialog(kTemplateId, parent) {}
};

}  // namespace zormade
