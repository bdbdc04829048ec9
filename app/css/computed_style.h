// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the cascade computes for an element: the properties that reach the page, as plain
// fields. Font sizes and lengths in em, rem, ex, ch, pt and the like are resolved to px (the
// root's font size 16 px to begin with); a percentage of the width stays a fraction for the
// consumer, who knows the measure.
#include <cstdint>

namespace css {

enum class EDisplay : std::uint8_t {
  Inline,  // inline-block, inline-flex and the like too
  Block,   // flex and grid too
  ListItem,
  Table,
  TableRow,
  TableCell,
  TableRowGroup,  // table-row-group, table-header-group, table-footer-group
  TableColumn,    // table-column, table-column-group
  TableCaption,
  None,
};

enum class ETextAlign : std::uint8_t { Start, End, Left, Right, Center, Justify };
enum class ETextTransform : std::uint8_t { None, Uppercase, Lowercase, Capitalize };
enum class EWhiteSpace : std::uint8_t { Normal, Pre, PreWrap, PreLine, NoWrap };
enum class EFloat : std::uint8_t { None, Left, Right };
enum class EVerticalAlign : std::uint8_t {
  Baseline,
  Super,
  Sub,
  Top,
  Middle,
  Bottom,
  TextTop,
  TextBottom,
  Shift
};

struct TLength {
  enum class EUnit : std::uint8_t { Px, Fraction, Auto };
  float value = 0;  // px, or the fraction of the containing width (0.5 for 50%)
  EUnit unit = EUnit::Px;

  static TLength Px(float px) { return {px, EUnit::Px}; }
  static TLength Fraction(float fraction) { return {fraction, EUnit::Fraction}; }
  static TLength Auto() { return {0, EUnit::Auto}; }
  bool IsAuto() const { return unit == EUnit::Auto; }
  // In px against a containing width; auto counts as 0.
  float Resolve(float containingWidth) const {
    return unit == EUnit::Px ? value : unit == EUnit::Fraction ? value * containingWidth : 0;
  }
  bool operator==(const TLength&) const = default;
};

// Lines drawn through a run's text: a bit set, so that an element's own and its ancestors'
// combine.
enum ETextDecoration : std::uint8_t { kNoDecoration = 0, kUnderline = 1, kLineThrough = 2, kOverline = 4 };

struct TComputedStyle {
  // Not inherited.
  EDisplay display = EDisplay::Inline;
  EFloat floating = EFloat::None;
  EVerticalAlign verticalAlign = EVerticalAlign::Baseline;
  TLength verticalShift;  // with Shift: positive raises, negative lowers
  TLength marginTop, marginRight, marginBottom, marginLeft;
  TLength paddingLeft;
  bool pageBreakBefore = false;  // page-break-before or break-before: always, page, left, right
  bool pageBreakAfter = false;
  std::uint8_t ownDecoration = kNoDecoration;  // text-decoration as this element sets it

  // Inherited.
  bool hidden = false;  // visibility: hidden or collapse
  bool italic = false;  // font-style: italic or oblique
  int fontWeight = 400;
  bool smallCaps = false;
  bool monospace = false;
  float fontSize = 16;  // px
  ETextTransform textTransform = ETextTransform::None;
  ETextAlign textAlign = ETextAlign::Start;
  TLength textIndent;
  EWhiteSpace whiteSpace = EWhiteSpace::Normal;
  // The lines this element's text is drawn with: its own and every ancestor's, since a
  // decoration reaches all the text inside the element that sets it.
  std::uint8_t decorations = kNoDecoration;

  bool Bold() const { return fontWeight >= 600; }
  bool Underlined() const { return decorations & kUnderline; }
  bool StruckThrough() const { return decorations & kLineThrough; }
  bool Raised() const {
    return verticalAlign == EVerticalAlign::Super ||
           (verticalAlign == EVerticalAlign::Shift && verticalShift.value > 0);
  }
  bool Lowered() const {
    return verticalAlign == EVerticalAlign::Sub ||
           (verticalAlign == EVerticalAlign::Shift && verticalShift.value < 0);
  }
  bool operator==(const TComputedStyle&) const = default;
};

}  // namespace css
