// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/form_view.h"

namespace zormade {

CFormView::CFormView(int templateId, QWidget* parent) : QWidget(parent), DialogHost(templateId) {}

bool CFormView::Create(QSize around) {
    return BuildControls(this, [around](const DialogTemplate&) { return around; });
}

}  // namespace zormade
