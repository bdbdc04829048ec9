// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/css/selector.h"

#include <algorithm>
#include <charconv>

namespace css {
namespace {

using TSpan = std::span<const TToken>;

// The index just past the ")" that closes the function or parenthesis at `open`; one past
// the end when nothing closes it.
std::size_t PastClose(TSpan tokens, std::size_t open) {
  int depth = 0;
  for (std::size_t i = open; i < tokens.size(); ++i) {
    const ETokenType t = tokens[i].type;
    if (t == ETokenType::Function || t == ETokenType::OpenParen) ++depth;
    if (t == ETokenType::CloseParen && --depth == 0) return i + 1;
  }
  return tokens.size() + 1;
}

bool ParseInteger(std::string_view text, int& value) {
  if (!text.empty() && text[0] == '+') text.remove_prefix(1);
  if (text.empty() || text[0] == '+') return false;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size() && value > -1'000'000 && value < 1'000'000;
}

// "an+b", "odd", "even", with the spaces already taken out.
std::optional<TPositionTest> ParseAnPlusB(std::string_view text) {
  if (text == "odd") return TPositionTest{2, 1};
  if (text == "even") return TPositionTest{2, 0};
  TPositionTest test;
  const std::size_t n = text.find('n');
  if (n == std::string_view::npos) {
    test.a = 0;
    return ParseInteger(text, test.b) ? std::optional(test) : std::nullopt;
  }
  const std::string_view a = text.substr(0, n), b = text.substr(n + 1);
  if (a.empty() || a == "+")
    test.a = 1;
  else if (a == "-")
    test.a = -1;
  else if (!ParseInteger(a, test.a))
    return std::nullopt;
  test.b = 0;
  if (!b.empty() && ((b[0] != '+' && b[0] != '-') || !ParseInteger(b, test.b))) return std::nullopt;
  return test;
}

class TSelectorParser {
public:
  TSelectorParser(TSpan tokens, std::string_view source) : tokens_(tokens), source_(source) {}

  std::optional<TSelector> ParseComplex() {
    TSelector selector;
    SkipSpaces();
    while (true) {
      TCompound compound;
      if (!ParseCompound(compound, true)) return std::nullopt;
      selector.compounds.push_back(std::move(compound));
      const bool spaced = SkipSpaces();
      if (AtEnd()) break;
      ECombinator combinator = ECombinator::Descendant;
      if (Peek().IsDelim('>'))
        combinator = ECombinator::Child;
      else if (Peek().IsDelim('+'))
        combinator = ECombinator::Adjacent;
      else if (Peek().IsDelim('~'))
        combinator = ECombinator::Sibling;
      else if (!spaced)
        return std::nullopt;
      if (combinator != ECombinator::Descendant) {
        ++pos_;
        SkipSpaces();
      }
      selector.combinators.push_back(combinator);
    }
    std::reverse(selector.compounds.begin(), selector.compounds.end());
    std::reverse(selector.combinators.begin(), selector.combinators.end());
    return selector;
  }

  // A compound to the end of the tokens, as :not() takes it.
  std::optional<TCompound> ParseWholeCompound() {
    TCompound compound;
    SkipSpaces();
    if (!ParseCompound(compound, false)) return std::nullopt;
    SkipSpaces();
    return AtEnd() ? std::optional(std::move(compound)) : std::nullopt;
  }

private:
  bool AtEnd() const { return pos_ >= tokens_.size(); }
  const TToken& Peek(std::size_t ahead = 0) const {
    static const TToken end = [] {
      TToken token;
      token.type = ETokenType::Semicolon;
      return token;
    }();
    return pos_ + ahead < tokens_.size() ? tokens_[pos_ + ahead] : end;
  }
  bool SkipSpaces() {
    const std::size_t start = pos_;
    while (!AtEnd() && Peek().Is(ETokenType::Whitespace)) ++pos_;
    return pos_ != start;
  }

  // An optional type (or *), with a namespace prefix ignored: books' elements are local names.
  void ParseTypeSelector(TCompound& compound) {
    const auto isName = [](const TToken& t) { return t.Is(ETokenType::Ident) || t.IsDelim('*'); };
    if (Peek().IsDelim('|') && isName(Peek(1))) ++pos_;
    if (isName(Peek()) && Peek(1).IsDelim('|') && isName(Peek(2))) pos_ += 2;
    if (Peek().Is(ETokenType::Ident))
      compound.type = AsciiLower(tokens_[pos_++].text);
    else if (Peek().IsDelim('*'))
      ++pos_;
  }

  bool ParseCompound(TCompound& compound, bool allowNegation) {
    const std::size_t start = pos_;
    ParseTypeSelector(compound);
    while (!AtEnd()) {
      const TToken& token = Peek();
      if (token.Is(ETokenType::Hash)) {
        if (!token.hashIsId) return false;
        compound.id = token.text;
        ++pos_;
      } else if (token.IsDelim('.')) {
        if (!Peek(1).Is(ETokenType::Ident)) return false;
        compound.classes.push_back(Peek(1).text);
        pos_ += 2;
      } else if (token.Is(ETokenType::OpenSquare)) {
        if (!ParseAttribute(compound)) return false;
      } else if (token.Is(ETokenType::Colon)) {
        ++pos_;
        if (!ParsePseudoClass(compound, allowNegation)) return false;
      } else {
        break;
      }
    }
    return pos_ != start;
  }

  bool ParseAttribute(TCompound& compound) {
    std::size_t close = pos_;
    while (close < tokens_.size() && !tokens_[close].Is(ETokenType::CloseSquare)) ++close;
    if (close == tokens_.size()) return false;
    std::vector<const TToken*> parts;  // the tokens inside, without spaces
    for (std::size_t i = pos_ + 1; i < close; ++i)
      if (!tokens_[i].Is(ETokenType::Whitespace)) parts.push_back(&tokens_[i]);
    pos_ = close + 1;
    std::size_t at = 0;
    const auto isName = [](const TToken* t) { return t->Is(ETokenType::Ident) || t->IsDelim('*'); };
    if (parts.size() > at + 1 && parts[at]->IsDelim('|') && parts[at + 1]->Is(ETokenType::Ident)) ++at;
    if (parts.size() > at + 2 && isName(parts[at]) && parts[at + 1]->IsDelim('|') &&
        parts[at + 2]->Is(ETokenType::Ident))
      at += 2;
    if (at >= parts.size() || !parts[at]->Is(ETokenType::Ident)) return false;
    TAttributeTest test;
    test.name = AsciiLower(parts[at++]->text);
    if (at < parts.size()) {
      static constexpr std::pair<char, EAttributeOperator> kOperators[] = {
          {'~', EAttributeOperator::Includes},
          {'|', EAttributeOperator::DashMatch},
          {'^', EAttributeOperator::Prefix},
          {'$', EAttributeOperator::Suffix},
          {'*', EAttributeOperator::Substring}};
      if (parts[at]->IsDelim('=')) {
        test.op = EAttributeOperator::Equals;
        ++at;
      } else {
        for (const auto& [c, op] : kOperators)
          if (parts[at]->IsDelim(c) && at + 1 < parts.size() && parts[at + 1]->IsDelim('=')) test.op = op;
        if (test.op == EAttributeOperator::Exists) return false;
        at += 2;
      }
      if (at >= parts.size() || !(parts[at]->Is(ETokenType::Ident) || parts[at]->Is(ETokenType::String)))
        return false;
      test.value = parts[at++]->text;
      if (at < parts.size() && (parts[at]->IsIdent("i") || parts[at]->IsIdent("s")))
        test.ignoreCase = parts[at++]->IsIdent("i");
      if (at != parts.size()) return false;
    }
    compound.attributes.push_back(std::move(test));
    return true;
  }

  bool ParsePseudoClass(TCompound& compound, bool allowNegation) {
    const TToken& token = Peek();
    if (token.Is(ETokenType::Ident)) {
      ++pos_;
      const std::string name = AsciiLower(token.text);
      if (name == "root") {
        compound.root = true;
        return true;
      }
      const bool only = name == "only-child" || name == "only-of-type";
      const bool ofType = name.ends_with("-of-type");
      if (name == "first-child" || name == "first-of-type" || only)
        compound.positions.push_back({0, 1, ofType, false});
      if (name == "last-child" || name == "last-of-type" || only)
        compound.positions.push_back({0, 1, ofType, true});
      return name == "first-child" || name == "last-child" || name == "first-of-type" ||
             name == "last-of-type" || only;
    }
    if (!token.Is(ETokenType::Function)) return false;  // "::" and the like
    const std::string name = AsciiLower(token.text);
    const std::size_t end = PastClose(tokens_, pos_);
    if (end > tokens_.size()) return false;
    const TSpan inside = tokens_.subspan(pos_ + 1, end - pos_ - 2);
    pos_ = end;
    if (name == "not") {
      if (!allowNegation) return false;
      auto negated = TSelectorParser(inside, source_).ParseWholeCompound();
      if (!negated) return false;
      compound.negations.push_back(std::move(*negated));
      return true;
    }
    static constexpr std::string_view kPositional[] = {"nth-child", "nth-last-child", "nth-of-type",
                                                       "nth-last-of-type"};
    if (std::find(std::begin(kPositional), std::end(kPositional), name) == std::end(kPositional))
      return false;
    std::string argument;
    if (!inside.empty())
      for (char c : source_.substr(inside.front().begin, inside.back().end - inside.front().begin))
        if (c != ' ' && c != '\t' && c != '\n' && c != '\r' && c != '\f') argument += c;
    auto test = ParseAnPlusB(AsciiLower(argument));
    if (!test) return false;
    test->ofType = name.ends_with("of-type");
    test->fromEnd = name.starts_with("nth-last");
    compound.positions.push_back(*test);
    return true;
  }

  TSpan tokens_;
  std::string_view source_;
  std::size_t pos_ = 0;
};

struct TCounts {
  std::uint32_t ids = 0, classes = 0, types = 0;
  void Add(const TCompound& compound) {
    ids += compound.id.empty() ? 0 : 1;
    classes += std::uint32_t(compound.classes.size() + compound.attributes.size() +
                             compound.positions.size() + (compound.root ? 1 : 0));
    types += compound.type.empty() ? 0 : 1;
    for (const TCompound& negated : compound.negations) Add(negated);
  }
  std::size_t Simple() const { return ids + classes + types; }
};

std::uint32_t Specificity(const TCounts& counts) {
  const auto cap = [](std::uint32_t n) { return std::min<std::uint32_t>(n, 1023); };
  return cap(counts.ids) << 20 | cap(counts.classes) << 10 | cap(counts.types);
}

}  // namespace

std::vector<TSelector> ParseSelectorList(std::span<const TToken> prelude, std::string_view source,
                                         const TLimits& limits) {
  std::vector<TSelector> selectors;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= prelude.size(); ++i) {
    if (i < prelude.size() && !prelude[i].Is(ETokenType::Comma)) {
      if (prelude[i].Is(ETokenType::Function) || prelude[i].Is(ETokenType::OpenParen))
        i = std::min(PastClose(prelude, i), prelude.size()) - 1;
      continue;
    }
    auto selector = TSelectorParser(prelude.subspan(start, i - start), source).ParseComplex();
    start = i + 1;
    if (!selector || selector->compounds.size() > limits.maxCompounds) continue;
    TCounts counts;
    for (const TCompound& compound : selector->compounds) counts.Add(compound);
    if (counts.Simple() > limits.maxSimpleSelectors) continue;
    selector->specificity = Specificity(counts);
    selectors.push_back(std::move(*selector));
  }
  return selectors;
}

}  // namespace css
