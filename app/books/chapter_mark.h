// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A line that is this alone marks where a chapter starts: the book readers write it, and a
// run with chapter pages on starts a new page there.
inline constexpr char kChapterMark[] = "\f";
