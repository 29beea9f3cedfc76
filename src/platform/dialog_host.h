// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <functional>

#include "platform/control_set.h"
#include "platform/data_exchange.h"
#include "platform/dialog_template.h"
#include "platform/dialog_units.h"

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
    T* Item(int id) const {
        return controls_.ItemAs<T>(id);
    }
    // The control, which must be there: a test holds every typed id to its template, so a miss
    // is a programming error and ends the program naming both ids.
    template <typename T>
    T& Control(ControlId<T> control) const {
        T* found = Item<T>(control.id);
        if (!found)
            qFatal("template %d has no control %d of the kind asked for", templateId_, control.id);
        return *found;
    }
    // true: controls to fields (validated); false: fields to controls.
    bool UpdateData(bool saveAndValidate = true);
    int TemplateId() const { return templateId_; }
    bool IsBuilt() const { return built_; }
    // The face's units the window was built with: the template's own, or smaller to fit the screen.
    const BaseUnits& Units() const { return units_; }
    // The template of control `id`; null when there is none.
    const ControlTemplate* TemplateOf(int id) const;

protected:
    virtual void DoDataExchange(DataExchange* pDX);
    // Builds the template's controls on `host`, sets the face and the fixed size. Where the window,
    // with what `around` adds round the template's area, would not fit the screen's free area, it
    // takes a smaller face and every dialog unit with it.
    bool BuildControls(QWidget* host, const std::function<QSize(const DialogTemplate&)>& around);
    const DialogTemplate& Template() const { return template_; }

    ControlSet& Controls() { return controls_; }

private:
    int templateId_;
    bool built_ = false;
    DialogTemplate template_;
    ControlSet controls_;
    QWidget* host_ = nullptr;
    BaseUnits units_{};
};

}  // namespace zormade
