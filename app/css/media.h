// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whether a media query list applies to our medium, an e-reader's screen: "all", "screen" and
// the e-readers' own types apply, "print" and unknown types do not. Features in parentheses
// are not weighed: a query applies when its type does.
#include <span>

#include "app/css/token.h"

namespace css {

// An empty list applies, as does a list with any query that applies.
bool MediaApplies(std::span<const TToken> queryList);

}  // namespace css
