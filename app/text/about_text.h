// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The text the text box holds at start: 13 lines about the program, Windows-1250 bytes.
#include <string>
#include <string_view>

// The about text, every line ended by CR LF. Its fourth line is the ReleaseLine of this build.
std::string AboutText();

// "Ostatnia wersja:  1.1.0 z 7 grudnia 2026" for `version` and `isoDate` "2026-12-07", in UTF-8.
std::string ReleaseLine(std::string_view version, std::string_view isoDate);
