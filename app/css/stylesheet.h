// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A parsed stylesheet: its style rules in source order, with @media already decided for our
// medium (an e-reader's screen) and @import resolved through the caller's loader.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/css/limits.h"
#include "app/css/selector.h"
#include "app/css/token.h"

namespace css {

// Lowest first: the user agent's defaults, the reader's own sheet, the book's.
enum class ESheetOrigin : std::uint8_t { UserAgent, User, Author };

struct TDeclaration {
  std::string property;  // lower case
  TTokens value;         // without the surrounding spaces and "!important"
  bool important = false;
};
using TDeclarations = std::vector<TDeclaration>;

struct TStyleRule {
  std::vector<TSelector> selectors;  // the valid ones; a rule keeps at least one
  TDeclarations declarations;
};

struct TStyleSheet {
  ESheetOrigin origin = ESheetOrigin::Author;
  std::vector<TStyleRule> rules;
  // The @import addresses as written, in order, for media that apply; LoadStyleSheet follows
  // them, ParseStyleSheet only lists them.
  std::vector<std::string> imports;
};

// Never fails: what is malformed is skipped to the next rule or declaration, as browsers do.
// Text beyond the byte budget is left unread; rules beyond the rule budget are dropped.
TStyleSheet ParseStyleSheet(std::string_view text, ESheetOrigin origin, TLimits& limits);

// The declarations of a style attribute (`color: red; font-style: italic`).
TDeclarations ParseDeclarations(std::string_view text, TLimits& limits);

// The text of the sheet at `href` (as the importing sheet wrote it), or nothing.
using TSheetLoader = std::function<std::optional<std::string>(std::string_view href)>;

// As ParseStyleSheet, with each @import's rules placed before the importing sheet's own, as
// if written there. Imports nest to limits.maxImportDepth; a sheet importing one it is being
// imported from is not read again.
TStyleSheet LoadStyleSheet(std::string_view text, ESheetOrigin origin, TLimits& limits,
                           const TSheetLoader& loader);

}  // namespace css
