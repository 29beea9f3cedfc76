// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/display_failure.h"

#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/terminal_echo.h"
#include "platform/resources.h"
#include "platform/text_ids.h"

namespace zormade {
namespace {

struct HeldMessage {
    QtMsgType type;
    const char* category;  // Qt's category names are static strings
    QString text;
};

const char* heldProgram = "";
QtMessageHandler previousHandler = nullptr;
std::vector<HeldMessage> heldStatus;

void HoldOrExit(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type != QtFatalMsg) {
        heldStatus.push_back({type, context.category, text});
        return;
    }
    // The plugin's own warning ("could not connect to display :77") says why; the fatal
    // message after it only lists plugins.
    const QString reason = heldStatus.empty() ? text : heldStatus.front().text;
    const std::string shown = TerminalEcho(reason.simplified().toStdString());
    const QString line = ResourceText(TextId::CannotOpenWindow)
                             .arg(QString::fromUtf8(heldProgram), QString::fromStdString(shown));
    std::fprintf(stderr, "%s\n", line.toUtf8().constData());
    std::fflush(stderr);
    std::_Exit(1);
}

}  // namespace

DisplayFailureExit::DisplayFailureExit(const char* program) {
    heldProgram = program;
    previousHandler = qInstallMessageHandler(HoldOrExit);
}

DisplayFailureExit::~DisplayFailureExit() {
    qInstallMessageHandler(previousHandler);
    for (const HeldMessage& message : heldStatus) {
        qt_message_output(message.type, QMessageLogContext(nullptr, 0, nullptr, message.category),
                          message.text);
    }
    heldStatus.clear();
}

}  // namespace zormade
