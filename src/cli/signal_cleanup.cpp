// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/signal_cleanup.h"

#include <signal.h>

#include "model/file_io.h"

namespace vantrell::cli {
namespace {

extern "C" void OnTerminatingSignal(int signalNumber) {
    vantrell::RemovePendingTemporaries();
    // SA_RESETHAND has put the default action back: the signal ends the process as it
    // would have, and the caller sees it in the exit status.
    ::raise(signalNumber);
}

}  // namespace

void RemoveTemporariesOnSignals() {
    struct sigaction action {};
    action.sa_handler = OnTerminatingSignal;
    action.sa_flags = SA_RESETHAND;
    sigemptyset(&action.sa_mask);
    for (const int signalNumber : {SIGINT, SIGTERM, SIGHUP}) {
        ::sigaction(signalNumber, &action, nullptr);
    }
}

}  // namespace vantrell::cli
