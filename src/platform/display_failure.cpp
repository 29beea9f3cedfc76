// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/display_failure.h"

#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace zormade {
namespace {

struct HeldMessage {
    QtMsgType type;
    const char* category;  // Qt's category names are static strings
    QString text;
};

const char* g_program = "";
QtMessageHandler g_previous = nullptr;
std::vector<HeldMessage> g_held;

void HoldOrExit(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type != QtFatalMsg) {
        g_held.push_back({type, context.category, text});
        return;
    }
    // The plugin's own warning ("could not connect to display :77") says why; the fatal
    // message after it only lists plugins.
    const QString reason = g_held.empty() ? text : g_held.front().text;
    std::fprintf(stderr, "%s: cannot open a window: %s\n", g_program,
                 reason.simplified().toLocal8Bit().constData());
    std::fflush(stderr);
    std::_Exit(1);
}

}  // namespace

DisplayFailureExit::DisplayFailureExit(const char* program) {
    g_program = program;
    g_previous = qInstallMessageHandler(HoldOrExit);
}

DisplayFailureExit::~DisplayFailureExit() {
    qInstallMessageHandler(g_previous);
    for (const HeldMessage& message : g_held) {
        qt_message_output(message.type, QMessageLogContext(nullptr, 0, nullptr, message.category),
                          message.text);
    }
    g_held.clear();
}

}  // namespace zormade
