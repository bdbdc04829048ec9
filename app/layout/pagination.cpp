// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/layout/pagination.h"

#include "app/layout/blank_lines.h"
#include "platform/cancellation.h"

std::vector<TPageSpan> Paginate(const TLineList& lines, int perPage, bool chapterPages) {
  std::vector<TPageSpan> pages;
  TPageSpan page;
  const auto close = [&] {
    if (page.count > 0) pages.push_back(page);
    page = {};
  };
  for (TLineCursor cursor = lines.From(0); !cursor.AtEnd();) {
    const TLinePlace place = cursor.Place();
    const std::string_view line = cursor.Next();
    if (place.index % 4096 == 0) CheckCancelled();
    if (chapterPages && line == kChapterMark) {
      close();
      continue;
    }
    // A chapter's page opens with text: a blank line there (after a full page, before a
    // chapter mark) would leave a page that begins blank, or is blank throughout.
    if (chapterPages && page.count == 0 && IsBlankLine(line)) continue;
    if (page.count == 0) {
      page.first = place.index;
      page.place = place;
    }
    if (++page.count == perPage) close();
  }
  close();
  return pages;
}
