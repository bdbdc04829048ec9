// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A book read from a markup format (EPUB, FB2, HTML): its metadata and its text.
#include <string>
#include <utility>
#include <vector>

#include "app/books/chapter_mark.h"
#include "platform/exceptions.h"

// A book read from a markup format: its metadata and its text as the text box takes it.
struct TBook {
  std::string title;   // UTF-8, empty when the book names none
  std::string author;  // UTF-8, empty when none
  std::string text;    // UTF-8; every line ends with CR LF; a line that is "\f" alone marks a chapter start
};

// What a book says of itself.
struct TBookMetadata {
  std::string title;                 // UTF-8, empty when the book names none
  std::vector<std::string> authors;  // names only, no addresses
  std::string language;              // the code the book gives ("pl", "en-US"), or empty
  std::string cover;                 // the cover picture as an Image block names it, or empty
};

// A book of its metadata and its text, the authors joined by ", ".
inline TBook BookOf(const TBookMetadata& metadata, std::string text) {
  TBook book{metadata.title, {}, std::move(text)};
  for (const std::string& author : metadata.authors)
    book.author += (book.author.empty() ? "" : ", ") + author;
  return book;
}

// A book that cannot be read: not the archive it claims to be, malformed, incomplete,
// protected or oversized. The message says which, in plain English.
class EBookError : public Exception {
public:
  using Exception::Exception;
};
