// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/graph_dlg.h"

#include <QListWidget>

#include "core/event_catalogue.h"
#include "ui/charts_module.h"
#include "platform/message_box.h"
#include "platform/resources.h"
#include "platform/string_ids.h"
#include "platform/text_fit.h"

namespace zormade {
namespace {

QString DateOf(const MonthRecord& m) {
    return QStringLiteral("%1/%2").arg(m.year).arg(m.month, 2, 10, QLatin1Char('0'));
}

QString FirstLine(const std::string& text) {
    return QString::fromStdString(text.substr(0, text.find('\r')));
}

QString CaptureCause(const LimitsCrossed& crossed) {
    QStringList causes;
    if (crossed.stamina) causes << LoadResourceString(IDS_GRAPH_STAMINA_OUT);
    if (crossed.rivalPower) causes << LoadResourceString(IDS_GRAPH_RIVAL_OVER);
    if (crossed.suspicion) causes << LoadResourceString(IDS_GRAPH_SUSPICION_OVER);
    return causes.join(QStringLiteral("、"));
}

struct EventShown {
    QString label;   // event number and answer number
    QString prompt;  // its first line
    QString answer;
};

EventShown EventOf(const MonthRecord& m) {
    const EventRecord& event = EventRecordAt(m.event);
    const bool answered = m.answer >= 0 && m.answer < static_cast<int>(event.answers.size());
    return {LoadResourceString(IDS_GRAPH_EVENT_MARK).arg(m.event).arg(m.answer + 1),
            FirstLine(event.prompt),
            answered ? QString::fromUtf8(event.answers[m.answer].text) : QString()};
}

QString EndLine(const RunHistory& history) {
    if (history.Months().empty()) return {};
    const MonthRecord& last = history.Months().back();
    switch (history.Outcome()) {
    case RunOutcome::Capture:
        return LoadResourceString(IDS_GRAPH_CAPTURE_LINE)
            .arg(CaptureCause(last.crossed), DateOf(last));
    case RunOutcome::Clear:
        return LoadResourceString(IDS_GRAPH_CLEAR_LINE).arg(history.Score());
    case RunOutcome::Stopped:
        return LoadResourceString(IDS_GRAPH_STOP_LINE).arg(DateOf(last));
    case RunOutcome::Going:
        break;
    }
    return {};
}

}  // namespace

bool CGraphDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    QWidget* endLine = GetDlgItem(kEndLineId);
    SetWindowText(endLine, EndLine(history));
    // Two limits crossed in one month make the longest line.
    ShrinkFontToFit(endLine, WindowText(endLine), endLine->width());
    auto* list = Item<QListWidget>(kEventListId);
    RunCharts charts;
    for (const MonthRecord& m : history.Months()) {
        if (m.event < 0) continue;
        const EventShown shown = EventOf(m);
        // The list's rows are one line high: the answer takes a row of its own.
        list->addItems(LoadResourceString(IDS_GRAPH_EVENT_LINE)
                           .arg(DateOf(m), shown.label, shown.prompt, shown.answer)
                           .split(QLatin1Char('\n')));
        charts.events.push_back({MonthsSinceStart(m.year, m.month), shown.label,
                                 shown.prompt + QLatin1Char('\n') + shown.answer});
    }
    QString error;
    const ShowRunChartsFn draw = LoadRunCharts(error);
    if (!draw) {
        // The months are still told by the list and the line; only the drawing is missing.
        MessageBox(this, LoadResourceString(IDS_GRAPH_NO_CHARTS).arg(error), QString(),
                   MessageBoxKind::Stop);
        return true;
    }
    charts.gauges = GetDlgItem(kValuesChartId);
    charts.moneyAndPatients = GetDlgItem(kMoneyChartId);
    charts.months = &history.Months();
    for (int line = 0; line < kChartLineCount; ++line) {
        charts.names[line] = LoadResourceString(IDS_GRAPH_STAMINA + line);
    }
    draw(charts);
    return true;
}

}  // namespace zormade
