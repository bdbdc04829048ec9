// SPDX-License-Identifier: GPL-3.0-or-later
// EPUB books: any input must give a well-shaped text or a clear error, within the limits,
// never a crash or a runaway allocation. An input whose first byte is odd describes the
// archive's entries as text ("name\ncontent" parts separated by "\n==> "), so that the
// fuzzer reaches the package and XHTML readers without having to forge ZIP checksums; any
// other input is the archive itself.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "app/books/book_reader.h"
#include "books/book_text_check.h"
#include "books/zip_writer.h"

namespace {

std::string ArchiveOf(std::string_view description) {
  TEntries entries;
  while (!description.empty()) {
    const std::size_t end = description.find("\n==> ");
    const std::string_view part = description.substr(0, end);
    const std::size_t newline = part.find('\n');
    entries.emplace_back(std::string(part.substr(0, newline)),
                         newline == std::string_view::npos ? "" : std::string(part.substr(newline + 1)));
    description = end == std::string_view::npos ? std::string_view() : description.substr(end + 5);
  }
  return MakeZip(entries, false);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::string bytes = data[0] % 2 ? ArchiveOf(input.substr(1)) : std::string(input.substr(1));
  ReadFuzzedBook(bytes, "book.epub");
  return 0;
}
