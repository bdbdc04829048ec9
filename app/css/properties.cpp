// SPDX-License-Identifier: GPL-3.0-or-later
// Each property: its phase, whether it is inherited, how its value sets the style, and which
// fields it owns (for inherit, initial and unset).
#include "app/css/properties.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <string_view>
#include <tuple>
#include <utility>

#include "app/css/font_properties.h"
#include "app/css/lengths.h"

namespace css {
namespace {

using TWords = std::vector<const TToken*>;

template <class T>
std::optional<T> Keyword(const TWords& words, std::initializer_list<std::pair<std::string_view, T>> table) {
  if (words.size() != 1) return std::nullopt;
  for (const auto& [name, value] : table)
    if (words[0]->IsIdent(name)) return value;
  return std::nullopt;
}

template <auto... Fields>
void CopyFields(TComputedStyle& to, const TComputedStyle& from) {
  ((to.*Fields = from.*Fields), ...);
}

using TApply = bool (*)(TComputedStyle&, const TWords&, const TStyleContext&);
using TCopy = void (*)(TComputedStyle&, const TComputedStyle&);

TLengthContext LengthsOf(const TComputedStyle& style, const TStyleContext& context) {
  return {.fontSize = style.fontSize, .rootFontSize = context.rootFontSize};
}

// Sets the field to the value of a keyword of the table.
template <auto Field, class T>
bool SetKeyword(TComputedStyle& style, const TWords& words,
                std::initializer_list<std::pair<std::string_view, T>> table) {
  const std::optional<T> value = Keyword(words, table);
  if (value) style.*Field = *value;
  return value.has_value();
}

bool ApplyDisplay(TComputedStyle& style, const TWords& words, const TStyleContext&) {
  using enum EDisplay;
  return SetKeyword<&TComputedStyle::display, EDisplay>(style, words,
                                                        {{"none", None},
                                                         {"block", Block},
                                                         {"inline", Inline},
                                                         {"inline-block", Inline},
                                                         {"inline-flex", Inline},
                                                         {"inline-grid", Inline},
                                                         {"inline-table", Inline},
                                                         {"contents", Inline},
                                                         {"flow-root", Block},
                                                         {"flex", Block},
                                                         {"grid", Block},
                                                         {"run-in", Block},
                                                         {"list-item", ListItem},
                                                         {"table", Table},
                                                         {"table-row", TableRow},
                                                         {"table-cell", TableCell},
                                                         {"table-row-group", TableRowGroup},
                                                         {"table-header-group", TableRowGroup},
                                                         {"table-footer-group", TableRowGroup},
                                                         {"table-column", TableColumn},
                                                         {"table-column-group", TableColumn},
                                                         {"table-caption", TableCaption}});
}

bool ApplyVisibility(TComputedStyle& style, const TWords& words, const TStyleContext&) {
  return SetKeyword<&TComputedStyle::hidden, bool>(
      style, words, {{"visible", false}, {"hidden", true}, {"collapse", true}});
}

bool ApplyFontStyle(TComputedStyle& style, const TWords& words, const TStyleContext&) {
  // "oblique 10deg" too: the angle is not kept.
  const TWords first(words.begin(), words.begin() + std::min<std::size_t>(words.size(), 1));
  if (words.size() > 2 || (words.size() == 2 && !words[0]->IsIdent("oblique"))) return false;
  return SetKeyword<&TComputedStyle::italic, bool>(style, first,
                                                   {{"normal", false}, {"italic", true}, {"oblique", true}});
}

bool ApplyFontWeight(TComputedStyle& style, const TWords& words, const TStyleContext& context) {
  const std::optional<int> weight =
      words.size() == 1 ? ParseFontWeight(*words[0], context.parent.fontWeight) : std::nullopt;
  if (weight) style.fontWeight = *weight;
  return weight.has_value();
}

bool ApplyFontVariant(TComputedStyle& style, const TWords& words, const TStyleContext&) {
  return SetKeyword<&TComputedStyle::smallCaps, bool>(
      style, words, {{"normal", false}, {"none", false}, {"small-caps", true}, {"all-small-caps", true}});
}

bool ApplyFontFamily(TComputedStyle& style, const TWords& words, const TStyleContext&) {
  const std::optional<bool> monospace = ParseMonospace(words);
  if (monospace) style.monospace = *monospace;
  return monospace.has_value();
}

bool ApplyFontSize(TComputedStyle& style, const TWords& words, const TStyleContext& context) {
  const std::optional<float> size =
      words.size() == 1 ? ParseFontSize(*words[0], context.parent.fontSize, context.rootFontSize)
                        : std::nullopt;
  if (size) style.fontSize = *size;
  return size.has_value();
}

bool ApplyFontSizeOfShorthand(TComputedStyle& style, const TWords& words, const TStyleContext& context) {
  return ApplyFontShorthand(style, words, context.parent, context.rootFontSize, true);
}
bool ApplyFontShorthandRest(TComputedStyle& style, const TWords& words, const TStyleContext& context) {
  return ApplyFontShorthand(style, words, context.parent, context.rootFontSize, false);
}

bool ApplyTextTransform(TComputedStyle& style, const TWords& words, const TStyleContext&) {
  using enum ETextTransform;
  return SetKeyword<&TComputedStyle::textTransform, ETextTransform>(
      style, words,
      {{"none", None}, {"uppercase", Uppercase}, {"lowercase", Lowercase}, {"capitalize", Capitalize}});
}

// Lines, and a style or colour beside them, which are not kept.
bool ApplyTextDecoration(TComputedStyle& style, const TWords& words, const TStyleContext&) {
  std::uint8_t lines = kNoDecoration;
  for (const TToken* word : words) {
    if (word->IsIdent("underline")) lines |= kUnderline;
    if (word->IsIdent("line-through")) lines |= kLineThrough;
    if (word->IsIdent("overline")) lines |= kOverline;
  }
  style.ownDecoration = lines;
  return true;
}

bool ApplyTextAlign(TComputedStyle& style, const TWords& words, const TStyleContext&) {
  using enum ETextAlign;
  return SetKeyword<&TComputedStyle::textAlign, ETextAlign>(style, words,
                                                            {{"left", Left},
                                                             {"right", Right},
                                                             {"center", Center},
                                                             {"justify", Justify},
                                                             {"justify-all", Justify},
                                                             {"start", Start},
                                                             {"end", End},
                                                             {"-webkit-center", Center},
                                                             {"-moz-center", Center}});
}

bool ApplyWhiteSpace(TComputedStyle& style, const TWords& words, const TStyleContext&) {
  using enum EWhiteSpace;
  return SetKeyword<&TComputedStyle::whiteSpace, EWhiteSpace>(style, words,
                                                              {{"normal", Normal},
                                                               {"pre", Pre},
                                                               {"pre-wrap", PreWrap},
                                                               {"break-spaces", PreWrap},
                                                               {"pre-line", PreLine},
                                                               {"nowrap", NoWrap}});
}

bool ApplyFloat(TComputedStyle& style, const TWords& words, const TStyleContext&) {
  using enum EFloat;
  return SetKeyword<&TComputedStyle::floating, EFloat>(style, words,
                                                       {{"none", None}, {"left", Left}, {"right", Right}});
}

bool ApplyVerticalAlign(TComputedStyle& style, const TWords& words, const TStyleContext& context) {
  using enum EVerticalAlign;
  if (SetKeyword<&TComputedStyle::verticalAlign, EVerticalAlign>(style, words,
                                                                 {{"baseline", Baseline},
                                                                  {"super", Super},
                                                                  {"sub", Sub},
                                                                  {"top", Top},
                                                                  {"middle", Middle},
                                                                  {"bottom", Bottom},
                                                                  {"text-top", TextTop},
                                                                  {"text-bottom", TextBottom}}))
    return true;
  if (words.size() != 1) return false;
  const auto shift = ParseLength(*words[0], LengthsOf(style, context), kAllowPercent | kAllowNegative);
  if (!shift) return false;
  style.verticalAlign = shift->value == 0 ? Baseline : Shift;
  style.verticalShift = *shift;
  return true;
}

bool ApplyTextIndent(TComputedStyle& style, const TWords& words, const TStyleContext& context) {
  const auto indent = words.size() == 1
                          ? ParseLength(*words[0], LengthsOf(style, context), kAllowPercent | kAllowNegative)
                          : std::nullopt;
  if (indent) style.textIndent = *indent;
  return indent.has_value();
}

template <auto Field, unsigned Options>
bool ApplyOneLength(TComputedStyle& style, const TWords& words, const TStyleContext& context) {
  const auto length =
      words.size() == 1 ? ParseLength(*words[0], LengthsOf(style, context), Options) : std::nullopt;
  if (length) style.*Field = *length;
  return length.has_value();
}

// 1 to 4 values: top, right, bottom, left, the missing ones repeating the opposite side.
template <unsigned Options>
std::optional<std::array<TLength, 4>> ParseBoxSides(const TWords& words, const TLengthContext& lengths) {
  if (words.empty() || words.size() > 4) return std::nullopt;
  std::array<TLength, 4> sides;
  for (std::size_t i = 0; i < words.size(); ++i) {
    const auto length = ParseLength(*words[i], lengths, Options);
    if (!length) return std::nullopt;
    sides[i] = *length;
  }
  if (words.size() < 2) sides[1] = sides[0];
  if (words.size() < 3) sides[2] = sides[0];
  if (words.size() < 4) sides[3] = sides[1];
  return sides;
}

constexpr unsigned kMarginOptions = kAllowPercent | kAllowNegative | kAllowAuto;

bool ApplyMargin(TComputedStyle& style, const TWords& words, const TStyleContext& context) {
  const auto sides = ParseBoxSides<kMarginOptions>(words, LengthsOf(style, context));
  if (!sides) return false;
  std::tie(style.marginTop, style.marginRight, style.marginBottom, style.marginLeft) =
      std::tie((*sides)[0], (*sides)[1], (*sides)[2], (*sides)[3]);
  return true;
}

bool ApplyPadding(TComputedStyle& style, const TWords& words, const TStyleContext& context) {
  const auto sides = ParseBoxSides<kAllowPercent>(words, LengthsOf(style, context));
  if (sides) style.paddingLeft = (*sides)[3];
  return sides.has_value();
}

template <auto Field>
bool ApplyPageBreak(TComputedStyle& style, const TWords& words, const TStyleContext&) {
  return SetKeyword<Field, bool>(style, words,
                                 {{"always", true},
                                  {"page", true},
                                  {"left", true},
                                  {"right", true},
                                  {"recto", true},
                                  {"verso", true},
                                  {"auto", false},
                                  {"avoid", false},
                                  {"avoid-page", false},
                                  {"column", false},
                                  {"avoid-column", false}});
}

struct TProperty {
  std::string_view name;
  EPhase phase;
  bool inherited;
  TApply apply;
  TCopy copy;
};

using S = TComputedStyle;
constexpr TProperty kProperties[] = {
    {"display", EPhase::Rest, false, ApplyDisplay, CopyFields<&S::display>},
    {"visibility", EPhase::Rest, true, ApplyVisibility, CopyFields<&S::hidden>},
    {"font-style", EPhase::Rest, true, ApplyFontStyle, CopyFields<&S::italic>},
    {"font-weight", EPhase::Rest, true, ApplyFontWeight, CopyFields<&S::fontWeight>},
    {"font-variant", EPhase::Rest, true, ApplyFontVariant, CopyFields<&S::smallCaps>},
    {"font-variant-caps", EPhase::Rest, true, ApplyFontVariant, CopyFields<&S::smallCaps>},
    {"font-family", EPhase::Rest, true, ApplyFontFamily, CopyFields<&S::monospace>},
    {"font-size", EPhase::FontSize, true, ApplyFontSize, CopyFields<&S::fontSize>},
    {"font", EPhase::FontSize, true, ApplyFontSizeOfShorthand, CopyFields<&S::fontSize>},
    {"font", EPhase::Rest, true, ApplyFontShorthandRest,
     CopyFields<&S::italic, &S::fontWeight, &S::smallCaps, &S::monospace>},
    {"text-transform", EPhase::Rest, true, ApplyTextTransform, CopyFields<&S::textTransform>},
    {"text-decoration", EPhase::Rest, false, ApplyTextDecoration, CopyFields<&S::ownDecoration>},
    {"text-decoration-line", EPhase::Rest, false, ApplyTextDecoration, CopyFields<&S::ownDecoration>},
    {"text-align", EPhase::Rest, true, ApplyTextAlign, CopyFields<&S::textAlign>},
    {"text-indent", EPhase::Rest, true, ApplyTextIndent, CopyFields<&S::textIndent>},
    {"white-space", EPhase::Rest, true, ApplyWhiteSpace, CopyFields<&S::whiteSpace>},
    {"float", EPhase::Rest, false, ApplyFloat, CopyFields<&S::floating>},
    {"vertical-align", EPhase::Rest, false, ApplyVerticalAlign,
     CopyFields<&S::verticalAlign, &S::verticalShift>},
    {"margin", EPhase::Rest, false, ApplyMargin,
     CopyFields<&S::marginTop, &S::marginRight, &S::marginBottom, &S::marginLeft>},
    {"margin-top", EPhase::Rest, false, ApplyOneLength<&S::marginTop, kMarginOptions>,
     CopyFields<&S::marginTop>},
    {"margin-right", EPhase::Rest, false, ApplyOneLength<&S::marginRight, kMarginOptions>,
     CopyFields<&S::marginRight>},
    {"margin-bottom", EPhase::Rest, false, ApplyOneLength<&S::marginBottom, kMarginOptions>,
     CopyFields<&S::marginBottom>},
    {"margin-left", EPhase::Rest, false, ApplyOneLength<&S::marginLeft, kMarginOptions>,
     CopyFields<&S::marginLeft>},
    {"padding", EPhase::Rest, false, ApplyPadding, CopyFields<&S::paddingLeft>},
    {"padding-left", EPhase::Rest, false, ApplyOneLength<&S::paddingLeft, kAllowPercent>,
     CopyFields<&S::paddingLeft>},
    {"page-break-before", EPhase::Rest, false, ApplyPageBreak<&S::pageBreakBefore>,
     CopyFields<&S::pageBreakBefore>},
    {"break-before", EPhase::Rest, false, ApplyPageBreak<&S::pageBreakBefore>,
     CopyFields<&S::pageBreakBefore>},
    {"page-break-after", EPhase::Rest, false, ApplyPageBreak<&S::pageBreakAfter>,
     CopyFields<&S::pageBreakAfter>},
    {"break-after", EPhase::Rest, false, ApplyPageBreak<&S::pageBreakAfter>, CopyFields<&S::pageBreakAfter>},
};

}  // namespace

TComputedStyle InheritedFrom(const TComputedStyle& parent) {
  TComputedStyle style;
  for (const TProperty& property : kProperties)
    if (property.inherited) property.copy(style, parent);
  style.decorations = parent.decorations;
  return style;
}

void ApplyDeclaration(TComputedStyle& style, const TDeclaration& declaration, const TStyleContext& context,
                      EPhase phase) {
  const TWords words = Words(declaration.value);
  for (const TProperty& property : kProperties) {
    if (property.phase != phase || property.name != declaration.property) continue;
    if (Keyword<int>(words, {{"inherit", 1}}) ||
        (property.inherited && Keyword<int>(words, {{"unset", 1}}))) {
      property.copy(style, context.parent);
    } else if (Keyword<int>(words, {{"initial", 1}, {"unset", 1}})) {
      property.copy(style, TComputedStyle{});
    } else {
      property.apply(style, words, context);
    }
  }
}

}  // namespace css
