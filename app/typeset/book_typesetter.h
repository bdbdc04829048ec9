// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The book layout: a structured book and the page font become pages of positioned lines,
// a title page first, then a contents page, then the text in a page frame (margins, a
// footer with the chapter, page / total and a progress rule). Nothing is drawn here.
#include <string>

#include "app/document/document.h"
#include "app/layout/page_font.h"
#include "app/typeset/typeset_options.h"
#include "app/typeset/typeset_page.h"

namespace pictures {
class TBookPictures;
}

// `fallbackTitle` (UTF-8) stands on the title page when the book names no title. The book's
// pictures come from `pictures`; without it (or with options.pictures off) each is its
// placeholder line.
TTypesetBook TypesetBook(const document::TDocument& book, const TPageFont& font,
                         const TTypesetOptions& options, const std::string& fallbackTitle,
                         pictures::TBookPictures* pictures = nullptr);
