#pragma once
// An ordered list of 8-bit lines: the text box's display lines, or a run's working copy.
// A deque, because pages consume it from the front.
#include <deque>
#include <string>

using TLineList = std::deque<std::string>;
