// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A book's blocks as one column of lines, before it is cut into pages: each block set in
// its face and indents, with the space before each line and which lines must stay on the
// page of the line after them (headings, and the lines that would be orphans or widows).
#include <span>
#include <string>
#include <vector>

#include "app/document/document.h"
#include "app/typeset/face_set.h"
#include "app/typeset/line_breaker.h"

struct TFlowLine {
  TTypesetLine line;
  int spaceBefore = 0;        // dropped at the top of a page
  bool keepWithNext = false;  // no page ends after it, where moving a line or a few avoids it
  bool newPage = false;       // a chapter starts here
  int chapter = -1;           // index into TBookFlow::chapters; -1 before the first
};

struct TFlowChapter {
  std::string title;  // UTF-8; may be empty
  std::size_t firstLine = 0;
};

struct TBookFlow {
  std::vector<TFlowLine> lines;
  std::vector<TFlowChapter> chapters;
};

// How the column is set.
struct TFlowSettings {
  float left = 0, right = 0;  // the measure
  TBreakRules rules;          // for paragraphs; other blocks align as their kind wants
};

// Sets the book's blocks; notes gather at their chapter's end under "Przypisy".
TBookFlow SetBlocks(std::span<const document::TBlock> blocks, const TFlowSettings& settings, TFaceSet& faces);

// The face a run of `style` takes inside a block set in `base`.
TFace FaceOfStyle(std::uint8_t style, TFace base);
