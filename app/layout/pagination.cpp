// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/layout/pagination.h"

#include "app/layout/blank_lines.h"
#include "platform/cancellation.h"

std::vector<TPageSpan> Paginate(const TLineViews& lines, int perPage, bool chapterPages) {
  std::vector<TPageSpan> pages;
  TPageSpan page;
  const auto close = [&] {
    if (page.count > 0) pages.push_back(page);
    page = {};
  };
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i % 4096 == 0) CheckCancelled();
    if (chapterPages && lines[i] == kChapterMark) {
      close();
      continue;
    }
    // A chapter's page opens with text: a blank line there (after a full page, before a
    // chapter mark) would leave a page that begins blank, or is blank throughout.
    if (chapterPages && page.count == 0 && IsBlankLine(lines[i])) continue;
    if (page.count == 0) page.first = i;
    if (++page.count == perPage) close();
  }
  close();
  return pages;
}
