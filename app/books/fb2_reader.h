#pragma once
// FictionBook 2: the bodies' sections in order, notes after the main text.
#include <cstddef>
#include <string>
#include <string_view>

#include "app/books/book.h"

namespace books {

// Reads an FB2 document. EBookError when it is not well-formed FB2; EOutOfResources past
// `capacity` bytes of text.
TBook ReadFb2(std::string_view bytes, std::size_t capacity);
// The same, letting the bytes go once they are parsed: the largest books need the room.
TBook ReadFb2(std::string&& bytes, std::size_t capacity);

}  // namespace books
