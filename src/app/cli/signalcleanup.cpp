// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cli/signalcleanup.h"

#include "core/files/reportfile.h"

#include <csignal>
#include <signal.h>

namespace {

extern "C" void removeAndEnd(int signal) {
    removeStagedOutputs();
    // SA_RESETHAND has put back the default action, and the signal is held until the handler
    // returns: raised again, it then ends the program as it would have without the handler.
    std::raise(signal);
}

} // namespace

void removeStagedOutputsOnSignals() {
    struct sigaction action {};
    action.sa_handler = removeAndEnd;
    action.sa_flags = static_cast<int>(SA_RESETHAND);
    sigemptyset(&action.sa_mask);
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        sigaddset(&action.sa_mask, signal); // one removal at a time
    }
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        struct sigaction current {};
        if (sigaction(signal, nullptr, &current) == 0 && current.sa_handler != SIG_IGN) {
            sigaction(signal, &action, nullptr);
        }
    }
}
