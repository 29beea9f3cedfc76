#include "x_session.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <QDeadlineTimer>
#include <QThread>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace zormade::test {
namespace {

constexpr int kStartMs = 20000;

pid_t Spawn(std::vector<std::string> args, int keepFd = -1) {
    const pid_t pid = fork();
    if (pid != 0) return pid;
    const int null = open("/dev/null", O_RDWR);
    dup2(null, STDOUT_FILENO);
    dup2(null, STDERR_FILENO);
    for (int fd = 3; fd < 1024; ++fd) {
        if (fd != keepFd) close(fd);
    }
    std::vector<char*> argv;
    for (std::string& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    execvp(argv[0], argv.data());
    _exit(127);
}

// The line Xvfb writes to its -displayfd once it takes connections: the display's number.
QString ReadDisplayNumber(int fd) {
    std::string number;
    const QDeadlineTimer deadline(kStartMs);
    char c = 0;
    pollfd wait{fd, POLLIN, 0};
    while (poll(&wait, 1, static_cast<int>(deadline.remainingTime())) > 0 && read(fd, &c, 1) == 1) {
        if (c == '\n') return QString::fromStdString(number);
        number += c;
    }
    return {};
}

using Connection = std::unique_ptr<xcb_connection_t, decltype(&xcb_disconnect)>;

Connection Connect(const char* display) { return Connection(xcb_connect(display, nullptr), xcb_disconnect); }

// A window manager that follows the desktop conventions marks the root window once it runs.
bool WindowManagerRuns(xcb_connection_t* x) {
    const char name[] = "_NET_SUPPORTING_WM_CHECK";
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> atom(
        xcb_intern_atom_reply(x, xcb_intern_atom(x, 0, std::strlen(name), name), nullptr), std::free);
    if (!atom) return false;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> property(
        xcb_get_property_reply(x, xcb_get_property(x, 0, root, atom->atom, XCB_ATOM_WINDOW, 0, 1),
                               nullptr),
        std::free);
    return property && xcb_get_property_value_length(property.get()) > 0;
}

}  // namespace

XSession::XSession(QSize screen) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0) {
        failure_ = QStringLiteral("no pipe for the X server");
        return;
    }
    const std::string size = std::to_string(screen.width()) + 'x' + std::to_string(screen.height()) + "x24";
    server_ = Spawn({"Xvfb", "-displayfd", std::to_string(pipeFds[1]), "-screen", "0", size,
                     "-nolisten", "tcp"},
                    pipeFds[1]);
    close(pipeFds[1]);
    const QString number = ReadDisplayNumber(pipeFds[0]);
    close(pipeFds[0]);
    if (number.isEmpty()) {
        failure_ = QStringLiteral("Xvfb did not start (is it installed?)");
        return;
    }
    const QByteArray display = ':' + number.toLatin1();
    Connection x = Connect(display.constData());
    if (xcb_connection_has_error(x.get())) {
        failure_ = QStringLiteral("the X server on %1 takes no connection").arg(QString::fromLatin1(display));
        return;
    }
    setenv("DISPLAY", display.constData(), 1);
    windowManager_ = Spawn({"openbox", "--sm-disable"});
    const QDeadlineTimer deadline(kStartMs);
    while (!WindowManagerRuns(x.get())) {
        if (deadline.hasExpired() || waitpid(windowManager_, nullptr, WNOHANG) != 0) {
            failure_ = QStringLiteral("openbox did not start on %1").arg(QString::fromLatin1(display));
            return;
        }
        QThread::msleep(20);
    }
    display_ = QString::fromLatin1(display);
}

XSession::~XSession() {
    for (pid_t pid : {windowManager_, server_}) {
        if (pid <= 0) continue;
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
    }
}

QRect OuterFrame(unsigned long window) {
    Connection x = Connect(nullptr);
    if (xcb_connection_has_error(x.get())) return {};
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x.get())).data->root;
    xcb_window_t frame = static_cast<xcb_window_t>(window);
    // Climb to the window manager's frame: the ancestor whose parent is the root.
    for (;;) {
        std::unique_ptr<xcb_query_tree_reply_t, decltype(&std::free)> tree(
            xcb_query_tree_reply(x.get(), xcb_query_tree(x.get(), frame), nullptr), std::free);
        if (!tree) return {};
        if (tree->parent == root) break;
        frame = tree->parent;
    }
    std::unique_ptr<xcb_get_geometry_reply_t, decltype(&std::free)> geometry(
        xcb_get_geometry_reply(x.get(), xcb_get_geometry(x.get(), frame), nullptr), std::free);
    if (!geometry) return {};
    const int border = geometry->border_width;
    return QRect(geometry->x, geometry->y, geometry->width + 2 * border, geometry->height + 2 * border);
}

}  // namespace zormade::test
