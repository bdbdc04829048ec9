// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Blank lines and their squeezing before the pages are made.
#include <string_view>

#include "app/layout/line_list.h"

// True when the line is empty or holds spaces (code 32) only; a tab makes it non-blank.
bool IsBlankLine(std::string_view line);

// Shrinks every run of consecutive blank lines to one, except that the first two lines
// of the list are never removed (two blank lines at the very start both stay).
void SqueezeBlankLines(TLineViews& lines);
