// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "core/monthly_turn.h"
#include "platform/control_ids.h"
#include "platform/template_dialog.h"

namespace zormade {

// Closes a run: the title, the ending picture of its outcome and the message.
class RunResultDialog : public TemplateDialog, public RunResultDialogIds {
    Q_OBJECT
public:
    // Capture and Clear draw their picture; the others none.
    RunResultDialog(RunOutcome outcome, const QString& title, const QString& message,
                    QWidget* parent = nullptr);

protected:
    // The picture is drawn again, from a freshly loaded bitmap, whenever the dialog is painted.
    void paintEvent(QPaintEvent* event) override;

private:
    RunOutcome outcome_;
};

}  // namespace zormade
