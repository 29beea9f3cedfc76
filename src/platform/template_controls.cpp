// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/template_controls.h"

#include <QHBoxLayout>

#include "platform/dialog_units.h"

namespace zormade {

const ControlTemplate* TemplateControls::TemplateOf(int id) const {
    for (const ControlTemplate& c : template_.controls) {
        if (c.id == id) return &c;
    }
    return nullptr;
}

bool TemplateControls::BuildControls(QWidget* host,
                                     const std::function<QSize(const DialogTemplate&)>& around) {
    if (built_) return true;
    std::optional<DialogTemplate> loaded = LoadDialogTemplate(templateId_);
    if (!loaded) return false;
    template_ = std::move(*loaded);
    const int border = template_.Has("border") ? 1 : 0;
    units_ = FittingUnits(template_.size, template_.pointSize,
                          around(template_) + QSize(2 * border, 2 * border), AvailableRoom());
    host->setFont(DialogFont(template_.face, units_));
    const QRect client = DialogUnitsToPixels(QRect(QPoint(0, 0), template_.size), units_);
    QWidget* area = host;
    if (border) {
        // A thin border lies outside the client area: the controls sit inside it and are cut at
        // its inner edge, so the border shows whatever they hold.
        area = new QWidget(host);
        auto* layout = new QHBoxLayout(host);
        layout->setContentsMargins(border, border, border, border);
        layout->addWidget(area);
    }
    host->setFixedSize(client.size() + QSize(2 * border, 2 * border));
    if (!template_.caption.isEmpty()) host->setWindowTitle(template_.caption);
    controls_.Build(area, template_, units_);
    built_ = true;
    return true;
}

}  // namespace zormade
