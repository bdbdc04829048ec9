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
#include "app/run/conversion_job.h"
#include "app/run/run_monitor.h"
#include "app/run/run_pages.h"
#include "platform/exceptions.h"

// What a run did.
struct TRunReport {
  int filesWritten = 0;              // title page included
  int oldPagesRemoved = 0;           // pages of an earlier, longer book
  std::vector<std::string> folders;  // where the pages are, in reading order
  // What the run did, before it began, with a commit a killed run left in the folder:
  // "Finished an interrupted conversion of NAME" or "Set aside a damaged commit journal in …".
  std::optional<TMessage> killedRunNotice;
  int unreadablePictures = 0;  // in the book layout, each shown by its placeholder line
};

// A page number as its file is named: four digits, zero-padded, or all of its digits
// from 10000 on.
std::string PageLabel(int number);

// Converts the job's display lines: the title picture when there is a line, then the
// pages, squeezed first when asked. The pages reach the target folder together, only when
// every one is complete: they replace the book there, and pages of an older, longer book
// go. EFontTooSmall for a layout size of 0 and EFontTooLarge when N ≤ 0, EFolderBusy when
// another run holds the folder; the GIF writer's and the files' failures ("Cannot create
// file %s", ...) and ERunCancelled end the run with the folder as it was.
TRunReport RunConversion(const TConversionJob& job, TRunMonitor* monitor = nullptr,
                         const TFileWriter& writer = WriteWholeFile);

// The book whose pages the target folder holds, as its book record names it, when that is
// another book than the job's: a run would replace its pages. None for the same book, or for
// a folder without a record.
std::optional<std::string> OtherBookInTarget(const TRunSettings& settings);

// What the text box shows once a run has succeeded: "gotowe..." and a line break, then
// the killed run's notice when the run first dealt with what a kill had left.
void ShowRunEnd(TTextBox& box, const TRunReport& report);
