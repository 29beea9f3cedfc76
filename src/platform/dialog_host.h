// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include "platform/control_set.h"
#include "platform/data_exchange.h"
#include "platform/dialog_template.h"

namespace zormade {

// A control's id and the widget its template makes of it. Converts to the plain id where any
// control will do.
template <typename T>
struct ControlId {
    int id;
    constexpr operator int() const { return id; }
};

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
    // The control, which must be there: a test holds every typed id to its template, so a miss
    // is a programming error and ends the program naming both ids.
    template <typename T>
    T& Control(ControlId<T> control) const {
        T* found = Item<T>(control.id);
        if (!found) qFatal("template %d has no control %d of the kind asked for", templateId_, control.id);
        return *found;
    }
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
