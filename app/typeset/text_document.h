// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Stopgap until every reader yields a structured book: the text box's text as one, a
// paragraph per source line, a chapter at each chapter-mark line, its first line as its
// heading.
#include <string_view>

#include "app/document/document.h"
#include "app/text/font_script.h"

document::TDocument DocumentOfClassicText(std::string_view text, TFontScript script);
