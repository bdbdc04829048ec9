// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whether a selector matches an element, read right to left. A failure says how far it
// reaches, as browsers prune the search: a part that ran out of ancestors fails for every
// higher ancestor too, so `a a a … b` against a deep tree costs a walk, not a combinatorial
// search.
#include <cstdint>

#include "app/css/element_table.h"
#include "app/css/limits.h"
#include "app/css/selector.h"

namespace css {

bool Matches(const TSelector& selector, const TElementTable& table, std::int32_t element,
             const TLimits& limits);
// The same, each compound compared counted in `steps`; past `most` it matches no more.
bool Matches(const TSelector& selector, const TElementTable& table, std::int32_t element,
             const TLimits& limits, std::size_t& steps, std::size_t most);

// One compound against one element, combinators aside.
bool MatchesCompound(const TCompound& compound, const TElement& element);

}  // namespace css
