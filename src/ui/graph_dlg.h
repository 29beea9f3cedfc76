// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/run_history.h"
#include "platform/cdialog.h"

namespace zormade {

// The last run month by month: the four gauges on their shared scale, money and patients
// below them, the events with the answers taken, and one line on how the run ended.
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
};

}  // namespace zormade
