// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/css/media.h"

#include <algorithm>
#include <string_view>

namespace css {
namespace {

bool TypeApplies(std::string_view lowercaseType) {
  static constexpr std::string_view kOurs[] = {"all",       "screen",  "amzn-kf8",
                                               "amzn-mobi", "amzn-et", "handheld"};
  return std::find(std::begin(kOurs), std::end(kOurs), lowercaseType) != std::end(kOurs);
}

// One query: [not|only]? type [and (feature)]*, or (feature) [and (feature)]*.
bool QueryApplies(std::span<const TToken> query) {
  bool negated = false;
  for (const TToken& token : query) {
    if (token.Is(ETokenType::Whitespace)) continue;
    if (token.IsIdent("only")) continue;
    if (token.IsIdent("not")) {
      negated = true;
      continue;
    }
    if (token.Is(ETokenType::Ident)) return TypeApplies(AsciiLower(token.text)) != negated;
    // A query of features alone concerns every medium.
    if (token.Is(ETokenType::OpenParen)) return !negated;
    return false;  // malformed: not all
  }
  return false;
}

}  // namespace

bool MediaApplies(std::span<const TToken> queryList) {
  bool empty = true;
  std::size_t start = 0;
  int depth = 0;
  for (std::size_t i = 0; i <= queryList.size(); ++i) {
    if (i < queryList.size()) {
      const ETokenType t = queryList[i].type;
      if (t == ETokenType::OpenParen || t == ETokenType::Function) ++depth;
      if (t == ETokenType::CloseParen && depth > 0) --depth;
      if (t != ETokenType::Whitespace) empty = false;
      if (t != ETokenType::Comma || depth > 0) continue;
    }
    if (QueryApplies(queryList.subspan(start, i - start))) return true;
    start = i + 1;
  }
  return empty;
}

}  // namespace css
