// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/dialog_template.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>

#include "platform/translation.h"

namespace zormade {
namespace {

std::optional<ControlKind> KindNamed(const QString& name) {
    static const QMap<QString, ControlKind> kKinds = {
        {"static", ControlKind::Static},     {"groupbox", ControlKind::GroupBox},
        {"edit", ControlKind::Edit},         {"progress", ControlKind::Progress},
        {"trackbar", ControlKind::TrackBar}, {"listbox", ControlKind::ListBox},
        {"button", ControlKind::Button},     {"checkbox", ControlKind::CheckBox},
        {"radio", ControlKind::Radio},       {"bitmap", ControlKind::Bitmap},
        {"picture", ControlKind::Picture},   {"icon", ControlKind::Icon},
    };
    auto it = kKinds.find(name);
    if (it == kKinds.end()) return std::nullopt;
    return *it;
}

// Every style word the windows act on.
const QSet<QString>& KnownStyles() {
    static const QSet<QString> kKnown = {
        "autoticks", "blackframe", "border",    "caption",  "center",      "child",  "default",
        "group",     "modalframe", "multiline", "noprefix", "noselection", "nowrap", "popup",
        "readonly",  "right",      "sunken",    "sysmenu",  "tabstop",     "vscroll"};
    return kKnown;
}

// The style words, or the first unknown one in `unknown`.
QSet<QString> StyleOf(const QJsonValue& value, QString* unknown) {
    QSet<QString> style;
    for (const QJsonValue& flag : value.toArray()) {
        if (!KnownStyles().contains(flag.toString()) && unknown->isEmpty())
            *unknown = flag.toString();
        style.insert(flag.toString());
    }
    return style;
}

QRect RectOf(const QJsonValue& value) {
    const QJsonArray a = value.toArray();
    return QRect(a.at(0).toInt(), a.at(1).toInt(), a.at(2).toInt(), a.at(3).toInt());
}

}  // namespace

std::optional<DialogTemplate> LoadDialogTemplate(int id) {
    QFile file(QStringLiteral(":/templates/%1.json").arg(id));
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    QString error;
    std::optional<DialogTemplate> loaded = ParseDialogTemplate(id, file.readAll(), &error);
    if (!loaded && !error.isEmpty()) qCritical("%s", qUtf8Printable(error));
    return loaded;
}

std::optional<DialogTemplate> ParseDialogTemplate(int id, const QByteArray& json, QString* error) {
    const QJsonObject root = QJsonDocument::fromJson(json).object();
    if (root.isEmpty()) {
        *error = QStringLiteral("template %1: not a JSON object").arg(id);
        return std::nullopt;
    }
    QString unknown;
    DialogTemplate dialog;
    dialog.id = id;
    // Each text in the chosen language, found by the names the translation file gives it.
    const QString context = QStringLiteral("template %1").arg(id);
    const auto text = [&context](const QJsonObject& object, const char* key, const QString& name) {
        return Translate(context, object.value(QLatin1String(key)).toString(), name);
    };
    dialog.caption = text(root, "caption", QStringLiteral("caption"));
    const QJsonArray size = root.value("size").toArray();
    dialog.size = QSize(size.at(0).toInt(), size.at(1).toInt());
    dialog.face = root.value("font").toString();
    dialog.pointSize = root.value("pointSize").toInt(9);
    dialog.style = StyleOf(root.value("style"), &unknown);
    if (!unknown.isEmpty()) {
        *error = QStringLiteral("template %1: unknown style \"%2\"").arg(id).arg(unknown);
        return std::nullopt;
    }
    const QJsonArray controls = root.value("controls").toArray();
    for (qsizetype number = 0; number < controls.size(); ++number) {
        const QJsonObject c = controls.at(number).toObject();
        const QString where = QStringLiteral("template %1, control %2").arg(id).arg(number + 1);
        const std::optional<ControlKind> kind = KindNamed(c.value("kind").toString());
        if (!kind) {
            *error =
                QStringLiteral("%1: unknown kind \"%2\"").arg(where, c.value("kind").toString());
            return std::nullopt;
        }
        ControlTemplate control;
        control.id = c.value("id").toInt(kStaticId);
        control.kind = *kind;
        control.style = StyleOf(c.value("style"), &unknown);
        if (!unknown.isEmpty()) {
            *error = QStringLiteral("%1: unknown style \"%2\"").arg(where, unknown);
            return std::nullopt;
        }
        const QString name = c.contains(QLatin1String("id")) ? QString::number(control.id)
                                                             : QStringLiteral("#%1").arg(number);
        control.text = text(c, "text", name + QStringLiteral(" text"));
        control.label = text(c, "label", name + QStringLiteral(" label"));
        control.tip = text(c, "tip", name + QStringLiteral(" tip"));
        control.image = c.value("image").toInt(0);
        control.rect = RectOf(c.value("rect"));
        dialog.controls.push_back(control);
    }
    return dialog;
}

}  // namespace zormade
