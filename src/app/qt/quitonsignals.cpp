// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/quitonsignals.h"

#include <QAction>
#include <QSocketNotifier>
#include <array>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// A signal handler may do next to nothing: it writes a byte into one end of a socket pair, and the
// event loop, watching the other end, does the rest.
std::array<int, 2> sockets{-1, -1};

void onSignal(int) {
    const char byte = 0;
    [[maybe_unused]] const ssize_t written = ::write(sockets[0], &byte, 1);
}

} // namespace

void quitOnSignals(QAction& quit) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, sockets.data()) != 0) {
        return; // the signals then end the program at once, as they would without this
    }
    auto* notifier = new QSocketNotifier(sockets[1], QSocketNotifier::Read, &quit);
    QObject::connect(notifier, &QSocketNotifier::activated, &quit, [&quit] {
        char byte = 0;
        [[maybe_unused]] const ssize_t read = ::read(sockets[1], &byte, 1);
        quit.trigger();
    });
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGINT}) {
        sigaction(signal, &action, nullptr);
    }
}
