// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/run_end_text.h"

#include <QStringList>

#include "platform/resources.h"
#include "platform/text_ids.h"

namespace zormade {

QString CaptureCause(const LimitsCrossed& crossed) {
    QStringList causes;
    if (crossed.stamina) causes << ResourceText(TextId::GraphStaminaOut);
    if (crossed.rivalPower) causes << ResourceText(TextId::GraphRivalOver);
    if (crossed.suspicion) causes << ResourceText(TextId::GraphSuspicionOver);
    return causes.join(ResourceText(TextId::CauseSeparator));
}

QString CaptureMessage(const RunHistory& history) {
    const QString caught = ResourceText(TextId::GameOverMessage);
    const QString cause =
        history.Months().empty() ? QString() : CaptureCause(history.Months().back().crossed);
    if (cause.isEmpty()) return caught;
    return ResourceText(TextId::CaptureCauseLine).arg(cause) + QStringLiteral("\r\n") + caught;
}

QString ScoreMaking(const RunHistory& history) {
    if (history.Months().empty()) return {};
    const StatusValues& last = history.Months().back().values;
    return ResourceText(TextId::ScoreMaking).arg(last.patients).arg(last.money);
}

}  // namespace zormade
