// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/template_dialog.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QWindow>

namespace zormade {
namespace {

Qt::WindowFlags FlagsFor(const DialogTemplate& t) {
    if (!t.Has("caption")) return Qt::Dialog | Qt::FramelessWindowHint;
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (t.Has("sysmenu")) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    return flags;
}

// What the window manager adds round a dialog: as round its owner's window once that is framed,
// else a title bar and thin edges.
QSize Decoration(const DialogTemplate& t, const QWidget* owner) {
    if (!t.Has("caption")) return QSize(0, 0);
    const QWidget* main = owner ? owner->window() : nullptr;
    const QMargins known =
        main && main->windowHandle() ? main->windowHandle()->frameMargins() : QMargins();
    if (known.isNull()) return QSize(8, 30);
    return QSize(known.left() + known.right(), known.top() + known.bottom());
}

}  // namespace

TemplateDialog::TemplateDialog(int templateId, QWidget* parent)
    : QDialog(parent), TemplateControls(templateId) {
    if (!BuildControls(this, [parent](const DialogTemplate& t) { return Decoration(t, parent); }))
        return;
    setWindowFlags(FlagsFor(Template()));
    for (QWidget* control : Controls().All()) {
        auto* button = qobject_cast<QPushButton*>(control);
        if (!button) continue;
        const int id = Controls().IdOf(control);
        if (id == kAcceptButton.id) connect(button, &QPushButton::clicked, this, &QDialog::accept);
        if (id == kRejectButton.id) connect(button, &QPushButton::clicked, this, &QDialog::reject);
    }
}

int TemplateDialog::exec() {
    if (!IsBuilt()) return Rejected;
    setModal(true);
    for (QWidget* control : Controls().All()) {
        if (control->isEnabled() && (control->focusPolicy() & Qt::TabFocus)) {
            control->setFocus();
            break;
        }
    }
    return QDialog::exec();
}

void TemplateDialog::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && event->modifiers() == Qt::NoModifier) {
        // Enter presses the default button; with none, it still accepts.
        for (QWidget* control : Controls().All()) {
            auto* button = qobject_cast<QPushButton*>(control);
            if (button && button->isDefault() && button->isEnabled()) {
                button->click();
                return;
            }
        }
        accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TemplateDialog::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    if (!Template().Has("border")) return;
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace zormade
