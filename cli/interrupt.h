// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// SIGINT and SIGTERM on the command line: the run stops while the book is read or paginated,
// or after its current page, and cleans up; then the program exits with 128 + the signal's number.

// Catches SIGINT and SIGTERM once; a second one ends the program at once.
void InstallInterruptHandlers();
// The signal that asked the program to stop, 0 while none has.
int InterruptSignal();
