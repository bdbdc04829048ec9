// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The conversion run ("Generuj"): the text box's lines become a title picture "0000.gif"
// and the page pictures 0001.gif, 0002.gif, ... in the target folder.
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/delivery/staged_book.h"
#include "app/document/document.h"
#include "app/drawing/page_turn.h"
#include "app/drawing/screen_size.h"
#include "app/layout/text_box.h"
#include "app/pictures/picture_page.h"
#include "app/run/run_monitor.h"
#include "app/typeset/typeset_options.h"
#include "platform/exceptions.h"

// Refuses a run whose font is so large that not one line fits on a page.
class EFontTooLarge : public Exception {
public:
  EFontTooLarge();
};

// The lines a page holds in a font of (negative) pixel height `fontHeight`: EFontTooSmall
// when the layout cannot use so small a font, EFontTooLarge when not one line fits.
int UsableLinesPerPage(int fontHeight);

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

// What a run did.
struct TRunReport {
  int filesWritten = 0;              // title page included
  int oldPagesRemoved = 0;           // pages of an earlier, longer book
  std::vector<std::string> folders;  // where the pages are, in reading order
  // The book whose commit a killed run left in the folder, finished before this one began.
  std::optional<std::string> finishedInterrupted;
  int unreadablePictures = 0;  // in the book layout, each shown by its placeholder line
};

// A page number as its file is named: four digits, zero-padded, or all of its digits
// from 10000 on.
std::string PageLabel(int number);

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

// A run's working list: the text box's display lines, squeezed when asked; valid while
// the box's text and font stay as they are.
TLineList PageLines(const TTextBox& box, bool squeezeBlankLines);

// Converts the job's display lines: the title picture when there is a line, then the
// pages, squeezed first when asked. The pages reach the target folder together, only when
// every one is complete: they replace the book there, and pages of an older, longer book
// go. EFontTooSmall for a layout size of 0 and EFontTooLarge when N ≤ 0, EFolderBusy when
// another run holds the folder; the GIF writer's and the files' failures ("Cannot create
// file %s", ...) and ERunCancelled end the run with the folder as it was.
TRunReport RunConversion(const TConversionJob& job, TRunMonitor* monitor = nullptr,
                         const TFileWriter& writer = WriteWholeFile);

// What the text box shows once a run has succeeded: "gotowe..." and a line break, then
// "Finished an interrupted conversion of NAME" when the run first finished one a kill had left.
void ShowRunEnd(TTextBox& box, const TRunReport& report);
