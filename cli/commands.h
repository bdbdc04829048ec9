// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The commands of stronix-cli, run on the same state the main window holds.
#include <ostream>
#include <string>

#include "cli/options.h"

class TMainState;
class TRunMonitor;

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1;    // a book could not be loaded or converted
inline constexpr int kExitUsage = 2;      // the command line was wrong
inline constexpr int kExitCancelled = 3;  // stopped on request; main turns it into 128 + the signal

// Loads `book` into the state as "Załaduj TXT" would and applies the look and the
// settings the options ask for. Raises what loading raises.
void PrepareState(TMainState& state, const TCliOptions& options, const std::string& book);

// Runs convert or lines: results go to `out`, messages and the progress bar (only when
// `terminal`) to `err`. Returns the exit code; failures are reported, never thrown.
// `monitor` (may be null) is asked between pages whether to stop.
int RunCommand(const TCliOptions& options, std::ostream& out, std::ostream& err, bool terminal,
               const TRunMonitor* monitor = nullptr);

// Ends the output: kExitFailure with the system's reason when `out` could not take it
// all (a full disk, a closed pipe), else `code`.
int FinishOutput(std::ostream& out, std::ostream& err, int code);
