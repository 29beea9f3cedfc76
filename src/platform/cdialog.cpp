// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/cdialog.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QWindow>

#include "platform/main_window.h"

namespace zormade {
namespace {

Qt::WindowFlags FlagsFor(const DialogTemplate& t) {
    if (!t.Has("caption")) return Qt::Dialog | Qt::FramelessWindowHint;
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (t.Has("sysmenu")) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    return flags;
}

// What the window manager adds round a dialog: as round the main window once that is framed,
// else a title bar and thin edges.
QSize Decoration(const DialogTemplate& t) {
    if (!t.Has("caption")) return QSize(0, 0);
    const QWidget* main = MainWindow();
    const QMargins known =
        main && main->windowHandle() ? main->windowHandle()->frameMargins() : QMargins();
    if (known.isNull()) return QSize(8, 30);
    return QSize(known.left() + known.right(), known.top() + known.bottom());
}

}  // namespace

CDialog::CDialog(int templateId, QWidget* parent) : QDialog(parent), DialogHost(templateId) {}

bool CDialog::Prepare() {
    if (!parentWidget() && MainWindow() && MainWindow() != this) setParent(MainWindow());
    if (!BuildControls(this, Decoration)) return false;
    setWindowFlags(FlagsFor(Template()));
    for (QWidget* control : Controls().All()) {
        auto* button = qobject_cast<QPushButton*>(control);
        if (!button) continue;
        const int id = Controls().IdOf(control);
        connect(button, &QPushButton::clicked, this, [this, id] {
            if (id == IDOK) {
                OnOK();
            } else if (id == IDCANCEL) {
                OnCancel();
            } else {
                OnCommand(id);
            }
        });
    }
    created_ = true;
    return true;
}

int CDialog::DoModal() {
    if (!Prepare()) return -1;
    setModal(true);
    if (OnInitDialog()) {
        for (QWidget* control : Controls().All()) {
            if (control->isEnabled() && (control->focusPolicy() & Qt::TabFocus)) {
                control->setFocus();
                break;
            }
        }
    }
    const int result = exec();
    OnDestroy();
    created_ = false;
    return result;
}

bool CDialog::Create() {
    if (!Prepare()) return false;
    OnInitDialog();
    return true;
}

void CDialog::DestroyWindow() {
    if (!created_) return;
    OnDestroy();
    hide();
    created_ = false;
}

void CDialog::EndDialog(int result) { QDialog::done(result); }

bool CDialog::OnInitDialog() {
    UpdateData(false);
    return true;
}

void CDialog::OnOK() {
    if (!UpdateData(true)) return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::OnCommand(int) {}

void CDialog::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && event->modifiers() == Qt::NoModifier) {
        // Enter presses the default button; with none, it still means OK.
        for (QWidget* control : Controls().All()) {
            auto* button = qobject_cast<QPushButton*>(control);
            if (button && button->isDefault() && button->isEnabled()) {
                button->click();
                return;
            }
        }
        OnOK();
        return;
    }
    if (key == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        OnCancel();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CDialog::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    if (Template().Has("border")) {
        QPainter painter(this);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    OnPaint();
}

}  // namespace zormade
