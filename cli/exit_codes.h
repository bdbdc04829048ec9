// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What stronix-cli tells its caller by its exit code.

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1;    // a book could not be loaded or converted
inline constexpr int kExitUsage = 2;      // the command line was wrong
inline constexpr int kExitCancelled = 3;  // stopped on request; main turns it into 128 + the signal
