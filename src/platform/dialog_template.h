// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QRect>
#include <QSet>
#include <QSize>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace zormade {

constexpr int kStaticId = 65535;

enum class ControlKind {
    Static,
    GroupBox,
    Edit,
    Progress,
    TrackBar,
    ListBox,
    Button,
    CheckBox,
    Radio,
    Bitmap,
    Picture,
    Icon
};

struct ControlTemplate {
    int id = kStaticId;
    ControlKind kind = ControlKind::Static;
    QSet<QString> style;  // "tabstop", "group", "default", "readonly", "multiline", ...
    QString text;
    // What a screen reader calls a control that shows no caption of its own: the text of the
    // static beside it, or a short description where there is none.
    QString label;
    QString tip;    // tool tip: what the control does or means
    int image = 0;  // bitmap or icon resource shown by the control itself
    QRect rect;     // dialog units

    bool Has(const char* flag) const { return style.contains(QLatin1String(flag)); }
};

struct DialogTemplate {
    int id = 0;
    QString caption;
    QSize size;  // dialog units
    QString face;
    int pointSize = 9;
    QSet<QString> style;  // "child", "popup", "caption", "sysmenu", "modalframe", "border"
    std::vector<ControlTemplate> controls;

    bool Has(const char* flag) const { return style.contains(QLatin1String(flag)); }
};

// Reads template `id` from the program's resources; nothing when it is missing or malformed.
std::optional<DialogTemplate> LoadDialogTemplate(int id);

// Template `id` from its JSON text. A control of a kind or a style this program does not know,
// which a slip in a hand-edited template makes, refuses the whole template and says why in
// `error`.
std::optional<DialogTemplate> ParseDialogTemplate(int id, const QByteArray& json, QString* error);

}  // namespace zormade
