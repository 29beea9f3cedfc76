// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/display_failure.h"

#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/terminal_text.h"

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
    const std::string line =
        TerminalText(TextId::CannotOpenWindow, heldProgram, {reason.simplified().toStdString()});
    std::fputs(line.c_str(), stderr);
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
