// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/interrupt.h"

#include <csignal>

namespace {

volatile std::sig_atomic_t received = 0;

extern "C" void Remember(int signal) { received = signal; }

}  // namespace

void InstallInterruptHandlers() {
  struct sigaction action {};
  action.sa_handler = Remember;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESETHAND;  // the next one takes its default course
  sigaction(SIGINT, &action, nullptr);
  sigaction(SIGTERM, &action, nullptr);
}

int InterruptSignal() { return received; }
