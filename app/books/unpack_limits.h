// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How much a book's archive may unpack: guards against archives built to exhaust memory.
#include <cstddef>

#include "app/books/text_capacity.h"

// The two bounds hold memory: one entry is read whole, and the entries read are kept
// together. The ratio only refuses a bomb before the work of unpacking it, so it waits for
// a size at which no book's entry (an OPF of 70,000 items, a page of dots) still squeezes so well.
struct TUnpackLimits {
  // All entries read, together (the text limit: markup is never smaller than its text).
  std::size_t maxTotal = kMaxTextBytes;
  // One entry: as much as all together, since a zipped FB2 is one entry holding the whole book.
  std::size_t maxEntry = kMaxTextBytes;
  // One entry against its packed size; a larger ratio is a ZIP bomb.
  std::size_t maxRatio = 100;
  // Entries up to this size may compress better than the ratio.
  std::size_t ratioExempt = std::size_t{32} << 20;
};
