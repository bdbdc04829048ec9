// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Links between the documents of a book kept in an archive.
#include <optional>
#include <string>
#include <string_view>

namespace books {

// An href written in the document at `documentPath` as a path in the archive: relative to
// the document's folder, fragment dropped, percent escapes decoded, "." and ".." resolved;
// none when it leaves the archive.
std::optional<std::string> ResolveHref(std::string_view documentPath, std::string_view href);

}  // namespace books
