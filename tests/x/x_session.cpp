#include "x_session.h"

#include <xcb/xcb.h>

#include <QDeadlineTimer>
#include <QFile>
#include <QThread>
#include <cstdlib>
#include <memory>

namespace zormade::test {
namespace {

constexpr int kStartMs = 20000;

template <typename T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;
using Connection = std::unique_ptr<xcb_connection_t, decltype(&xcb_disconnect)>;

Connection Connect() { return Connection(xcb_connect(nullptr, nullptr), xcb_disconnect); }

xcb_window_t Root(xcb_connection_t* x) { return xcb_setup_roots_iterator(xcb_get_setup(x)).data->root; }

}  // namespace

XSession::XSession(QSize screen) {
    const QString size = QStringLiteral("%1x%2x24").arg(screen.width()).arg(screen.height());
    // Xvfb picks a free display and writes its number to the -displayfd once it takes connections.
    server_.start(QStringLiteral("Xvfb"), {"-displayfd", "1", "-screen", "0", size, "-nolisten", "tcp"});
    while (!server_.canReadLine() && server_.waitForReadyRead(kStartMs)) {}
    const QByteArray number = server_.readLine().trimmed();
    if (number.isEmpty()) {
        failure_ = QStringLiteral("Xvfb did not start (is it installed?)");
        return;
    }
    qputenv("DISPLAY", ':' + number);
    Connection x = Connect();
    if (xcb_connection_has_error(x.get())) {
        failure_ = QStringLiteral("the X server on :%1 takes no connection").arg(QString::fromLatin1(number));
        return;
    }
    // Openbox runs its start-up command once it manages windows.
    const QString ready = startupMark_.filePath(QStringLiteral("ready"));
    windowManager_.setStandardErrorFile(QProcess::nullDevice());
    windowManager_.start(QStringLiteral("openbox"),
                         {"--sm-disable", "--startup", QStringLiteral("touch %1").arg(ready)});
    const QDeadlineTimer deadline(kStartMs);
    const bool started = windowManager_.waitForStarted(kStartMs);
    while (!QFile::exists(ready)) {
        if (!started || windowManager_.waitForFinished(0) || deadline.hasExpired()) {
            failure_ = QStringLiteral("openbox did not start on :%1").arg(QString::fromLatin1(number));
            return;
        }
        QThread::msleep(20);
    }
}

XSession::~XSession() {
    for (QProcess* process : {&windowManager_, &server_}) {
        process->terminate();
        process->waitForFinished(kStartMs);
    }
}

QRect OuterFrame(unsigned long window) {
    Connection x = Connect();
    if (xcb_connection_has_error(x.get())) return {};
    // Climb to the window manager's frame: the ancestor whose parent is the root. A window that
    // is itself a child of the root has no frame yet.
    auto frame = static_cast<xcb_window_t>(window);
    for (bool framed = false;; framed = true) {
        Reply<xcb_query_tree_reply_t> tree(
            xcb_query_tree_reply(x.get(), xcb_query_tree(x.get(), frame), nullptr), std::free);
        if (!tree) return {};
        if (tree->parent == Root(x.get())) {
            if (!framed) return {};
            break;
        }
        frame = tree->parent;
    }
    Reply<xcb_get_geometry_reply_t> geometry(
        xcb_get_geometry_reply(x.get(), xcb_get_geometry(x.get(), frame), nullptr), std::free);
    if (!geometry) return {};
    const int border = geometry->border_width;
    return QRect(geometry->x, geometry->y, geometry->width + 2 * border, geometry->height + 2 * border);
}

}  // namespace zormade::test
