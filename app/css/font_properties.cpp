// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/css/font_properties.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "app/css/lengths.h"

namespace css {

std::optional<int> ParseFontWeight(const TToken& token, int parentWeight) {
  if (token.IsIdent("normal")) return 400;
  if (token.IsIdent("bold")) return 700;
  if (token.IsIdent("bolder")) return parentWeight < 350 ? 400 : parentWeight < 550 ? 700 : 900;
  if (token.IsIdent("lighter")) return parentWeight < 550 ? 100 : parentWeight < 750 ? 400 : 700;
  if (token.Is(ETokenType::Number) && token.number >= 1 && token.number <= 1000) return int(token.number);
  return std::nullopt;
}

std::optional<bool> ParseMonospace(std::span<const TToken* const> words) {
  static constexpr std::string_view kMonospace[] = {"monospace",       "courier",     "courier new",
                                                    "consolas",        "menlo",       "dejavu sans mono",
                                                    "liberation mono", "ui-monospace"};
  static constexpr std::string_view kOthers[] = {
      "serif",           "sans-serif",   "cursive",     "fantasy",          "system-ui",       "times",
      "times new roman", "georgia",      "arial",       "helvetica",        "verdana",         "palatino",
      "garamond",        "dejavu serif", "dejavu sans", "liberation serif", "liberation sans", "ui-serif",
      "ui-sans-serif"};
  const auto known = [](std::span<const std::string_view> list, const std::string& family) {
    return std::find(list.begin(), list.end(), family) != list.end();
  };
  std::string family;
  for (std::size_t i = 0; i <= words.size(); ++i) {
    if (i < words.size() && !words[i]->Is(ETokenType::Comma)) {
      if (!words[i]->Is(ETokenType::Ident) && !words[i]->Is(ETokenType::String)) return std::nullopt;
      if (!family.empty()) family += ' ';
      family += AsciiLower(words[i]->text);
      continue;
    }
    if (family.empty()) return std::nullopt;
    if (known(kMonospace, family)) return true;
    if (known(kOthers, family)) return false;
    family.clear();
  }
  return false;
}

bool ApplyFontShorthand(TComputedStyle& style, std::span<const TToken* const> words,
                        const TComputedStyle& parent, float rootFontSize, bool sizeOnly) {
  bool italic = false, smallCaps = false;
  int weight = 400;
  std::size_t i = 0;
  std::optional<float> size;
  for (; i < words.size() && !size; ++i) {
    const TToken& word = *words[i];
    if (word.IsIdent("normal")) continue;
    if (word.IsIdent("italic") || word.IsIdent("oblique")) {
      italic = true;
    } else if (word.IsIdent("small-caps")) {
      smallCaps = true;
    } else if (const auto w = ParseFontWeight(word, parent.fontWeight); w && !word.IsIdent("normal")) {
      weight = *w;
    } else if (!(size = ParseFontSize(word, parent.fontSize, rootFontSize))) {
      // font-stretch and the like: not kept, yet valid before the size
      static constexpr std::string_view kStretch[] = {"condensed",       "semi-condensed", "extra-condensed",
                                                      "ultra-condensed", "expanded",       "semi-expanded",
                                                      "extra-expanded",  "ultra-expanded"};
      if (!word.Is(ETokenType::Ident) ||
          std::none_of(std::begin(kStretch), std::end(kStretch), [&](auto s) { return word.IsIdent(s); }))
        return false;
    }
  }
  if (!size) return false;
  if (i < words.size() && words[i]->IsDelim('/')) i += 2;  // the line height, not kept
  if (i >= words.size()) return false;
  const std::optional<bool> monospace = ParseMonospace(words.subspan(i));
  if (!monospace) return false;
  if (sizeOnly) {
    style.fontSize = *size;
  } else {
    style.italic = italic;
    style.smallCaps = smallCaps;
    style.fontWeight = weight;
    style.monospace = *monospace;
  }
  return true;
}

}  // namespace css
