// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Cutting the column of lines into pages: as many lines as fit, a chapter on a new page,
// and a page that would end after a line kept with the next ends a few lines earlier
// instead (never leaving it blank).
#include <vector>

#include "app/typeset/book_flow.h"

struct TFlowPage {
  std::vector<TTypesetLine> lines;  // y set
  std::size_t firstLine = 0;        // in the flow
  int chapter = -1;
  std::vector<TPagePicture> pictures;  // rect's y set
  bool picturePage = false;            // a picture on a page of its own
};

// The pages of `flow` with lines from y = `top` down to no lower than `bottom`.
std::vector<TFlowPage> CutPages(const TBookFlow& flow, int top, int bottom);
