// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The font properties' values: weight, family, and the `font` shorthand.
#include <optional>
#include <span>

#include "app/css/computed_style.h"
#include "app/css/token.h"

namespace css {

// 100 to 900 (and the numbers between), `bolder` and `lighter` against the parent's weight.
std::optional<int> ParseFontWeight(const TToken& token, int parentWeight);

// Whether a family list names a monospace font first: a known monospace family before any
// other known family or generic name.
std::optional<bool> ParseMonospace(std::span<const TToken* const> words);

// `font: [style || variant || weight]? size [/ line-height]? family`, each part left out
// reset to its initial value. Sets the size only, or all but the size.
bool ApplyFontShorthand(TComputedStyle& style, std::span<const TToken* const> words,
                        const TComputedStyle& parent, float rootFontSize, bool sizeOnly);

}  // namespace css
