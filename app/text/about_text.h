// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The text the text box holds at start: 13 lines about the program, Windows-1250 bytes.
#include <string>

// The about text, every line ended by CR LF.
std::string AboutText();
