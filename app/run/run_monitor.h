// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How a conversion run reports its progress and learns that it is to stop: one small
// interface that the window (progress bar, "Przerwij", closing) and the command line
// (its progress bar, SIGINT and SIGTERM) both give the run.
#include <atomic>

#include "platform/cancellation.h"

class TRunMonitor {
public:
  virtual ~TRunMonitor() = default;
  // After each page is complete (title page included): `done` of `total` files. Called on
  // the thread that runs the conversion.
  virtual void PageDone(int done, int total) { (void)done, (void)total; }
  // Polled between pages from the run's thread, and through a TCancelScope while the
  // book is loaded, wrapped and paginated; true ends the run, the old book left as it was.
  virtual bool CancelRequested() const { return false; }
};

// A monitor whose cancellation is a flag that any thread (or a signal handler) may set.
class TCancelFlagMonitor : public TRunMonitor {
public:
  void Cancel() noexcept { cancelled_.store(true, std::memory_order_relaxed); }
  bool CancelRequested() const override { return cancelled_.load(std::memory_order_relaxed); }

private:
  std::atomic<bool> cancelled_{false};
};
