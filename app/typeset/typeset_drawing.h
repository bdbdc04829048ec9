// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Drawing a typeset page on the page raster, in the book's font and the text box's colours,
// with the same smoothing as the classic pages. One per page worker: it holds its own fonts.
#include "app/drawing/page_raster.h"
#include "app/layout/text_box.h"
#include "app/typeset/face_set.h"
#include "app/typeset/typeset_page.h"

class TTypesetDrawing {
public:
  // `font`: the body font the pages were typeset in (TTypesetBook::font).
  TTypesetDrawing(const TTextBox& box, const TPageFont& font);

  // Draws the page's pictures, lines, footer and rule; expects ClearPage just before.
  void Draw(TPageRaster& raster, const TTypesetPage& page);

private:
  const TTextBox& box_;
  TFaceSet faces_;
};
