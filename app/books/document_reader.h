// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// EPUB, FB2 and HTML books read as structured books, with what they say of themselves.
#include <cstddef>
#include <string>
#include <string_view>

#include "app/books/xml_document.h"
#include "app/books/zip_archive.h"
#include "app/document/document.h"

namespace books {

// As ReadEpub, ReadFb2 and ReadHtml, into blocks; ETextTooLarge once the blocks pass
// `capacity` bytes. FB2 notes follow the main text.
document::TDocument ReadEpubDocument(TZipArchive& archive, std::size_t capacity, bool allItems);
document::TDocument ReadFb2Document(const TByteSource& source, std::size_t capacity);
document::TDocument ReadFb2Document(std::string_view bytes, std::size_t capacity);
// `path`: where the page is on disk, for the stylesheets beside it; empty when unknown.
document::TDocument ReadHtmlDocument(std::string_view bytes, std::size_t capacity,
                                     const std::string& path = {});

}  // namespace books
