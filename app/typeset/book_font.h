// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The body font a book is typeset in. The classic layout's face and size are made for its
// fixed lines; a book gets a face made for reading, and type that grows with the page,
// unless the face or the size was asked for.
#include "app/layout/page_font.h"
#include "app/typeset/typeset_options.h"

// The book layout's own face: sturdy strokes and a large x-height that hold up at 16 pixels
// in every colour set, dark green on black included, a line height that leaves a 272-pixel
// page ten lines, and every Polish letter in all four styles (Debian's fonts-noto-core;
// fontconfig stands in a serif face where it is missing).
inline constexpr char kBookFace[] = "Noto Serif";

// `page` with the book's face unless options.ownFace or a face other than the classic
// default was chosen, and with its height times the page's shorter side over the default
// screen's (never below 1) unless options.ownSize or another height was chosen.
TPageFont BookFont(const TPageFont& page, const TTypesetOptions& options);
