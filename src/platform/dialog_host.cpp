// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/dialog_host.h"

#include <QHBoxLayout>

#include "platform/dialog_units.h"

namespace zormade {

bool DialogHost::UpdateData(bool saveAndValidate) {
    if (!built_) return false;
    DataExchange exchange(controls_, host_, saveAndValidate);
    DoDataExchange(&exchange);
    return !exchange.Failed();
}

void DialogHost::DoDataExchange(DataExchange*) {}

bool DialogHost::BuildControls(QWidget* host) {
    if (built_) return true;
    std::optional<DialogTemplate> loaded = LoadDialogTemplate(templateId_);
    if (!loaded) return false;
    template_ = std::move(*loaded);
    host_ = host;
    host->setFont(DialogFont(template_.face, template_.pointSize));
    const QRect client = DialogUnitsToPixels(QRect(QPoint(0, 0), template_.size), template_.pointSize);
    QWidget* area = host;
    int border = 0;
    if (template_.Has("border")) {
        // A thin border lies outside the client area: the controls sit inside it and are cut at
        // its inner edge, so the border shows whatever they hold.
        border = 1;
        area = new QWidget(host);
        auto* layout = new QHBoxLayout(host);
        layout->setContentsMargins(border, border, border, border);
        layout->addWidget(area);
    }
    host->setFixedSize(client.size() + QSize(2 * border, 2 * border));
    if (!template_.caption.isEmpty()) host->setWindowTitle(template_.caption);
    controls_.Build(area, template_);
    built_ = true;
    return true;
}

}  // namespace zormade
