// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The defaults of XHTML (and of FB2's inline elements) every cascade starts from, as a sheet
// of the lowest origin.
#include <memory>
#include <string_view>

#include "app/css/stylesheet.h"

namespace css {

std::string_view UserAgentSheetText();
// Parsed once, shared by every cascade.
std::shared_ptr<const TStyleSheet> UserAgentSheet();

}  // namespace css
