// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Lengths and font sizes as written, computed: em and its kin against a font size, absolute
// units to px; percentages of width kept as fractions.
#include <optional>
#include <span>
#include <vector>

#include "app/css/computed_style.h"
#include "app/css/token.h"

namespace css {

struct TLengthContext {
  float fontSize = 16;      // what em, ex and ch refer to
  float rootFontSize = 16;  // what rem refers to
};

enum ELengthOptions : unsigned {
  kLengthOnly = 0,
  kAllowPercent = 1,
  kAllowNegative = 2,
  kAllowAuto = 4,
};

std::optional<TLength> ParseLength(const TToken& token, const TLengthContext& context, unsigned options);

// A font size in px: keywords, larger/smaller, lengths and percentages of the parent's size.
std::optional<float> ParseFontSize(const TToken& token, float parentSize, float rootSize);

// The value's tokens without whitespace.
std::vector<const TToken*> Words(std::span<const TToken> value);

}  // namespace css
