// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An ordered list of 8-bit lines: the text box's display lines, or a run's working copy.
// A deque, because pages consume it from the front.
#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "app/books/chapter_mark.h"

using TLineList = std::deque<std::string>;
// A run's working list: views of the text box's display lines, which outlive the run.
using TLineViews = std::vector<std::string_view>;
