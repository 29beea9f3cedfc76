// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/run_history.h"
#include "platform/cdialog.h"
#include "platform/growing_layout.h"

namespace zormade {

// The last run month by month: the four gauges on their shared scale, money and patients
// below them, the events with the answers taken, and one line on how the run ended. It opens at a
// share of a larger screen, and the player may make it larger still.
class CGraphDlg : public CDialog {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 170;
    static constexpr int kValuesChartId = 1050;
    static constexpr int kMoneyChartId = 1051;
    static constexpr int kEndLineId = 1052;
    static constexpr int kEventListId = 1053;

    explicit CGraphDlg(QWidget* parent = nullptr) : CDialog(kTemplateId, parent) {}

    RunHistory history;

protected:
    bool OnInitDialog() override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void ShowRun();
    void WrapEventLines();
    void GrowWithTheScreen();

    QStringList eventLines_;  // each event's lines, as long as they are
    int wrappedAt_ = 0;
    GrowingLayout layout_;
    QSize smallest_;
};

}  // namespace zormade
