// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which lines go on which page, worked out before any page is drawn, so that pages can be
// made in any order.
#include <cstddef>
#include <vector>

#include "app/layout/line_list.h"

struct TPageSpan {
  std::size_t first = 0;  // the page's first line in the working list
  int count = 0;          // its lines, at most the lines per page
  TLinePlace place = {};  // where its first line starts, to read the page without a search

  // The same lines.
  friend bool operator==(const TPageSpan& a, const TPageSpan& b) {
    return a.first == b.first && a.count == b.count;
  }
};

// The pages of a working list at `perPage` lines a page (≥ 1): the lines in order, the
// next page starting when one is full. With `chapterPages` a line that is kChapterMark
// alone also ends the page before it (an empty page never comes of it) and is drawn on none,
// and blank lines that would begin a page are drawn on none either, so that no page begins
// blank or is blank throughout.
std::vector<TPageSpan> Paginate(const TLineList& lines, int perPage, bool chapterPages);
