// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/run_history.h"
#include "platform/control_ids.h"
#include "platform/growing_layout.h"
#include "platform/template_dialog.h"

namespace zormade {

// The last run month by month: the four gauges on their shared scale, money and patients
// below them, the events with the answers taken, and one line on how the run ended. It opens at a
// share of a larger screen, and the player may make it larger still.
class GraphDialog : public TemplateDialog, public GraphDialogIds {
    Q_OBJECT
public:
    explicit GraphDialog(const RunHistory& history, QWidget* parent = nullptr);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void ShowRun();
    void WrapEventLines();
    void GrowWithTheScreen();

    // The charts keep a pointer to the months.
    RunHistory history_;
    QStringList eventLines_;  // each event's lines, as long as they are
    int wrappedAt_ = 0;
    GrowingLayout layout_;
    QSize smallest_;
};

}  // namespace zormade
