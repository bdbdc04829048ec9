// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/books/style_mapping.h"

#include <algorithm>
#include <cctype>

namespace books {

namespace {

using css::TComputedStyle;

// The measure a percentage is taken of, in ems: about a book's line.
constexpr float kMeasureEm = 30;
// Block space and margins beyond these are a page layout's, not a reading screen's.
constexpr float kMaxSpaceEm = 4;
constexpr float kMaxMarginEm = 8;

std::uint16_t Flag(std::uint16_t style, std::uint16_t flag, bool styled, bool plain) {
  if (styled == plain) return style;
  return styled ? style | flag : style & ~flag;
}

bool IsBlock(css::EDisplay display) {
  return display != css::EDisplay::Inline && display != css::EDisplay::None;
}

bool KeepsLines(css::EWhiteSpace space) {
  return space == css::EWhiteSpace::Pre || space == css::EWhiteSpace::PreWrap ||
         space == css::EWhiteSpace::PreLine;
}

document::TTextAlign AlignOf(css::ETextAlign align) {
  switch (align) {
    case css::ETextAlign::Start:
    case css::ETextAlign::Left:
      return document::TTextAlign::Left;
    case css::ETextAlign::End:
    case css::ETextAlign::Right:
      return document::TTextAlign::Right;
    case css::ETextAlign::Center:
      return document::TTextAlign::Centre;
    case css::ETextAlign::Justify:
      return document::TTextAlign::Justify;
  }
  return document::TTextAlign::Default;
}

float Em(const css::TLength& length, float em) { return length.Resolve(kMeasureEm * em) / em; }

// What the book adds to a length the defaults give, in ems; nothing where it takes away.
float Added(const TStyleChange& change, css::TLength TComputedStyle::*length, float most) {
  return std::clamp(Em(change.styled.*length, change.styledEm) - Em(change.plain.*length, change.plainEm),
                    0.0f, most);
}

// At most `most` characters other than white space in the element's text, or one more.
std::size_t ShortTextLength(const xmlNode* element, std::size_t most) {
  std::size_t count = 0;
  const xmlNode* node = element->children;
  while (node && count <= most) {
    if (node->type == XML_TEXT_NODE && node->content) {
      for (const xmlChar* c = node->content; *c && count <= most; ++c)
        count += (*c & 0xC0) != 0x80 && !std::isspace(*c);
    }
    if (node->type == XML_ELEMENT_NODE && node->children) {
      node = node->children;
      continue;
    }
    while (node && node->parent != element && !node->next) node = node->parent;
    node = node ? node->next : nullptr;
  }
  return count;
}

}  // namespace

bool IsMarginNumber(const xmlNode* element, const TComputedStyle& styled, const TComputedStyle& plain,
                    float parentFontSize) {
  constexpr std::size_t kMostCharacters = 4;
  constexpr float kSmall = 0.85f;
  return styled.floating != css::EFloat::None && plain.floating == css::EFloat::None &&
         styled.fontSize <= kSmall * parentFontSize &&
         ShortTextLength(element, kMostCharacters) <= kMostCharacters;
}

std::size_t CharCount(std::string_view utf8) {
  return std::ranges::count_if(utf8, [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; });
}

bool LeftOut(const TComputedStyle& styled, const TComputedStyle& plain) {
  return (styled.display == css::EDisplay::None && plain.display != css::EDisplay::None) ||
         (styled.hidden && !plain.hidden);
}

std::uint16_t RunStyleIn(std::uint16_t style, const TStyleChange& change) {
  const TComputedStyle& styled = change.styled;
  const TComputedStyle& plain = change.plain;
  style = Flag(style, document::kItalic, styled.italic, plain.italic);
  style = Flag(style, document::kBold, styled.Bold(), plain.Bold());
  style = Flag(style, document::kSmallCaps, styled.smallCaps, plain.smallCaps);
  style = Flag(style, document::kMono, styled.monospace, plain.monospace);
  style = Flag(style, document::kUnderline, styled.Underlined(), plain.Underlined());
  style = Flag(style, document::kStrikeOut, styled.StruckThrough(), plain.StruckThrough());
  style = Flag(style, document::kSuperscript, styled.Raised(), plain.Raised());
  style = Flag(style, document::kSubscript, styled.Lowered(), plain.Lowered());
  // Clearly smaller type than around it; a size the defaults give (<small>) stays as it was,
  // and so does code's, made smaller only to match a monospace face to the text's; raised and
  // lowered type is small already.
  constexpr float kSmaller = 0.85f;
  if (!styled.monospace && !(style & (document::kSuperscript | document::kSubscript)))
    style = Flag(style, document::kSmall, styled.fontSize <= kSmaller * change.styledEm,
                 plain.fontSize <= kSmaller * change.plainEm);
  return style;
}

void AddBlockStyle(document::TBlockStyle& style, const TStyleChange& change) {
  const TComputedStyle& styled = change.styled;
  const TComputedStyle& plain = change.plain;
  if (styled.textAlign != plain.textAlign) style.align = AlignOf(styled.textAlign);
  if (styled.textIndent != plain.textIndent) style.indent = Em(styled.textIndent, change.styledEm);
  // Margin and padding together: a book may trade one for the other (a quote's border).
  const auto left = [](const TComputedStyle& style, float em) {
    return Em(style.marginLeft, em) + Em(style.paddingLeft, em);
  };
  style.marginLeft +=
      std::clamp(left(styled, change.styledEm) - left(plain, change.plainEm), 0.0f, kMaxMarginEm);
  style.marginRight += Added(change, &TComputedStyle::marginRight, kMaxMarginEm);
  if (KeepsLines(styled.whiteSpace) && !KeepsLines(plain.whiteSpace)) style.keepLines = true;
}

void AddEdgeStyle(document::TBlock& first, document::TBlock& last, const TStyleChange& change) {
  const TComputedStyle& styled = change.styled;
  const TComputedStyle& plain = change.plain;
  // A heading's space is the layout's, made for the screen.
  if (first.kind != document::TBlockKind::Heading)
    first.style.spaceBefore += Added(change, &TComputedStyle::marginTop, kMaxSpaceEm);
  if (last.kind != document::TBlockKind::Heading)
    last.style.spaceAfter += Added(change, &TComputedStyle::marginBottom, kMaxSpaceEm);
  first.style.pageBreakBefore |= styled.pageBreakBefore && !plain.pageBreakBefore;
  last.style.pageBreakAfter |= styled.pageBreakAfter && !plain.pageBreakAfter;
}

std::optional<int> HeadingLevel(const TStyleChange& change) {
  const TComputedStyle& styled = change.styled;
  const TComputedStyle& plain = change.plain;
  constexpr float kHeading = 1.3f, kSecond = 1.5f, kFirst = 1.8f;
  const auto large = [](const TComputedStyle& style, float body) {
    return style.fontSize >= kHeading * body;
  };
  const auto boldCentred = [](const TComputedStyle& style) {
    return style.Bold() && style.textAlign == css::ETextAlign::Center;
  };
  if (large(styled, change.styledEm) && !large(plain, change.plainEm)) {
    const float ratio = styled.fontSize / change.styledEm;
    return ratio >= kFirst ? 1 : ratio >= kSecond ? 2 : 3;
  }
  if (boldCentred(styled) && !boldCentred(plain)) return 3;
  return std::nullopt;
}

TDisplayChange DisplayChange(const TComputedStyle& styled, const TComputedStyle& plain) {
  if (IsBlock(styled.display) && plain.display == css::EDisplay::Inline) return TDisplayChange::ToBlock;
  if (styled.display == css::EDisplay::Inline && IsBlock(plain.display)) return TDisplayChange::ToInline;
  return TDisplayChange::None;
}

}  // namespace books
