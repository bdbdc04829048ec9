// SPDX-License-Identifier: GPL-3.0-or-later
// The rule and declaration grammar of CSS Syntax Level 3 over the token list. Blocks are
// paired once up front, iteratively, so that skipping a bad rule or a nested block is a jump;
// only @media blocks are entered, to limits.maxBlockDepth.
#include "app/css/stylesheet.h"

#include <algorithm>
#include <set>

#include "app/css/media.h"
#include "app/css/tokenizer.h"

namespace css {
namespace {

using TSpan = std::span<const TToken>;

bool Opens(ETokenType t) {
  return t == ETokenType::OpenCurly || t == ETokenType::OpenSquare || t == ETokenType::OpenParen ||
         t == ETokenType::Function;
}
ETokenType CloserOf(ETokenType t) {
  return t == ETokenType::OpenCurly    ? ETokenType::CloseCurly
         : t == ETokenType::OpenSquare ? ETokenType::CloseSquare
                                       : ETokenType::CloseParen;
}

TSpan Trimmed(TSpan tokens) {
  while (!tokens.empty() && tokens.front().Is(ETokenType::Whitespace)) tokens = tokens.subspan(1);
  while (!tokens.empty() && tokens.back().Is(ETokenType::Whitespace))
    tokens = tokens.first(tokens.size() - 1);
  return tokens;
}

class TParser {
public:
  TParser(std::string_view text, TLimits& limits)
      : text_(text), tokens_(Tokenize(text, limits.maxTokens)), limits_(limits) {
    PairBlocks();
  }

  void ParseRules(TStyleSheet& sheet) { ParseRuleList(sheet, 0, tokens_.size(), 0); }

  TDeclarations ParseDeclarationList() { return ParseDeclarationBlock(0, tokens_.size()); }

private:
  // close_[i]: for a token that opens a block, the index of the token that closes it (the
  // end of the tokens when none does). A closer that matches no open block is a plain token.
  void PairBlocks() {
    close_.assign(tokens_.size(), tokens_.size());
    std::vector<std::size_t> open;
    for (std::size_t i = 0; i < tokens_.size(); ++i) {
      const ETokenType t = tokens_[i].type;
      if (Opens(t)) {
        open.push_back(i);
      } else if (!open.empty() && t == CloserOf(tokens_[open.back()].type)) {
        close_[open.back()] = i;
        open.pop_back();
      }
    }
  }

  // The index of the first token in [i, end) of one of the kinds asked for, outside nested
  // blocks; `end` when there is none.
  std::size_t Find(std::size_t i, std::size_t end, ETokenType a, ETokenType b) const {
    while (i < end && !tokens_[i].Is(a) && !tokens_[i].Is(b))
      i = Opens(tokens_[i].type) ? close_[i] + 1 : i + 1;
    return std::min(i, end);
  }
  TSpan Range(std::size_t begin, std::size_t end) const {
    return TSpan(tokens_).subspan(begin, std::max(begin, end) - begin);
  }

  void ParseRuleList(TStyleSheet& sheet, std::size_t i, std::size_t end, int depth) {
    bool rulesSeen = false;  // @import counts only before every other rule
    while (i < end) {
      const TToken& token = tokens_[i];
      if (token.Is(ETokenType::Whitespace) || token.Is(ETokenType::Cdo) || token.Is(ETokenType::Cdc)) {
        ++i;
        continue;
      }
      const std::size_t stop =
          Find(token.Is(ETokenType::AtKeyword) ? i + 1 : i, end,
               token.Is(ETokenType::AtKeyword) ? ETokenType::Semicolon : ETokenType::OpenCurly,
               ETokenType::OpenCurly);
      const bool hasBlock = stop < end && tokens_[stop].Is(ETokenType::OpenCurly);
      const std::size_t blockEnd = hasBlock ? std::min(close_[stop], end) : stop;
      if (token.Is(ETokenType::AtKeyword)) {
        const std::string name = AsciiLower(token.text);
        const TSpan prelude = Range(i + 1, stop);
        if (name == "import" && !hasBlock && !rulesSeen) {
          AddImport(sheet, prelude);
        } else if (name == "media" && hasBlock && depth < limits_.maxBlockDepth && MediaApplies(prelude)) {
          ParseRuleList(sheet, stop + 1, blockEnd, depth + 1);
        }
        rulesSeen = rulesSeen || (name != "charset" && name != "import");
      } else if (hasBlock) {  // a qualified rule; one the text cuts before its block is dropped
        AddStyleRule(sheet, Range(i, stop), stop + 1, blockEnd);
        rulesSeen = true;
      }
      i = blockEnd + 1;
    }
  }

  void AddImport(TStyleSheet& sheet, TSpan prelude) {
    prelude = Trimmed(prelude);
    if (prelude.empty()) return;
    const TToken& first = prelude.front();
    std::string href;
    std::size_t media = 1;
    if (first.Is(ETokenType::Url) || first.Is(ETokenType::String)) {
      href = first.text;
    } else if (first.Is(ETokenType::Function) && EqualsIgnoringCase(first.text, "url")) {
      const TSpan inside = Trimmed(prelude.subspan(1));
      if (inside.empty() || !inside.front().Is(ETokenType::String)) return;
      href = inside.front().text;
      while (media < prelude.size() && !prelude[media - 1].Is(ETokenType::CloseParen)) ++media;
    } else {
      return;
    }
    if (MediaApplies(prelude.subspan(std::min(media, prelude.size()))))
      sheet.imports.push_back(std::move(href));
  }

  void AddStyleRule(TStyleSheet& sheet, TSpan prelude, std::size_t blockBegin, std::size_t blockEnd) {
    std::vector<TSelector> selectors = ParseSelectorList(Trimmed(prelude), text_, limits_);
    std::size_t kept = 0;
    while (kept < selectors.size() && limits_.TakeSelector()) ++kept;
    selectors.resize(kept);
    if (selectors.empty()) return;
    TDeclarations declarations = ParseDeclarationBlock(blockBegin, blockEnd);
    if (declarations.empty() || !limits_.TakeRule()) return;
    sheet.rules.push_back({std::move(selectors), std::move(declarations)});
  }

  TDeclarations ParseDeclarationBlock(std::size_t i, std::size_t end) {
    TDeclarations declarations;
    while (i < end) {
      const TToken& token = tokens_[i];
      if (token.Is(ETokenType::Whitespace) || token.Is(ETokenType::Semicolon)) {
        ++i;
        continue;
      }
      if (token.Is(ETokenType::AtKeyword)) {  // skipped, with its block if it has one
        const std::size_t at = Find(i + 1, end, ETokenType::Semicolon, ETokenType::OpenCurly);
        i = (at < end && tokens_[at].Is(ETokenType::OpenCurly) ? close_[at] : at) + 1;
        continue;
      }
      const std::size_t stop = Find(i, end, ETokenType::Semicolon, ETokenType::Semicolon);
      if (token.Is(ETokenType::Ident) && declarations.size() < limits_.maxDeclarations) {
        if (auto declaration = ParseDeclaration(Range(i, stop)))
          declarations.push_back(std::move(*declaration));
      }
      i = stop + 1;
    }
    return declarations;
  }

  // name : value [! important]
  static std::optional<TDeclaration> ParseDeclaration(TSpan tokens) {
    TDeclaration declaration;
    declaration.property = AsciiLower(tokens.front().text);
    tokens = Trimmed(tokens.subspan(1));
    if (tokens.empty() || !tokens.front().Is(ETokenType::Colon)) return std::nullopt;
    tokens = Trimmed(tokens.subspan(1));
    if (!tokens.empty() && tokens.back().IsIdent("important")) {
      const TSpan before = Trimmed(tokens.first(tokens.size() - 1));
      if (!before.empty() && before.back().IsDelim('!')) {
        declaration.important = true;
        tokens = Trimmed(before.first(before.size() - 1));
      }
    }
    if (tokens.empty()) return std::nullopt;
    declaration.value.assign(tokens.begin(), tokens.end());
    return declaration;
  }

  std::string_view text_;
  TTokens tokens_;
  std::vector<std::size_t> close_;
  TLimits& limits_;
};

// The text the budget still allows.
std::string_view Budgeted(std::string_view text, TLimits& limits) {
  const std::size_t allowed = std::min(text.size(), limits.maxSheetBytes - limits.sheetBytes);
  limits.TakeSheetBytes(allowed);
  return text.substr(0, allowed);
}

void LoadInto(TStyleSheet& result, std::string_view text, TLimits& limits, const TSheetLoader& loader,
              std::vector<std::string>& chain) {
  TStyleSheet sheet = ParseStyleSheet(text, result.origin, limits);
  for (const std::string& href : sheet.imports) {
    if (int(chain.size()) >= limits.maxImportDepth ||
        std::find(chain.begin(), chain.end(), href) != chain.end() || !loader || !limits.TakeImport())
      continue;
    if (const std::optional<std::string> imported = loader(href)) {
      chain.push_back(href);
      LoadInto(result, *imported, limits, loader, chain);
      chain.pop_back();
    }
  }
  std::move(sheet.rules.begin(), sheet.rules.end(), std::back_inserter(result.rules));
}

}  // namespace

TStyleSheet ParseStyleSheet(std::string_view text, ESheetOrigin origin, TLimits& limits) {
  TStyleSheet sheet;
  sheet.origin = origin;
  TParser(Budgeted(text, limits), limits).ParseRules(sheet);
  return sheet;
}

TDeclarations ParseDeclarations(std::string_view text, TLimits& limits) {
  return TParser(Budgeted(text, limits), limits).ParseDeclarationList();
}

TStyleSheet LoadStyleSheet(std::string_view text, ESheetOrigin origin, TLimits& limits,
                           const TSheetLoader& loader) {
  TStyleSheet result;
  result.origin = origin;
  std::vector<std::string> chain;
  LoadInto(result, text, limits, loader, chain);
  return result;
}

}  // namespace css
