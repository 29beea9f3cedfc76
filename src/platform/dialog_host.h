// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include "platform/control_set.h"
#include "platform/data_exchange.h"
#include "platform/dialog_template.h"

namespace zormade {

// What a dialog and a form view share: controls built from a numbered template, found by id,
// and exchanged with the fields of the class.
class DialogHost {
public:
    explicit DialogHost(int templateId) : templateId_(templateId) {}
    virtual ~DialogHost() = default;
    DialogHost(const DialogHost&) = delete;
    DialogHost& operator=(const DialogHost&) = delete;

    QWidget* GetDlgItem(int id) const { return controls_.Item(id); }
    template <typename T>
    T* Item(int id) const { return controls_.ItemAs<T>(id); }
    // true: controls to fields (validated); false: fields to controls.
    bool UpdateData(bool saveAndValidate = true);
    int TemplateId() const { return templateId_; }
    bool IsBuilt() const { return built_; }

protected:
    virtual void DoDataExchange(DataExchange* pDX);
    // Builds the template's controls on `host`, sets the face and the fixed size.
    bool BuildControls(QWidget* host);
    const DialogTemplate& Template() const { return template_; }
    ControlSet& Controls() { return controls_; }

private:
    int templateId_;
    bool built_ = false;
    DialogTemplate template_;
    ControlSet controls_;
    QWidget* host_ = nullptr;
};

}  // namespace zormade
