// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A book as its structure: a flat sequence of blocks (paragraphs, headings, list items, …)
// holding styled runs of text. Every reader yields one; the classic layout flattens it to
// lines, the book layout typesets it.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace document {

// How a run of text is set. Flags combine (bold italic, a monospace note reference is not
// expected but harmless).
enum TRunStyle : std::uint16_t {
  kRegular = 0,
  kItalic = 1,
  kBold = 2,
  kMono = 4,
  kNoteReference = 8,  // a superscript reference to the note whose label is the run's text
  kUnderline = 16,
  kStrikeOut = 32,
  kSmallCaps = 64,
  kSuperscript = 128,  // raised and small, as <sup> or vertical-align: super
  kSubscript = 256,    // lowered and small
  kSmall = 512,        // in the small face: type the book sets smaller than its body
};

// A run of text in one style, UTF-8. A soft hyphen (U+00AD) marks where the book allows a
// word to break; a no-break space (U+00A0) where it forbids a line break.
// A "\n" is a forced line break in any block (a <br>, a verse's end, a title's second line).
struct TRun {
  std::string text;
  std::uint16_t style = kRegular;
  // Not empty: a picture standing in the line (an icon in a sentence), where it is in the
  // book as an Image block's `source`; `text` is its alt text, shown only without it.
  std::string picture = {};

  bool operator==(const TRun&) const = default;
};

using TRuns = std::vector<TRun>;

struct TTableCell {
  TRuns runs;
  bool header = false;  // a <th>, or a cell of the table's head

  bool operator==(const TTableCell&) const = default;
};

enum class TBlockKind : std::uint8_t {
  ChapterStart,  // a new chapter begins; `runs` hold its title when the book gives one
  Heading,       // `level` 1 (largest) … 6
  Paragraph,
  ListItem,      // `marker` ("•", "3.", "b)"), `level` the nesting depth from 1
                 // (an item's later paragraphs follow as list items without a marker)
  Quote,         // a paragraph of a quotation; `level` the nesting depth from 1
  Preformatted,  // text whose spaces and line breaks are kept, one "\n" per line, set in mono
  Table,         // `rows` of cells; `runs`: its caption, when it has one
  Note,          // a footnote or endnote; `marker` its label, as note references give it
                 // (one block per note, its paragraphs joined)
  Break,         // a scene break or rule
  Image,         // `source`: where the picture is in the book; `runs`: its caption; `alt`
};

enum class TTextAlign : std::uint8_t { Default, Left, Centre, Right, Justify };

// How the book styled a block beyond its kind. The defaults leave every choice to the
// layout, so a book without styles is set as it always was. Lengths are in ems of the
// body's type.
struct TBlockStyle {
  TTextAlign align = TTextAlign::Default;
  std::optional<float> indent;  // the first line's indent; negative hangs the first line out
  float marginLeft = 0;         // block indents on top of the kind's own
  float marginRight = 0;
  float spaceBefore = 0;  // vertical space on top of the layout's own
  float spaceAfter = 0;
  bool pageBreakBefore = false;
  bool pageBreakAfter = false;
  // Verse and kept line breaks: each "\n" ends a line that is never justified or joined
  // with the next; a line too long for the measure wraps with a hanging indent.
  bool keepLines = false;

  bool operator==(const TBlockStyle&) const = default;
};

struct TBlock {
  TBlockKind kind = TBlockKind::Paragraph;
  int level = 0;
  std::string marker;
  TRuns runs;
  std::vector<std::vector<TTableCell>> rows;
  std::string source;
  std::string alt;  // an Image's alt text, shown only where the picture is not
  TBlockStyle style;

  bool operator==(const TBlock&) const = default;
};

struct TDocument {
  std::string title;                 // UTF-8, empty when the book names none
  std::vector<std::string> authors;  // names only
  std::string language;              // BCP 47 code from the book's metadata ("pl", "en-US"), or empty
  std::vector<TBlock> blocks;
  std::string cover;  // the cover picture, as an Image block's `source`; empty when none
};

}  // namespace document
