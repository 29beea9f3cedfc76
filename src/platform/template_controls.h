// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <functional>

#include "platform/control_set.h"
#include "platform/dialog_template.h"
#include "platform/dialog_units.h"

namespace zormade {

// A control's id and the widget its template makes of it.
template <typename T>
struct ControlId {
    int id;
};

// Controls built from a numbered template onto a host widget, reached by id and kind.
class TemplateControls {
public:
    explicit TemplateControls(int templateId) : templateId_(templateId) {}
    virtual ~TemplateControls() = default;
    TemplateControls(const TemplateControls&) = delete;
    TemplateControls& operator=(const TemplateControls&) = delete;

    // The control `id` when it is a T; null otherwise.
    template <typename T>
    T* Item(int id) const {
        return controls_.ItemAs<T>(id);
    }
    // The control, which must be there: the typed ids are generated from the templates, so a miss
    // is a programming error and ends the program naming both ids.
    template <typename T>
    T& Control(ControlId<T> control) const {
        T* found = Item<T>(control.id);
        if (!found)
            qFatal("template %d has no control %d of the kind asked for", templateId_, control.id);
        return *found;
    }
    int TemplateId() const { return templateId_; }
    bool IsBuilt() const { return built_; }
    // The face's units the window was built with: the template's own, or smaller to fit the screen.
    const BaseUnits& Units() const { return units_; }
    // The template of control `id`; null when there is none.
    const ControlTemplate* TemplateOf(int id) const;
    const ControlSet& Controls() const { return controls_; }

protected:
    // Builds the template's controls on `host`, sets the face and the fixed size. Where the window,
    // with what `around` adds round the template's area, would not fit the screen's free area, it
    // takes a smaller face and every dialog unit with it.
    bool BuildControls(QWidget* host, const std::function<QSize(const DialogTemplate&)>& around);
    const DialogTemplate& Template() const { return template_; }

private:
    int templateId_;
    bool built_ = false;
    DialogTemplate template_;
    ControlSet controls_;
    BaseUnits units_{};
};

}  // namespace zormade
