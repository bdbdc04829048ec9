#pragma once
// HTML and XHTML pages: the body's text; the title and author from the head.
#include <cstddef>
#include <string>
#include <string_view>

#include "app/books/book.h"

namespace books {

// Reads an HTML page with the tolerant parser (any tag soup reads). EOutOfResources past
// `capacity` bytes of text.
TBook ReadHtml(std::string_view bytes, std::size_t capacity);
// The same, letting the bytes go once they are parsed: the largest books need the room.
TBook ReadHtml(std::string&& bytes, std::size_t capacity);

}  // namespace books
