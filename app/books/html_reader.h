// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// HTML and XHTML pages: the body's text; the title and author from the head.
#include <cstddef>
#include <string>
#include <string_view>

#include "app/books/book.h"
#include "app/books/markup_text.h"

namespace books {

// Reads an HTML page with the tolerant parser (any tag soup reads), its text taken as it
// is parsed. EOutOfResources past `capacity` bytes of text.
TBook ReadHtml(std::string_view bytes, std::size_t capacity);
// The same into a sink; what the page says of itself. `whole`: the page is parsed whole
// first, its tree handed to the sink.
TBookMetadata ReadHtml(std::string_view bytes, TMarkupSink& sink, bool whole = false);

}  // namespace books
