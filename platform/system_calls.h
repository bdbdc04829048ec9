// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The few system calls whose failure a healthy test disk never shows (a sync, a listing, a
// change of mode), gone through one table so that a test can make them fail and see the
// failure reported. Only the platform's file code calls through it.
#include <dirent.h>
#include <sys/types.h>

struct TSystemCalls {
  int (*fsync)(int fd);
  int (*fchmod)(int fd, mode_t mode);
  dirent* (*readdir)(DIR* listing);
};

// The table in force: the system's own calls unless a test swapped one.
TSystemCalls& SystemCalls();

// Puts the table back as it was when made: a test swaps calls for its own length only.
class TSystemCallsRestorer {
public:
  TSystemCallsRestorer() : saved_(SystemCalls()) {}
  ~TSystemCallsRestorer() { SystemCalls() = saved_; }
  TSystemCallsRestorer(const TSystemCallsRestorer&) = delete;
  TSystemCallsRestorer& operator=(const TSystemCallsRestorer&) = delete;

private:
  TSystemCalls saved_;
};
