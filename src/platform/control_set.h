// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMap>
#include <QString>
#include <QWidget>
#include <optional>
#include <vector>

#include "platform/dialog_template.h"
#include "platform/dialog_units.h"

class QButtonGroup;

namespace zormade {

// The controls of one template, built as children of a host widget and found by their ids.
class ControlSet {
public:
    // Builds the controls in template order, which is also the tab order.
    // Built at the template's own face unless `units` gives a smaller one.
    void Build(QWidget* host, const DialogTemplate& dialog,
               std::optional<BaseUnits> units = std::nullopt);

    QWidget* Item(int id) const { return items_.value(id, nullptr); }
    template <typename T>
    T* ItemAs(int id) const {
        return qobject_cast<T*>(Item(id));
    }

    // The radio group that starts at `firstId`: it runs up to the next control that starts a group.
    std::vector<QWidget*> RadioGroup(int firstId) const;

    // The id a control was built with; statics without one give kStaticId.
    int IdOf(const QWidget* control) const;

    // Every control in template order, the unnamed statics included.
    const std::vector<QWidget*>& All() const { return ordered_; }

private:
    static QWidget* Create(const ControlTemplate& control, QWidget* host, const QRect& pixels,
                           QSize design);
    static QWidget* CreateWidget(const ControlTemplate& control, QWidget* host);
    static void FitText(const ControlTemplate& control, QWidget* widget, const QRect& pixels);
    void DescribeRadiosByTheirBox();
    QRect RoomBeside(std::size_t index) const;
    void FitOneLineLabels();

    QMap<int, QWidget*> items_;
    std::vector<QWidget*> ordered_;
    std::vector<ControlTemplate> templates_;
};

// The text of a control, whatever its kind; multi-line edits give their lines CR LF apart.
QString WindowText(const QWidget* control);
void SetWindowText(QWidget* control, const QString& text);

}  // namespace zormade
