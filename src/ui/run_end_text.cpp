// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/run_end_text.h"

#include <QStringList>

#include "platform/resources.h"
#include "platform/string_ids.h"

namespace zormade {

QString CaptureCause(const LimitsCrossed& crossed) {
    QStringList causes;
    if (crossed.stamina) causes << LoadResourceString(IDS_GRAPH_STAMINA_OUT);
    if (crossed.rivalPower) causes << LoadResourceString(IDS_GRAPH_RIVAL_OVER);
    if (crossed.suspicion) causes << LoadResourceString(IDS_GRAPH_SUSPICION_OVER);
    return causes.join(LoadResourceString(IDS_CAUSE_SEPARATOR));
}

QString CaptureMessage(const RunHistory& history) {
    const QString caught = LoadResourceString(IDS_GAME_OVER_MESSAGE);
    const QString cause =
        history.Months().empty() ? QString() : CaptureCause(history.Months().back().crossed);
    if (cause.isEmpty()) return caught;
    return LoadResourceString(IDS_CAPTURE_CAUSE_LINE).arg(cause) + QStringLiteral("\r\n") + caught;
}

QString ScoreMaking(const RunHistory& history) {
    if (history.Months().empty()) return {};
    const StatusValues& last = history.Months().back().values;
    return LoadResourceString(IDS_SCORE_MAKING).arg(last.patients).arg(last.money);
}

}  // namespace zormade
