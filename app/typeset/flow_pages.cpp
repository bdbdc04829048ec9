// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/typeset/flow_pages.h"

namespace {

// The most lines a page gives up to keep lines together; past it a heading or a paragraph
// is split where it falls.
constexpr std::size_t kMostLinesMoved = 5;

}  // namespace

std::vector<TFlowPage> CutPages(const TBookFlow& flow, int top, int bottom) {
  std::vector<TFlowPage> pages;
  const std::size_t count = flow.lines.size();
  for (std::size_t first = 0; first < count;) {
    // As many lines as fit; one at least, however tall.
    std::size_t end = first;
    for (int y = top; end < count; ++end) {
      const TFlowLine& line = flow.lines[end];
      if (end > first && line.newPage) break;
      const int next = y + (end > first ? line.spaceBefore : 0) + line.line.height;
      if (end > first && next > bottom) break;
      y = next;
    }
    if (end < count && !flow.lines[end].newPage) {
      std::size_t cut = end;
      while (cut > first + 1 && flow.lines[cut - 1].keepWithNext && end - cut < kMostLinesMoved) --cut;
      if (!flow.lines[cut - 1].keepWithNext) end = cut;
    }
    TFlowPage& page = pages.emplace_back();
    page.firstLine = first;
    page.chapter = flow.lines[first].chapter;
    for (int y = top; first < end; ++first) {
      const TFlowLine& from = flow.lines[first];
      TTypesetLine line = from.line;
      if (!page.lines.empty() || !page.pictures.empty()) y += from.spaceBefore;
      line.y = y;
      y += line.height;
      if (from.picture.image) {
        page.pictures.push_back(from.picture);
        page.pictures.back().rect.moveTop(line.y);
        page.picturePage = page.picturePage || from.ownPage;
      } else {
        for (TPagePicture& picture : line.pictures) {
          picture.rect.translate(0, line.y);
          page.pictures.push_back(std::move(picture));
        }
        line.pictures.clear();
        page.lines.push_back(std::move(line));
      }
    }
  }
  return pages;
}
