// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <csignal>
#include <functional>
#include <iterator>

class QSessionManager;
class QSocketNotifier;

namespace zormade {

// Turns SIGTERM, SIGHUP and SIGINT, and the end of the desktop session, into one call on the
// main thread, so that the program can end the way it always does. A signal handler may do
// almost nothing, so it only writes the signal's number into a socket that the event loop
// watches; a signal that comes before the loop runs waits there. One object at a time.
class TerminationSignals : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignals(std::function<void()> onTerminate);
    // Puts the handlers that were there before back.
    ~TerminationSignals() override;

    // false when the socket or a handler could not be set up.
    bool Installed() const { return installed_; }

    static constexpr int kSignals[] = {SIGTERM, SIGHUP, SIGINT};

    // True while a signal has come that the program has not acted on yet, so that a wait can end
    // for it: one that came just before the wait began counts too.
    static bool Pending();

private:
    void OnSocketReadable();
    void OnCommitDataRequest(QSessionManager& manager);

    std::function<void()> onTerminate_;
    int sockets_[2] = {-1, -1};
    struct sigaction previous_[std::size(kSignals)] = {};
    bool replaced_[std::size(kSignals)] = {};
    QSocketNotifier* notifier_ = nullptr;
    bool installed_ = false;
};

}  // namespace zormade
