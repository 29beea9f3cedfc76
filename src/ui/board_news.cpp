// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/board_news.h"

#include <QAccessible>
#include <QListWidget>

#include "platform/announcer.h"
#include "platform/resources.h"
#include "platform/string_ids.h"
#include "platform/template_controls.h"

namespace zormade {

void ShowValueInTip(const TemplateControls& form, int barId, int value, int limit) {
    QWidget* bar = form.Item<QWidget>(barId);
    const ControlTemplate* c = form.TemplateOf(barId);
    if (!bar || !c) return;
    const QString numbers = LoadResourceString(IDS_BAR_VALUE).arg(c->label).arg(value).arg(limit);
    bar->setToolTip(c->tip.isEmpty() ? numbers : numbers + QLatin1Char('\n') + c->tip);
}

void AnnounceLines(QListWidget* log) {
    QStringList lines;
    for (int row = 0; row < log->count(); ++row) lines << log->item(row)->text();
    const QString text = lines.join(QLatin1Char('\n'));
    // The description holds the month for a reader on the log; the announcement speaks it
    // wherever the focus is.
    log->setAccessibleDescription(text);
    QAccessibleEvent changed(log, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
    Announce(log, text);
}

}  // namespace zormade
