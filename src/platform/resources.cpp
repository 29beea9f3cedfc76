// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/resources.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

#include "platform/sized_files_icon.h"
#include "platform/translation.h"

namespace zormade {

QImage BitmapResource(int id) {
    if (id <= 0) return {};
    return QImage(QStringLiteral(":/bitmaps/%1.bmp").arg(id), "BMP");
}

QIcon AppIcon() {
    // Every size drawn, so that no desktop scales a small one up for its task switcher; each is
    // decoded when first asked for, which a headless or Wayland start never does.
    return SizedFilesIcon(QStringLiteral(":/icons/zormade-%1.png"), {16, 32, 48, 64, 128, 256});
}

QString ResourceText(TextId id) {
    static const QJsonObject kTable = [] {
        QFile file(QStringLiteral(":/strings.json"));
        if (!file.open(QIODevice::ReadOnly)) return QJsonObject();
        return QJsonDocument::fromJson(file.readAll()).object();
    }();
    const QString number = QString::number(static_cast<int>(id));
    const QString text = kTable.value(number).toObject().value("text").toString();
    return Translate(QStringLiteral("strings"), text, number);
}

}  // namespace zormade
