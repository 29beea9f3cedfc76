// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractNativeEventFilter>
#include <QObject>
#include <functional>

class QWindow;

namespace zormade {

// Tells when an X window manager has framed a window, moved its frame or changed one of its
// properties (the size of the frame it draws is one), each time after Qt has taken the news in.
// Qt itself only marks its idea of the frame stale and says nothing. Silent on other platforms.
class WindowPropertyWatch : public QObject, public QAbstractNativeEventFilter {
    Q_OBJECT
public:
    WindowPropertyWatch(const QWindow* window, std::function<void()> changed);
    ~WindowPropertyWatch() override;

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr* result) override;

private:
    const QWindow* window_;
    std::function<void()> changed_;
};

}  // namespace zormade
