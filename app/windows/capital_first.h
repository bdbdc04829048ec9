// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A message shown in a box of its own begins a sentence there, though the conversion's
// messages are written to follow "stronix-cli: " in lower case.
#include <string>

// The UTF-8 text with its first character in upper case ("źle" → "Źle"); the rest as it is.
std::string WithCapitalFirst(const std::string& text);
