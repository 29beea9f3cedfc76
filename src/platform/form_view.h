// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include "platform/dialog_host.h"

namespace zormade {

// A child window whose contents are a dialog template: the main window's client area.
class CFormView : public QWidget, public DialogHost {
    Q_OBJECT
public:
    explicit CFormView(int templateId, QWidget* parent = nullptr);
    // Builds the form, smaller where the window with `around` pixels round the form would not fit
    // the screen; false when its template cannot be read.
    bool Create(QSize around = QSize(0, 0));
};

}  // namespace zormade
