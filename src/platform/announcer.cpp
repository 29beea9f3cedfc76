// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

namespace zormade {
namespace {

const QLatin1String kName("zormade-announcement");

QAccessibleInterface* NotificationFor(const QString& className, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget || className != QLatin1String("QWidget") || widget->objectName() != kName) {
        return nullptr;
    }
    return new QAccessibleWidget(widget, QAccessible::Notification);
}

}  // namespace

void Announce(QWidget* inWindow, const QString& text) {
    if (!inWindow || text.isEmpty()) return;
    QWidget* window = inWindow->window();
    auto* announcement = window->findChild<QWidget*>(kName, Qt::FindDirectChildrenOnly);
    if (!announcement) {
        QAccessible::installFactory(NotificationFor);  // once: Qt keeps no factory twice
        // Never on the screen, never focused: only its accessible object is seen.
        announcement = new QWidget(window);
        announcement->setObjectName(kName);
        announcement->setFocusPolicy(Qt::NoFocus);
        announcement->hide();
        // One made while the widget was built, before it had its name, is not the notification.
        QAccessibleInterface* made = QAccessible::queryAccessibleInterface(announcement);
        if (made && made->role() != QAccessible::Notification) {
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
        }
    }
    announcement->setAccessibleName(text);
    // Shown again without being hidden, so that the reader hears the text once and not also
    // its disappearance.
    QAccessibleEvent shown(announcement, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

}  // namespace zormade
