// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/month_log_text.h"

#include "platform/resources.h"
#include "platform/text_ids.h"

namespace zormade {
namespace {

// Each line's label with its amount, in the panel's order of the six values.
constexpr TextId kChangeLines[] = {TextId::LogStamina, TextId::LogMoney, TextId::LogPatients,
                                   TextId::LogTrust,   TextId::LogRival, TextId::LogSuspicion};

QString LineText(const LogLine& line, TextId changeLine) {
    switch (line.note) {
    case LogNote::MoneyGone: return ResourceText(TextId::LogMoneyGone);
    case LogNote::DemandTooLarge: return ResourceText(TextId::LogDemandTooLarge);
    case LogNote::NoNewPatients: return ResourceText(TextId::LogNoNewPatients);
    case LogNote::Change: break;
    }
    const QString direction = ResourceText(line.rise ? TextId::LogRise : TextId::LogFall);
    return ResourceText(changeLine).arg(QString::number(line.amount), direction);
}

}  // namespace

QStringList MonthLogText(const MonthLog& log) {
    QStringList lines;
    for (std::size_t i = 0; i < log.size(); ++i) lines << LineText(log[i], kChangeLines[i]);
    return lines;
}

QString ScoreLineText(std::uint32_t score) { return ResourceText(TextId::ScoreLine).arg(score); }

}  // namespace zormade
