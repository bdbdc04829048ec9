// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A book's blocks as one column of lines, before it is cut into pages: each block set in
// its face and indents, with the space before each line and which lines must stay on the
// page of the line after them (headings, and the lines that would be orphans or widows).
#include <memory>
#include <span>
#include <string>
#include <unordered_map>
#include <vector>

#include "app/document/document.h"
#include "app/typeset/face_set.h"
#include "app/typeset/line_breaker.h"
#include "app/typeset/line_pictures.h"
#include "app/typeset/page_words.h"

struct TFlowLine {
  TTypesetLine line;
  int spaceBefore = 0;        // dropped at the top of a page
  bool keepWithNext = false;  // no page ends after it, where moving a line or a few avoids it
  bool newPage = false;       // a chapter starts here
  int chapter = -1;           // index into TBookFlow::chapters; -1 before the first
  TPagePicture picture;       // image set: a picture stands here instead of text (rect's y unset)
  bool ownPage = false;       // the picture fills a page of its own with its caption
};

struct TFlowChapter {
  std::string title;  // UTF-8; may be empty
  std::size_t firstLine = 0;
};

struct TBookFlow {
  std::vector<TFlowLine> lines;
  std::vector<TFlowChapter> chapters;
};

namespace pictures {
class TBookPictures;
}

// What becomes of an Image block: its picture fitted to the text area, or its placeholder
// line when `image` is empty; `skip`: left out (the cover the book repeats at its start).
struct TFlowPicture {
  std::shared_ptr<const QImage> image;
  bool ownPage = false;
  bool skip = false;
};
using TFlowPictures = std::unordered_map<const document::TBlock*, TFlowPicture>;

// How the column is set.
struct TFlowSettings {
  float left = 0, right = 0;                   // the measure
  TBreakRules rules;                           // for paragraphs; other blocks align as their kind wants
  int textHeight = 0;                          // of a page's text area
  const TFlowPictures* pictures = nullptr;     // none: every picture is its placeholder line
  int enlargement = 1;                         // the most a picture grows: the screen's whole scale
  const TPageWords* words = &PageWordsOf({});  // the notes heading's and picture placeholder's

  // The pictures in lines of text; none: each is its placeholder.
  const TLinePictures* linePictures = nullptr;
};

// Reads and fits the pictures of `blocks`' Image blocks (each source once) from `pictures`
// (none: every one its placeholder); an Image of the `cover` before the book's first text is
// skipped, as the title page shows the cover.
TFlowPictures PlacePictures(std::span<const document::TBlock> blocks, const std::string& cover,
                            const TFlowSettings& settings, TFaceSet& faces,
                            pictures::TBookPictures* pictures);

// Sets the book's blocks; notes gather at their chapter's end under a heading ("Notes").
TBookFlow SetBlocks(std::span<const document::TBlock> blocks, const TFlowSettings& settings, TFaceSet& faces);

// The face a run of `style` takes inside a block set in `base`.
TFace FaceOfStyle(std::uint16_t style, TFace base);
