// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/board.h"

#include <QListWidget>
#include <QProgressBar>
#include <QSlider>

#include "core/rules.h"
#include "platform/list_box.h"
#include "platform/multi_line_edit.h"
#include "ui/board_news.h"
#include "ui/month_log_text.h"

namespace zormade {
namespace {

constexpr int kSliderMax = 25;

struct BarAndSlider {
    ControlId<QProgressBar> bar;
    ControlId<QSlider> slider;
};
constexpr BarAndSlider kPanelPairs[] = {
    {Board::kStaminaBar, Board::kDoseSlider},
    {Board::kTrustBar, Board::kDonationSlider},
    {Board::kRivalBar, Board::kDemandSlider},
    {Board::kSuspicionBar, Board::kCounterSlider},
};

}  // namespace

Board::Board(QWidget* parent) : QWidget(parent), TemplateControls(kTemplateId) {}

bool Board::Build(QSize around) {
    return BuildControls(this, [around](const DialogTemplate&) { return around; });
}

void Board::ResetControls() {
    for (const BarAndSlider& pair : kPanelPairs) {
        Control(pair.bar).setRange(0, rules::kScaleMax);
        QSlider& slider = Control(pair.slider);
        slider.setRange(0, kSliderMax);
        slider.setValue(0);
    }
    ClearLog();
}

void Board::ShowState(const GameState& state) {
    const std::pair<ControlId<MultiLineEdit>, int> numbers[] = {
        {kMoneyEdit, state.values.money},
        {kPatientsEdit, state.values.patients},
        {kMonthEdit, state.month},
        {kYearEdit, state.year}};
    for (const auto& [id, value] : numbers) Control(id).SetText(QString::number(value));
    // The date reads as one line: the month no larger than the four digits of the year allow.
    const int yearSize = Control(kYearEdit).font().pixelSize();
    Control(kMonthEdit).ShowNoLargerThan(yearSize);
    const std::pair<ControlId<QProgressBar>, int> bars[] = {
        {kStaminaBar, state.values.stamina},
        {kTrustBar, state.values.trust},
        {kRivalBar, state.values.rivalPower},
        {kSuspicionBar, state.values.suspicion}};
    for (const auto& [id, value] : bars) {
        Control(id).setValue(value);
        ShowValueInTip(*this, id.id, value, rules::kScaleMax);
    }
}

void Board::ShowMonth(const MonthLog& log) {
    QListWidget& list = Control(kLog);
    list.addItems(MonthLogText(log));
    AnnounceLines(&list);
}

void Board::ClearLog() {
    QListWidget& log = Control(kLog);
    for (int i = log.count() - 1; i >= 0; --i) delete log.takeItem(i);
}

Sliders Board::ChosenSliders() const {
    return {Control(kDoseSlider).value(), Control(kDonationSlider).value(),
            Control(kDemandSlider).value(), Control(kCounterSlider).value()};
}

}  // namespace zormade
