// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pages of a job, each made on demand exactly as a run writes it: the title page and
// the classic pages drawn from the text box's lines, or the typeset book's pages, turned
// for portrait and encoded with the run's colours. The run makes them all; the window's
// preview only those it shows.
#include <cstdint>

#include "app/layout/line_list.h"
#include "app/layout/pagination.h"
#include "app/run/conversion_job.h"
#include "app/run/page_pipeline.h"
#include "app/typeset/typeset_page.h"
#include "platform/exceptions.h"

// Refuses a run whose font is so large that not one line fits on a page.
class EFontTooLarge : public Exception {
public:
  EFontTooLarge();
};

// The lines a page holds in a font of (negative) pixel height `fontHeight`: EFontTooSmall
// when the layout cannot use so small a font, EFontTooLarge when not one line fits.
int UsableLinesPerPage(int fontHeight);

// A run's working list: the text box's display lines, squeezed when asked; valid while
// the box's text and font stay as they are.
TLineList PageLines(const TTextBox& box, bool squeezeBlankLines);

class TRunPages {
public:
  // Lays the job's book out: paginates the text box's lines or typesets the book. Raises
  // EFontTooSmall / EFontTooLarge for a font no page can use; ERunCancelled when the cancel
  // scope in force asks. Keeps its own copy of the job.
  explicit TRunPages(TConversionJob job);

  // Title page included; 0 for an empty text box.
  int Count() const { return count_; }
  // The pixels of one page, for the free-space estimate.
  std::uint64_t PagePixels() const;
  int UnreadablePictures() const { return typeset_.unreadablePictures; }
  const TRunSettings& Settings() const { return job_.settings; }

  // A maker of page files for one thread; valid while this object lives.
  TPageMaker Maker() const;

private:
  TConversionJob job_;
  bool book_ = false;
  TTypesetBook typeset_;
  TLineList lines_;
  std::vector<TPageSpan> pages_;
  int count_ = 0;
};
