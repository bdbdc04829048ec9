// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a conversion run converts: the text box's copy and the settings, apart from the run
// so that what reads a job (the book layout) needs nothing of the run.
#include <memory>
#include <optional>
#include <string>

#include "app/document/document.h"
#include "app/drawing/page_turn.h"
#include "app/drawing/screen_size.h"
#include "app/layout/text_box.h"
#include "app/pictures/picture_page.h"
#include "app/typeset/typeset_options.h"

// What a run reads besides the text box.
struct TRunSettings {
  std::string targetFolder;    // the prefix of every output path, normally ending in "/"
  std::string chosenFileName;  // the book's path, for the title page; empty before any load
  std::string picturesPath;    // where the book's pictures are read from; empty: nowhere (stdin)
  bool squeezeBlankLines = true;
  // A display line that is kChapterMark alone starts a new page; off, such lines are dropped.
  bool chapterPages = false;
  // Modification times ascend in page order, 2 s apart, the last page at the run's end.
  bool pageTimes = true;
  // Each page's colour table holds only the colours it uses ("małe pliki", --compact).
  bool compactPages = false;
  // 0: every page in the target folder; K >= 10: sibling folders "<Name> 01", "<Name> 02", ...
  // of at most K pages each.
  int pagesPerFolder = 0;
  // The part folders' "<Name>"; empty: the chosen file's name made safe for FAT.
  std::string partName;
  // Page workers; 0: one per core.
  int jobs = 0;
  // A missing target folder is made, with its parents (a card's book folder, -o DIR).
  bool createFolder = false;
  // The title page's first line names this (a book's title and author, in the book's
  // script) instead of the file; empty: the file name.
  std::string bookTitle;
  // The classic pages, or the typeset book with its options.
  TLayoutKind layout = TLayoutKind::Classic;
  TTypesetOptions typeset;
  // The book layout's screen (the classic pages are always 480 × 272) and, for a console
  // held sideways, the way it is turned: the page is typeset tall and turned in its GIF.
  TScreenSize screen;
  std::optional<TConsoleTurn> portrait;
  // How a typeset page holding a picture is reduced to its own palette.
  pictures::TPictureColors pictureColors;
};

// What one run converts, taken whole when it starts: a copy of the text box (sharing its
// text and the lines wrapped so far, with its font and page colour) and the settings. The
// run only reads it, so whoever started the run may go on changing its own box meanwhile.
struct TConversionJob {
  TTextBox box;
  TRunSettings settings;
  // The book as a structured book, for the book layout; none for a plain-text book, whose
  // structure the book layout finds in the text box's text.
  std::shared_ptr<const document::TDocument> book;
};
