// FB2 books: any bytes, read as a book named .fb2 (as HTML or a zipped FB2 when their
// content says so), must give a well-shaped text or a clear error, within the limits, never
// a crash or a runaway allocation.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "app/books/book_reader.h"
#include "books/book_text_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  try {
    const std::optional<TBook> book = ReadMarkupBook(bytes, "book.fb2", std::size_t{1} << 20,
                                                     TUnpackLimits{.maxTotal = std::size_t{8} << 20});
    if (!book) return 0;
    if (const std::string fault = BookTextFault(book->text); !fault.empty()) {
      std::fprintf(stderr, "badly shaped text: %s\n", fault.c_str());
      std::abort();
    }
  } catch (const Exception&) {
    // A clear refusal is a right answer for a bad book.
  }
  return 0;
}
