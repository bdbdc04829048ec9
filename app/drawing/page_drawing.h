// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Drawing the pages on the page raster, in the font and colours of the text box. Each
// line is one run of text whose cell (ascent plus descent) has its top-left corner at
// (1, y), painted on an opaque background of the page colour and cut only at the
// raster's edges. Both drawing operations expect ClearPage just before them.
#include <memory>
#include <string_view>

#include "app/drawing/page_raster.h"
#include "app/glyphs/line_printer.h"
#include "app/layout/line_list.h"
#include "app/layout/pagination.h"
#include "app/layout/text_box.h"

// The tool's lines under the book on the title page, in UTF-8: the classic page indents
// them, the book layout centres them.
inline constexpr std::string_view kTitleToolLines[] = {
    "Strony przygotował program Stronix",
    "www.stronix.example.org",
    "pozdrowienia dla psp-czytelników",
    "Miłej lektury!",
};

// Fills the whole raster with the text box's colour.
void ClearPage(TPageRaster& raster, const TTextBox& box);

// Draws the five title lines: the book (its title and author as `bookTitle` in UTF-8, or
// when that is empty the file-name part of `chosenFileName`, empty before any file was
// chosen), a line about the pages, our web address, the greeting to the readers and a
// closing wish. A `bookTitle` too wide for the page wraps onto up to four lines, moving the
// other lines down. EFontTooSmall for a layout size of 0.
void DrawTitlePage(TPageRaster& raster, const TTextBox& box, std::string_view chosenFileName,
                   std::string_view bookTitle = {});

// A printer of the text box's lines, to draw many pages in one thread with: it keeps what it
// learns of the font from page to page. Made in any thread, used in one.
std::unique_ptr<TLinePrinter> MakeLinePrinter(const TTextBox& box);

// Draws the lines of one page of `lines`, leaving the list as it is, with the printer and
// the widths of the box's font where they are given. EFontTooSmall for a layout size of 0.
void DrawPageLines(TPageRaster& raster, const TTextBox& box, const TLineList& lines, const TPageSpan& page,
                   TLinePrinter* printer = nullptr, std::shared_ptr<TGlyphWidths> widths = nullptr);
