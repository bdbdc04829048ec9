// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A one-line progress bar of files written, redrawn in place on a terminal.
#include <ostream>

class TProgressBar {
public:
  // A bar that draws nothing when `enabled` is false (output that is not a terminal).
  TProgressBar(std::ostream& out, bool enabled) : out_(out), enabled_(enabled) {}
  // Ends the bar's line, so that whatever follows starts on a line of its own.
  ~TProgressBar();
  TProgressBar(const TProgressBar&) = delete;
  TProgressBar& operator=(const TProgressBar&) = delete;

  // Shows `done` of `total`; redraws only when the bar or the percentage changes.
  void Update(int done, int total);

private:
  std::ostream& out_;
  bool enabled_;
  bool drawn_ = false;
  int shownPercent_ = -1;
};
