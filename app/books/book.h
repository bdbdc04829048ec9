// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A book read from a markup format (EPUB, FB2, HTML): its metadata and its text.
#include <string>

#include "app/books/chapter_mark.h"
#include "platform/exceptions.h"

// A book read from a markup format: its metadata and its text as the text box takes it.
struct TBook {
  std::string title;   // UTF-8, empty when the book names none
  std::string author;  // UTF-8, empty when none
  std::string text;    // UTF-8; every line ends with CR LF; a line that is "\f" alone marks a chapter start
};

// A book that cannot be read: not the archive it claims to be, malformed, incomplete,
// protected or oversized. The message says which, in plain English.
class EBookError : public Exception {
public:
  using Exception::Exception;
};
