// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a book's styles change of an element, as the structured book says it: runs' flags, a
// block's alignment, indents and margins, headings by their type. Each takes the element's
// style as the book's sheets make it (`styled`) and as the defaults alone would (`plain`),
// and follows only where they differ: a book without styles reads as it always has.
#include <libxml/tree.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "app/css/computed_style.h"
#include "app/document/document.h"

namespace books {

// An element's style as the book's sheets make it and as the defaults alone would, each with
// the type size its lengths are measured in: the body's, or for a run its parent's.
struct TStyleChange {
  const css::TComputedStyle& styled;
  const css::TComputedStyle& plain;
  float styledEm = 16;
  float plainEm = 16;
};

// Not shown at all: display: none or visibility: hidden.
bool LeftOut(const css::TComputedStyle& styled, const css::TComputedStyle& plain);

// The run style inside the element, from `style` outside it; the change's sizes its parent's.
std::uint16_t RunStyleIn(std::uint16_t style, const TStyleChange& change);

// The style of the blocks inside a block element, from `style` outside it: alignment, first
// line indent, side margins, kept lines.
void AddBlockStyle(document::TBlockStyle& style, const TStyleChange& change);

// What holds for a block element's first and last block only: space and page breaks.
void AddEdgeStyle(document::TBlock& first, document::TBlock& last, const TStyleChange& change);

// A floated element of a few characters in small type: the paragraph numbers some
// generators float to the margin, which a reading screen has no room for.
bool IsMarginNumber(const xmlNode* element, const css::TComputedStyle& styled,
                    const css::TComputedStyle& plain, float parentFontSize);

// What a heading by its type may hold: a line or two, in characters.
constexpr std::size_t kMaxStyledHeadingChars = 100;
std::size_t CharCount(std::string_view utf8);

// The level of heading its type makes a short block: 1 to 3, or none.
std::optional<int> HeadingLevel(const TStyleChange& change);

// The element's display, where the book's styles change it between block and inline.
enum class TDisplayChange : std::uint8_t { None, ToBlock, ToInline };
TDisplayChange DisplayChange(const css::TComputedStyle& styled, const css::TComputedStyle& plain);

}  // namespace books
