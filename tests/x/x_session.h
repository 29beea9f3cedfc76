#pragma once

#include <sys/types.h>

#include <QRect>
#include <QSize>
#include <QString>

namespace zormade::test {

// A virtual X server of the given screen size on a free display, with a window manager on it;
// DISPLAY names it from then on.
class XSession {
public:
    explicit XSession(QSize screen);
    ~XSession();
    XSession(const XSession&) = delete;
    XSession& operator=(const XSession&) = delete;

    // ":N" once the server and its window manager are up; empty, with Failure() saying why, if not.
    const QString& Display() const { return display_; }
    const QString& Failure() const { return failure_; }

private:
    pid_t server_ = -1;
    pid_t windowManager_ = -1;
    QString display_;
    QString failure_;
};

// The outer frame of top-level window `window` on the running X display as the server sees it:
// the window manager's frame round it, decoration included; null when the server cannot say.
QRect OuterFrame(unsigned long window);

}  // namespace zormade::test
