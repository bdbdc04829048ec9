// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the book layout is asked for besides the page font and colours.
#include <string>

// Which layout a run uses: the classic pages (lines of the text box at fixed places) or the
// typeset book (page frame, justified and hyphenated lines, the book's structure shown).
enum class TLayoutKind { Classic, Book };

struct TTypesetOptions {
  // The page as typeset, in pixels: the screen's, or its sides swapped for portrait pages.
  int pageWidth = 480, pageHeight = 272;
  // The left and right margins in pixels on the default screen; like the page's other gaps
  // they grow with the page's shorter side (24 on a 960 × 544 screen).
  int margin = 12;
  bool justify = true;  // off: ragged right
  bool hyphenate = true;
  bool footer = true;    // chapter title, page / total and the progress rule
  bool contents = true;  // a contents page after the title page
  bool pictures = true;  // off: each picture's placeholder line instead
  std::string language;  // BCP 47, used when the book names none; empty: none known
  // The page font's face and size were asked for: the book is set in them as they are
  // (else see BookFont).
  bool ownFace = false, ownSize = false;
};
