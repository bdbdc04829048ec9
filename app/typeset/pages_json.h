// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A typeset book as JSON, for scripts and tests to read the layout without pixels:
// {"width", "height", "pages": [{"number", "kind", "footer", "chapter", "lines": [{"text", "x",
// "y", "width", "face", "hyphen", "justified", "runs": [{"text", "x", "width", "face"}]}]}]},
// coordinates in whole pixels on the page.
#include <string>

#include "app/typeset/typeset_page.h"

std::string PagesJson(const TTypesetBook& book);
