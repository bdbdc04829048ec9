// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A plain text as a structured book: paragraphs, scene breaks and chapters.
#include <functional>
#include <string>
#include <string_view>

#include "app/document/document.h"

namespace document {

// The paragraphs of a UTF-8 text (lines ending in LF, CR LF or CR). A paragraph ends at a
// blank line or where the next line starts with an indent. A text hard-wrapped at a fixed
// column (most lines ending within a few characters of one width) is reflowed: its lines
// join into paragraphs, a line well short of the width ending one; otherwise each line is a
// paragraph. A line holding a form feed starts a chapter; a paragraph of "* * *" is a break.
TDocument DocumentOfText(std::string_view utf8);

// A line's bytes (no line break inside) as UTF-8.
using TLineDecoder = std::function<std::string(std::string_view)>;
// The same for a text in any encoding that writes CR and LF as those bytes and keeps every
// ASCII byte for itself, read a line at a time and decoded by `toUtf8`, line by line.
TDocument DocumentOfText(std::string_view text, const TLineDecoder& toUtf8);

}  // namespace document
