// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One declaration applied to an element's computed style. Font sizes go first, in a pass of
// their own, since every em of the element's other lengths refers to its font size.
#include "app/css/computed_style.h"
#include "app/css/stylesheet.h"

namespace css {

struct TStyleContext {
  const TComputedStyle& parent;
  float rootFontSize = 16;
};

enum class EPhase { FontSize, Rest };

// A child's style before its own declarations: the inherited properties of the parent, the
// others at their initial values.
TComputedStyle InheritedFrom(const TComputedStyle& parent);

// Declarations of other properties, and values not understood, change nothing.
void ApplyDeclaration(TComputedStyle& style, const TDeclaration& declaration, const TStyleContext& context,
                      EPhase phase);

}  // namespace css
