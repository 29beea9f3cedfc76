// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/template_dialog.h"

namespace zormade {

// The program's icon, name and version.
class AboutDialog : public TemplateDialog {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 100;
    explicit AboutDialog(QWidget* parent = nullptr) : TemplateDialog(kTemplateId, parent) {}
};

}  // namespace zormade
