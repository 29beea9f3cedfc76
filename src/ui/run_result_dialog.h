// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "core/monthly_turn.h"
#include "platform/template_dialog.h"

namespace zormade {

class MultiLineEdit;
class PictureControl;

// Closes a run: the title, the ending picture of its outcome and the message.
class RunResultDialog : public TemplateDialog {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 139;
    static constexpr ControlId<PictureControl> kPictureId{1040};
    static constexpr ControlId<MultiLineEdit> kTitleId{1027};
    static constexpr ControlId<MultiLineEdit> kMessageId{1028};

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
