// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A one-line progress bar of files written, redrawn in place on a terminal: the bar, the
// pages done, pages per second and the time left, fitted to the terminal's width as it is
// at each redraw (a resized terminal gets a line of its new width).
#include <chrono>
#include <functional>
#include <ostream>

// The columns of the terminal on standard error; 80 when it does not say.
int TerminalColumns();

class TProgressBar {
public:
  using TClock = std::chrono::steady_clock;

  // A bar that draws nothing when `enabled` is false (output that is not a terminal).
  // `columns` and `now` are seams for tests.
  TProgressBar(std::ostream& out, bool enabled, std::function<int()> columns = TerminalColumns,
               std::function<TClock::time_point()> now = TClock::now);
  // Ends the bar's line, so that whatever follows starts on a line of its own.
  ~TProgressBar();
  TProgressBar(const TProgressBar&) = delete;
  TProgressBar& operator=(const TProgressBar&) = delete;

  // Shows `done` of `total`; redraws when the percentage changes, at the end, and twice a
  // second at most otherwise, so that the rate and the time left keep moving.
  void Update(int done, int total);

private:
  std::ostream& out_;
  bool enabled_;
  std::function<int()> columns_;
  std::function<TClock::time_point()> now_;
  TClock::time_point start_;
  TClock::time_point shownAt_;
  bool drawn_ = false;
  int shownPercent_ = -1;
};
