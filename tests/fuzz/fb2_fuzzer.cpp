// SPDX-License-Identifier: GPL-3.0-or-later
// FB2 books: any bytes, read as a book named .fb2 (as HTML or a zipped FB2 when their
// content says so), must give a well-shaped text or a clear error, within the limits, never
// a crash or a runaway allocation.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "app/books/book_reader.h"
#include "books/book_text_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  ReadFuzzedBook(bytes, "book.fb2");
  return 0;
}
