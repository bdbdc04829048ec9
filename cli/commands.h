// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The commands of stronix-cli: each book becomes the job the main window would convert.
#include <cstddef>
#include <ostream>
#include <string>

#include "app/run/conversion_run.h"
#include "cli/exit_codes.h"
#include "cli/options.h"

// A book read as "Załaduj TXT" would read it, with the look and the settings the options ask for.
struct TPreparedBook {
  TConversionJob job;
  std::size_t bytesAfterNul = 0;  // text left out after a NUL byte
};

// Reads `book` and applies the options to it. Raises what reading raises.
TPreparedBook PrepareBook(const TCliOptions& options, const std::string& book);

// Runs convert or lines: results go to `out`, messages and the progress bar (only when
// `terminal`) to `err`. Returns the exit code; failures are reported, never thrown.
// `monitor` (may be null) is asked between pages whether to stop.
int RunCommand(const TCliOptions& options, std::ostream& out, std::ostream& err, bool terminal,
               const TRunMonitor* monitor = nullptr);
