// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Books kept as EPUB, FB2 (plain or zipped) or HTML, read into the text the text box takes.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "app/books/book.h"
#include "app/books/book_format.h"
#include "app/books/unpack_limits.h"
#include "app/document/document.h"

// The book's format, decided by its content (ZIP magic with an EPUB mimetype or container,
// the XML root FictionBook, <html or <!DOCTYPE html), the extension only breaking ties.
// EFOpenError "Cannot open file %s" when the file cannot be read.
TBookFormat DetectBookFormat(const std::string& path);
// The same for a book held in memory; `name` supplies the extension.
TBookFormat DetectBookFormat(std::string_view bytes, std::string_view name);

// Reads an EPUB, FB2 (plain or zipped) or HTML book; std::nullopt when the file is plain
// text, which the caller reads as text. EFOpenError "Cannot open file %s" when it cannot be
// read; EBookError for a bad book; ETextTooLarge past
// `capacity` bytes of text. `allItems`: an EPUB's items outside its reading order follow it.
std::optional<TBook> ReadMarkupBook(const std::string& path, std::size_t capacity = kMaxTextBytes,
                                    bool allItems = false);
// The same for a book held in memory; `name` supplies the extension.
std::optional<TBook> ReadMarkupBook(std::string_view bytes, std::string_view name,
                                    std::size_t capacity = kMaxTextBytes, const TUnpackLimits& unpack = {},
                                    bool allItems = false);

// The same books as structured books: blocks of styled runs, with the book's title, authors
// and language. std::nullopt for plain text (DocumentOfText reads that); the same errors.
std::optional<document::TDocument> ReadBookDocument(const std::string& path,
                                                    std::size_t capacity = kMaxTextBytes,
                                                    bool allItems = false);
std::optional<document::TDocument> ReadBookDocument(std::string_view bytes, std::string_view name,
                                                    std::size_t capacity = kMaxTextBytes,
                                                    const TUnpackLimits& unpack = {}, bool allItems = false);
