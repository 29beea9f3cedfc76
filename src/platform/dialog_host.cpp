#include "platform/dialog_host.h"

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
    host->setFixedSize(client.size());
    if (!template_.caption.isEmpty()) host->setWindowTitle(template_.caption);
    controls_.Build(host, template_);
    built_ = true;
    return true;
}

}  // namespace zormade
