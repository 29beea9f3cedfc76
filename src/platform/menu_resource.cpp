// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/menu_resource.h"

#include <QAction>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMenu>
#include <QMenuBar>
#include <QProxyStyle>

#include "platform/translation.h"

namespace zormade {
namespace {

// The default style measures a menu item a few pixels short for some half-width kana and then
// elides its last characters; a little more room keeps every item whole.
class WholeMenuItems : public QProxyStyle {
public:
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override {
        QSize result = QProxyStyle::sizeFromContents(type, option, size, widget);
        if (type == CT_MenuItem) result.rwidth() += 12;
        return result;
    }
};

}  // namespace

bool BuildMenuBar(int id, QMenuBar* bar) {
    QFile file(QStringLiteral(":/menus/%1.json").arg(id));
    if (!file.open(QIODevice::ReadOnly)) return false;
    const QJsonArray popups =
        QJsonDocument::fromJson(file.readAll()).object().value("popups").toArray();
    const QString context = QStringLiteral("menu %1").arg(id);
    auto* style = new WholeMenuItems;
    style->setParent(bar);
    for (const QJsonValue& popupValue : popups) {
        const QJsonObject popup = popupValue.toObject();
        QMenu* menu = bar->addMenu(
            Translate(context, popup.value("text").toString(), QStringLiteral("popup")));
        menu->setStyle(style);
        for (const QJsonValue& itemValue : popup.value("items").toArray()) {
            const QJsonObject item = itemValue.toObject();
            if (item.value("separator").toBool()) {
                menu->addSeparator();
                continue;
            }
            const int command = item.value("id").toInt();
            QAction* action = menu->addAction(
                Translate(context, item.value("text").toString(), QString::number(command)));
            action->setObjectName(item.value("name").toString());
            action->setData(command);
        }
    }
    return !popups.isEmpty();
}

QAction* MenuAction(const QMenuBar* bar, const QString& name) {
    return bar->findChild<QAction*>(name);
}

}  // namespace zormade
