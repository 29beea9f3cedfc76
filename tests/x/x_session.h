#pragma once

#include <QProcess>
#include <QRect>
#include <QSize>
#include <QString>
#include <QTemporaryDir>

namespace zormade::test {

// A virtual X server of the given screen size on a free display, with a window manager on it;
// DISPLAY names it from then on.
class XSession {
public:
    explicit XSession(QSize screen);
    ~XSession();

    // Empty once the server and its window manager are up; else why they are not.
    const QString& Failure() const { return failure_; }

private:
    QTemporaryDir startupMark_;
    QProcess server_;
    QProcess windowManager_;
    QString failure_;
};

// The outer frame of top-level window `window` as the X server sees it: the window manager's
// frame round it, decoration included; null while it has none or the server cannot say.
QRect OuterFrame(unsigned long window);

}  // namespace zormade::test
