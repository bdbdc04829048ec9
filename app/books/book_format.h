// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The clues a book gives of its format: the first bytes of its markup, its file name.
#include <optional>
#include <string_view>

// The formats a book comes in.
enum class TBookFormat { PlainText, Epub, Fb2, Fb2Zip, Html };

namespace books {

// Fb2 or Html when the text starts (after a BOM, XML declaration, comments and
// white space) with a FictionBook, html, head or body element or <!DOCTYPE html.
std::optional<TBookFormat> SniffMarkup(std::string_view head);
// The format the file name's extension stands for; PlainText for any other.
TBookFormat FormatByExtension(std::string_view name);
// True when the bytes start like a ZIP archive.
bool HasZipMagic(std::string_view head);

}  // namespace books
