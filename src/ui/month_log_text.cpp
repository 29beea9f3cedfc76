// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/month_log_text.h"

#include "platform/resources.h"
#include "platform/string_ids.h"

namespace zormade {
namespace {

// Each line's label with its amount, in the panel's order of the six values.
constexpr StringId kChangeLines[] = {IDS_LOG_STAMINA, IDS_LOG_MONEY, IDS_LOG_PATIENTS,
                                     IDS_LOG_TRUST,   IDS_LOG_RIVAL, IDS_LOG_SUSPICION};

QString LineText(const LogLine& line, StringId changeLine) {
    switch (line.note) {
    case LogNote::MoneyGone: return LoadResourceString(IDS_LOG_MONEY_GONE);
    case LogNote::DemandTooLarge: return LoadResourceString(IDS_LOG_DEMAND_TOO_LARGE);
    case LogNote::NoNewPatients: return LoadResourceString(IDS_LOG_NO_NEW_PATIENTS);
    case LogNote::Change: break;
    }
    const QString direction = LoadResourceString(line.rise ? IDS_LOG_RISE : IDS_LOG_FALL);
    return LoadResourceString(changeLine).arg(QString::number(line.amount), direction);
}

}  // namespace

QStringList MonthLogText(const MonthLog& log) {
    QStringList lines;
    for (std::size_t i = 0; i < log.size(); ++i) lines << LineText(log[i], kChangeLines[i]);
    return lines;
}

QString ScoreLineText(std::uint32_t score) { return LoadResourceString(IDS_SCORE_LINE).arg(score); }

}  // namespace zormade
