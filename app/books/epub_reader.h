// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// EPUB 2 and 3: container, package document, spine, and the text of each spine item.
#include <cstddef>

#include "app/books/book.h"
#include "app/books/markup_text.h"
#include "app/books/zip_archive.h"

namespace books {

// Reads the EPUB book in the archive: each document of the spine once, at its first place;
// items marked linear="no" only with `allItems`, after the rest. EBookError when it is
// incomplete, malformed or protected; EOutOfResources past `capacity` bytes of text.
TBook ReadEpub(TZipArchive& archive, std::size_t capacity, bool allItems = false);
// The same into a sink, each document a chapter; what the book says of itself.
TBookMetadata ReadEpub(TZipArchive& archive, TMarkupSink& sink, bool allItems = false);

}  // namespace books
