// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/graph_dialog.h"

#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>
#include <QScreen>
#include <QStyle>
#include <utility>

#include "core/event_catalogue.h"
#include "platform/list_box.h"
#include "platform/message_box.h"
#include "platform/picture_control.h"
#include "platform/resources.h"
#include "platform/text_fit.h"
#include "platform/text_ids.h"
#include "ui/charts_module.h"
#include "ui/event_text.h"
#include "ui/run_end_text.h"

namespace zormade {
namespace {

// The rows the event list keeps whole at the template's face, the focus frame's room included.
constexpr int kListRows = 6;

// Each chart line's name, in the order of ChartLine.
constexpr TextId kLineNames[ChartLineCount] = {
    TextId::GraphStamina, TextId::GraphTrust,    TextId::GraphRival, TextId::GraphSuspicion,
    TextId::GraphMoney,   TextId::GraphPatients, TextId::GraphLimit};

// The charts and the list take what a larger window adds; the texts keep their size.
constexpr std::pair<int, Follow> kFollows[] = {{GraphDialog::kValuesChartId.id, Follow::Grow},
                                               {GraphDialog::kMoneyChartId.id, Follow::Grow},
                                               {GraphDialog::kEndLineId.id, Follow::Widen},
                                               {GraphDialog::kEventListId.id, Follow::Grow},
                                               {GraphDialog::kAcceptButton.id, Follow::Centre}};

QString DateOf(const MonthRecord& m) {
    return QStringLiteral("%1/%2").arg(m.year).arg(m.month, 2, 10, QLatin1Char('0'));
}

// A prompt broken for the event dialog's box, as one run of text.
QString WholeText(QString text) { return text.remove(QLatin1Char('\r')).remove(QLatin1Char('\n')); }

// `line` in rows no wider than `width`; rows after the first start with `indent`.
QStringList Wrapped(const QString& line, const QFontMetrics& metrics, int width,
                    const QString& indent) {
    QStringList rows;
    QString rest = line;
    while (!rest.isEmpty()) {
        const QString lead = rows.isEmpty() ? QString() : indent;
        int length = rest.size();
        while (length > 1 && metrics.horizontalAdvance(lead + rest.left(length)) > width) --length;
        rows << lead + rest.left(length);
        rest = rest.mid(length);
    }
    return rows;
}

struct EventShown {
    QString label;  // the run's n-th event and the answer taken, as the list and the chart share it
    QString prompt;  // whole
    QString answer;
};

EventShown EventOf(const MonthRecord& m, int ordinal) {
    const EventRecord& event = EventRecordAt(m.event);
    const bool answered = m.answer >= 0 && m.answer < static_cast<int>(event.answers.size());
    return {ResourceText(TextId::GraphEventMark).arg(ordinal).arg(m.answer + 1),
            WholeText(EventPrompt(m.event)),
            answered ? EventAnswerText(m.event, m.answer) : QString()};
}

QString EndLine(const RunHistory& history) {
    if (history.Months().empty()) return {};
    const MonthRecord& last = history.Months().back();
    switch (history.Outcome()) {
    case RunOutcome::Capture:
        return ResourceText(TextId::GraphCaptureLine).arg(CaptureCause(last.crossed), DateOf(last));
    case RunOutcome::Clear:
        return ResourceText(TextId::GraphClearLine).arg(history.Score()).arg(ScoreMaking(history));
    case RunOutcome::Stopped: return ResourceText(TextId::GraphStopLine).arg(DateOf(last));
    case RunOutcome::Going: break;
    }
    return {};
}

}  // namespace

GraphDialog::GraphDialog(const RunHistory& history, QWidget* parent)
    : TemplateDialog(kTemplateId, parent), history_(history) {
    if (!IsBuilt()) return;
    QLabel& endLine = Control(kEndLineId);
    endLine.setText(EndLine(history_));
    // Two limits crossed in one month make the longest line.
    ShrinkFontToFit(&endLine, endLine.text(), endLine.width());
    Control(kEventListId).MakeRoomForFocusFrame(kListRows);
    ShowRun();
    GrowWithTheScreen();
}

// The event lines in rows as wide as the list is now.
void GraphDialog::WrapEventLines() {
    ListBox* list = &Control(kEventListId);
    // Room for the text beside the scroll bar a long run brings.
    const int rowWidth = list->contentsRect().width() -
                         list->style()->pixelMetric(QStyle::PM_ScrollBarExtent) -
                         2 * list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) - 4;
    if (rowWidth == wrappedAt_) return;
    wrappedAt_ = rowWidth;
    list->clear();
    for (const QString& line : eventLines_) {
        list->addItems(
            Wrapped(line, list->fontMetrics(), rowWidth, ResourceText(TextId::GraphEventIndent)));
    }
}

void GraphDialog::ShowRun() {
    RunCharts charts;
    for (const MonthRecord& m : history_.Months()) {
        if (m.event < 0) continue;
        const EventShown shown = EventOf(m, static_cast<int>(charts.events.size()) + 1);
        // The list's rows are one line high: the prompt runs on in rows of its own, and the
        // answer starts another.
        eventLines_ << ResourceText(TextId::GraphEventLine)
                           .arg(DateOf(m), shown.label, shown.prompt, shown.answer)
                           .split(QLatin1Char('\n'));
        charts.events.push_back(
            {MonthsSinceStart(m.year, m.month),
             QStringList({shown.label, shown.prompt, shown.answer}).join('\n')});
    }
    WrapEventLines();
    QString error;
    const ShowRunChartsFn draw = LoadRunCharts(error);
    if (!draw) {
        // The months are still told by the list and the line; only the drawing is missing.
        ShowMessageBox(this, ResourceText(TextId::GraphNoCharts).arg(error), QString(),
                       MessageBoxKind::Stop);
        return;
    }
    charts.gauges = &Control(kValuesChartId);
    charts.moneyAndPatients = &Control(kMoneyChartId);
    charts.months = &history_.Months();
    for (int line = 0; line < ChartLineCount; ++line)
        charts.names[line] = ResourceText(kLineNames[line]);
    charts.moneyUnit = ResourceText(TextId::GraphMoneyAxis);
    charts.patientsUnit = ResourceText(TextId::GraphPatientsAxis);
    draw(charts);
}

// The end line was fitted to the smallest size, so it stays whole at any larger one.
void GraphDialog::GrowWithTheScreen() {
    smallest_ = size();
    for (const auto& [id, follow] : kFollows) layout_.Add(Item<QWidget>(id), follow);
    setMinimumSize(smallest_);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    setSizeGripEnabled(true);
    resize(ShareOfRoom(smallest_, screen()->availableGeometry().size()));
}

void GraphDialog::resizeEvent(QResizeEvent* event) {
    TemplateDialog::resizeEvent(event);
    if (smallest_.isEmpty()) return;
    layout_.LayOut(smallest_, size());
    WrapEventLines();
}

}  // namespace zormade
