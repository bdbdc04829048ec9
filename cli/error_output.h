// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The error lines of stronix-cli: "stronix-cli: " and the message in the user's language.
#include <exception>
#include <ostream>
#include <string>

// The line for `error`; `book`, when given, is named before the message, so that a line
// among several books' says which one failed.
void PrintError(std::ostream& err, const std::exception& error, const std::string& book = {});

// Ends the output: kExitFailure with the system's reason when `out` could not take it
// all (a full disk, a closed pipe), else `code`.
int FinishOutput(std::ostream& out, std::ostream& err, int code);
