#pragma once
// The commands of stronix-cli, run on the same state the main window holds.
#include <ostream>

#include "cli/options.h"

class TMainState;

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1;  // the book could not be loaded or converted
inline constexpr int kExitUsage = 2;    // the command line was wrong

// Loads the book into the state as "Załaduj TXT" would and applies the look and the
// squeeze the options ask for. Raises what loading raises.
void PrepareState(TMainState& state, const TCliOptions& options);

// Runs convert or lines: results go to `out`, messages and the progress bar (only when
// `terminal`) to `err`. Returns the exit code; failures are reported, never thrown.
int RunCommand(const TCliOptions& options, std::ostream& out, std::ostream& err, bool terminal);
