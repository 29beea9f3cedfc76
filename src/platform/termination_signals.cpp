// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/termination_signals.h"

#include <sys/socket.h>
#include <unistd.h>

#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>
#include <cerrno>

namespace zormade {
namespace {

volatile std::sig_atomic_t writeSocket = -1;
volatile std::sig_atomic_t received = 0;
// Only the main thread reads and writes it.
std::sig_atomic_t answered = 0;

void WriteSignalNumber(int signal) {
    const int savedErrno = errno;
    received = received + 1;
    const unsigned char number = static_cast<unsigned char>(signal);
    if (::write(writeSocket, &number, 1) < 0) {
        // A full socket already holds a wake-up: nothing is lost.
    }
    errno = savedErrno;
}

}  // namespace

TerminationSignals::TerminationSignals(std::function<void()> onTerminate)
    : onTerminate_(std::move(onTerminate)) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, sockets_) != 0) return;
    writeSocket = sockets_[0];
    notifier_ = new QSocketNotifier(sockets_[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &TerminationSignals::OnSocketReadable);

    struct sigaction action = {};
    action.sa_handler = WriteSignalNumber;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    installed_ = true;
    for (std::size_t i = 0; i < std::size(kSignals); ++i) {
        replaced_[i] = ::sigaction(kSignals[i], &action, &previous_[i]) == 0;
        installed_ = installed_ && replaced_[i];
    }

    if (auto* application = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        connect(application, &QGuiApplication::commitDataRequest, this,
                &TerminationSignals::OnCommitDataRequest, Qt::DirectConnection);
        // Whatever else ends the main loop still ends the program through the same door.
        connect(application, &QCoreApplication::aboutToQuit, this, [this] { onTerminate_(); });
    }
}

TerminationSignals::~TerminationSignals() {
    for (std::size_t i = 0; i < std::size(kSignals); ++i) {
        if (replaced_[i]) ::sigaction(kSignals[i], &previous_[i], nullptr);
    }
    writeSocket = -1;
    delete notifier_;
    for (int socket : sockets_) {
        if (socket >= 0) ::close(socket);
    }
}

bool TerminationSignals::Pending() { return received != answered; }

void TerminationSignals::OnSocketReadable() {
    unsigned char numbers[16];
    while (::read(sockets_[1], numbers, sizeof numbers) > 0) {
    }
    answered = received;
    onTerminate_();
}

void TerminationSignals::OnCommitDataRequest(QSessionManager&) { onTerminate_(); }

}  // namespace zormade
