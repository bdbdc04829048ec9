// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Text in the case a book's styles ask for (text-transform), for the Latin, Greek and
// Cyrillic letters books are written in; other characters stay as they are.
#include <string>
#include <string_view>

#include "app/css/computed_style.h"

namespace books {

// `wordStart`: whether the text begins a word, for Capitalize; left saying whether the
// next text would.
std::string TransformCase(std::string_view utf8, css::ETextTransform transform, bool& wordStart);

}  // namespace books
