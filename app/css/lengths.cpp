// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/css/lengths.h"

#include <algorithm>
#include <string_view>
#include <utility>

namespace css {
namespace {

// px per unit, for the absolute units; 0 for units relative to a font.
float PxPerUnit(std::string_view unit, const TLengthContext& context) {
  static constexpr std::pair<std::string_view, float> kAbsolute[] = {
      {"px", 1.f},          {"pt", 96.f / 72.f},  {"pc", 16.f},         {"in", 96.f},
      {"cm", 96.f / 2.54f}, {"mm", 96.f / 25.4f}, {"q", 96.f / 101.6f},
  };
  for (const auto& [name, px] : kAbsolute)
    if (EqualsIgnoringCase(unit, name)) return px;
  if (EqualsIgnoringCase(unit, "em")) return context.fontSize;
  if (EqualsIgnoringCase(unit, "rem")) return context.rootFontSize;
  // Without the font's own measures, an x-height and a zero's advance are taken as half an em.
  if (EqualsIgnoringCase(unit, "ex") || EqualsIgnoringCase(unit, "ch")) return context.fontSize / 2;
  return 0;
}

constexpr float kLargest = 1e6f;  // keeps hostile values finite through the arithmetic after

}  // namespace

std::optional<TLength> ParseLength(const TToken& token, const TLengthContext& context, unsigned options) {
  const float number = std::clamp(float(token.number), -kLargest, kLargest);
  if (number < 0 && !(options & kAllowNegative)) return std::nullopt;
  switch (token.type) {
    case ETokenType::Number:
      if (number == 0) return TLength::Px(0);
      return std::nullopt;
    case ETokenType::Percentage:
      if (!(options & kAllowPercent)) return std::nullopt;
      return TLength::Fraction(number / 100);
    case ETokenType::Dimension:
      if (const float px = PxPerUnit(token.text, context); px > 0)
        return TLength::Px(std::clamp(number * px, -kLargest, kLargest));
      return std::nullopt;
    case ETokenType::Ident:
      if ((options & kAllowAuto) && token.IsIdent("auto")) return TLength::Auto();
      return std::nullopt;
    default:
      return std::nullopt;
  }
}

std::optional<float> ParseFontSize(const TToken& token, float parentSize, float rootSize) {
  if (token.Is(ETokenType::Ident)) {
    static constexpr std::pair<std::string_view, float> kKeywords[] = {
        {"xx-small", 9}, {"x-small", 10}, {"small", 13},    {"medium", 16},
        {"large", 18},   {"x-large", 24}, {"xx-large", 32}, {"xxx-large", 48},
    };
    for (const auto& [name, px] : kKeywords)
      if (token.IsIdent(name)) return px;
    if (token.IsIdent("larger")) return std::min(parentSize * 1.2f, kLargest);
    if (token.IsIdent("smaller")) return parentSize / 1.2f;
    return std::nullopt;
  }
  const TLengthContext context{.fontSize = parentSize, .rootFontSize = rootSize};
  const std::optional<TLength> length = ParseLength(token, context, kAllowPercent);
  if (!length) return std::nullopt;
  return std::min(length->Resolve(parentSize), kLargest);
}

std::vector<const TToken*> Words(std::span<const TToken> value) {
  std::vector<const TToken*> words;
  for (const TToken& token : value)
    if (!token.Is(ETokenType::Whitespace)) words.push_back(&token);
  return words;
}

}  // namespace css
