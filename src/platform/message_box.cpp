// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/message_box.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <algorithm>

#include "platform/resources.h"
#include "platform/string_ids.h"

namespace zormade {
namespace {

QMessageBox::Icon IconOf(MessageBoxKind kind) {
    switch (kind) {
    case MessageBoxKind::Stop: return QMessageBox::Critical;
    case MessageBoxKind::YesNoQuestion: return QMessageBox::Question;
    case MessageBoxKind::Exclamation: return QMessageBox::Warning;
    case MessageBoxKind::Plain: break;
    }
    return QMessageBox::NoIcon;
}

// Qt narrows a box to half the screen (500 pixels at most) and wraps a longer line at any
// character, splitting words; the label asks for its widest line instead, as far as the screen
// allows.
void KeepLinesWhole(QMessageBox& box, const QString& text) {
    auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    if (!label) return;
    box.ensurePolished();
    label->ensurePolished();
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        widest = std::max(widest, label->fontMetrics().horizontalAdvance(line) + 1);
    }
    const QScreen* screen = box.screen();
    const int room = screen ? screen->availableGeometry().width() * 7 / 8 : widest;
    label->setMinimumWidth(std::min(widest, room));
}

}  // namespace

bool MessageBox(QWidget* owner, const QString& text, const QString& caption, MessageBoxKind kind) {
    QMessageBox box(owner);
    box.setWindowTitle(caption.isEmpty() ? LoadResourceString(IDS_APP_NAME) : caption);
    QString shown = text;
    box.setText(shown.replace(QLatin1String("\r\n"), QLatin1String("\n")));
    box.setTextFormat(Qt::PlainText);
    KeepLinesWhole(box, shown);
    box.setIcon(IconOf(kind));
    if (kind == MessageBoxKind::YesNoQuestion) {
        QPushButton* yes = box.addButton(LoadResourceString(IDS_BUTTON_YES), QMessageBox::YesRole);
        box.addButton(LoadResourceString(IDS_BUTTON_NO), QMessageBox::NoRole);
        box.setDefaultButton(yes);
        box.exec();
        return box.clickedButton() == yes;
    }
    box.setDefaultButton(box.addButton(LoadResourceString(IDS_BUTTON_OK), QMessageBox::AcceptRole));
    box.exec();
    return true;
}

}  // namespace zormade
