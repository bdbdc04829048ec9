// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A file beside a book on disk, as the book names it (an HTML page's stylesheet): only a
// regular file inside the book's folder, reached without following any link.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace books {

// The bytes of `relative` ("styles/book.css", already resolved, never leaving the folder)
// under `folder`; nothing when it is missing, a link, not a regular file, or larger than
// `most` bytes.
std::optional<std::string> ReadFolderFile(const std::string& folder, std::string_view relative,
                                          std::size_t most);

}  // namespace books
