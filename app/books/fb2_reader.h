// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// FictionBook 2: the bodies' sections in order, notes after the main text.
#include <cstddef>
#include <string_view>

#include "app/books/book.h"
#include "app/books/markup_text.h"
#include "app/books/xml_document.h"

namespace books {

// Reads an FB2 document. EBookError when it is not well-formed FB2; EOutOfResources past
// `capacity` bytes of text.
TBook ReadFb2(std::string_view bytes, std::size_t capacity);
// The same, read from `source` as a stream: no copy of the file, no tree of the document.
TBook ReadFb2(const TByteSource& source, std::size_t capacity);
// The same into sinks: the main text into one, the notes into the other; what the book says
// of itself.
TBookMetadata ReadFb2(const TByteSource& source, TMarkupSink& main, TMarkupSink& notes);

}  // namespace books
