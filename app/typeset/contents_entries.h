// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The contents' entries: each chapter with a title once. A title that repeats the one before
// it is left out, and a chapter that holds only its number or label ("III", "Chapter 3")
// joins the titled chapter after it as one entry ("III. The Title").
#include <QString>
#include <vector>

#include "app/typeset/book_flow.h"

struct TContentsEntry {
  QString title;
  std::size_t firstLine = 0;  // in the flow
};

std::vector<TContentsEntry> ContentsEntries(const TBookFlow& flow);
