// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The book's first page: its title, authors and the tool's lines centred on the page; or,
// for a book with a cover, the cover whole with the title and authors beside or beneath it.
#include <QImage>
#include <span>
#include <string>
#include <string_view>

#include "app/typeset/face_set.h"
#include "app/typeset/typeset_page.h"

// The page the title is set on.
struct TTitleFrame {
  int width = 0, height = 0;  // the page's
  float left = 0, right = 0;  // the margins' inner edges
  int top = 0;                // the top margin, and the bottom one
  float scale = 1;            // the page's shorter side over the default screen's
};

struct TTitleText {
  std::string title;                            // UTF-8
  std::string authors;                          // UTF-8, comma-separated; empty when none
  std::span<const std::string_view> toolLines;  // ours, in the book's language, under the book
};

// Title (larger, at most a few lines), authors, then the tool's lines, centred.
TTypesetPage TitlePage(const TTitleText& text, const TTitleFrame& frame, TFaceSet& faces);

// The cover fitted to the page, never cropped and enlarged at most by the page's scale. On
// a landscape page a portrait cover stands at the left at full height, the title and
// authors centred beside it; otherwise the cover stands above them, or alone where they
// would leave it less than two thirds of its size.
TTypesetPage CoverPage(const QImage& cover, const TTitleText& text, const TTitleFrame& frame,
                       TFaceSet& faces);
