// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/interrupt.h"

#include <atomic>
#include <csignal>

namespace {

// Set by the handler, read by every thread that runs a book.
std::atomic<int> received{0};
static_assert(std::atomic<int>::is_always_lock_free, "a signal handler may touch only a lock-free atomic");

extern "C" void Remember(int signal) { received.store(signal, std::memory_order_relaxed); }

}  // namespace

void InstallInterruptHandlers() {
  struct sigaction action {};
  action.sa_handler = Remember;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESETHAND;  // the next one takes its default course
  sigaction(SIGINT, &action, nullptr);
  sigaction(SIGTERM, &action, nullptr);
}

int InterruptSignal() { return received.load(std::memory_order_relaxed); }
