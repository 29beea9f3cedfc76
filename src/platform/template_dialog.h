// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QPushButton;

#include "platform/template_controls.h"

namespace zormade {

// A dialog laid out from a numbered template, built as it is made. A template that cannot be
// read leaves it empty, and exec() then rejects at once.
class TemplateDialog : public QDialog, public TemplateControls {
    Q_OBJECT
public:
    // The templates' ids of the buttons that accept and reject their dialog.
    static constexpr ControlId<QPushButton> kAcceptButton{1};
    static constexpr ControlId<QPushButton> kRejectButton{2};

    explicit TemplateDialog(int templateId, QWidget* parent = nullptr);

    // Puts the focus on the first control that takes it, then runs the modal loop.
    int exec() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace zormade
