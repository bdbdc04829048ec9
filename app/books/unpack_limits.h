// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How much a book's archive may unpack: guards against archives built to exhaust memory.
#include <cstddef>

#include "app/books/text_capacity.h"

struct TUnpackLimits {
  // All entries read, together (the text limit: markup is never smaller than its text).
  std::size_t maxTotal = kMaxTextBytes;
  // One entry against its packed size; a larger ratio is a ZIP bomb.
  std::size_t maxRatio = 100;
  // Entries up to this size may compress better than the ratio (a page of dots does).
  std::size_t ratioExempt = std::size_t{1} << 20;
};
