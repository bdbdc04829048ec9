// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A typeset book: pages of positioned lines, each line of runs in one face. The typesetter
// makes them without drawing anything; drawing them is a separate, thin step, and the
// command line prints them.
#include <QImage>
#include <QRect>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/layout/page_font.h"

// The faces a page is set in, all derived from the page font.
enum class TFace : std::uint8_t {
  Regular,
  Italic,
  Bold,
  BoldItalic,
  Mono,
  Heading,
  Title,
  Small,
  Superscript
};
inline constexpr int kFaceCount = 9;

// What a run of text carries beside its glyphs: rules drawn along it, and a small face set
// below the baseline (subscript). Flags combine.
enum TRunMark : std::uint8_t {
  kNoMark = 0,
  kUnderlined = 1,
  kStruckOut = 2,
  kLowered = 4,
};

// A book's picture on a page, already scaled to `rect`'s size.
struct TPagePicture {
  std::shared_ptr<const QImage> image;
  QRect rect;
};

// A run of text in one face, drawn with its cell's left edge at x. Every U+0020 in it is
// widened by `wordSpacing` pixels (justification).
struct TTypesetRun {
  std::string text;  // UTF-8, as drawn
  float x = 0;
  float width = 0;  // drawn width, word spacing included
  TFace face = TFace::Regular;
  float wordSpacing = 0;
  std::uint8_t marks = kNoMark;  // TRunMark flags
};

struct TTypesetLine {
  std::vector<TTypesetRun> runs;
  int y = 0;                    // the top of the line's cell on the page
  int height = 0;               // the cell's height: ascent plus descent of its main face
  int ascent = 0;               // from the top to the baseline
  TFace face = TFace::Regular;  // the face most of its text is in
  bool hyphen = false;          // ends in a hyphen the typesetter added
  bool justified = false;       // stretched to the measure
  float overhang = 0;           // how far the last glyph's ink reaches past its advance
  // Pictures standing in the line, each over a run of no text as wide (rect's y from the
  // line's top); a page takes them into its own.
  std::vector<TPagePicture> pictures;

  float Left() const { return runs.empty() ? 0 : runs.front().x; }
  float Right() const;       // where its ink ends
  std::string Text() const;  // the runs' texts in order, a space between runs set apart
};

// Image: a picture too large to stand between paragraphs, with its caption under it.
enum class TPageKind : std::uint8_t { Title, Contents, Text, Image };

// The thin rule above the footer, drawn in a shade between text and page, dark up to
// `reached`: how far into the book the page is.
struct TProgressRule {
  int y = -1;  // -1: none
  float left = 0, right = 0, reached = 0;
};

struct TTypesetPage {
  TPageKind kind = TPageKind::Text;
  int number = 0;  // as its file is numbered: 0 the title page
  std::vector<TTypesetLine> lines;
  std::string footer;                     // "page / total"; empty: no footer
  std::string chapter;                    // the chapter's title, shown in the footer
  std::vector<TTypesetLine> footerLines;  // the footer as drawn
  TProgressRule rule;
  std::vector<TPagePicture> pictures;  // a page holding any is encoded in many colours
};

struct TTypesetBook {
  std::vector<TTypesetPage> pages;
  int width = 0, height = 0;
  TPageFont font;              // the body's, which the pages are drawn in
  int unreadablePictures = 0;  // shown by their placeholder line instead
};
