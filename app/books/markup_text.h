#pragma once
// Turns a parsed document's elements into source lines through a table of element roles,
// one table per markup language.
#include <libxml/tree.h>

#include "app/books/text_builder.h"

namespace books {

// What an element does to the flow of text.
enum class TElementRole {
  Inline,          // its text flows on (span, em, a, strong)
  Block,           // ends a line before and after (p, div, li, v)
  Set,             // a block set off by blank lines (poem, stanza, epigraph)
  Heading,         // heading lines between blank lines (h3-h6, FB2 title)
  ChapterHeading,  // a heading that starts a chapter (h1, h2)
  Chapter,         // a block that starts a chapter (FB2 top-level section)
  Break,           // a forced line break (br, empty-line)
  Cell,            // a table cell, words apart from its neighbours
  Preformatted,    // white space kept (pre)
  Skip,            // nothing of it is text (script, style, head, binary)
};

using TRoleOf = TElementRole (*)(const xmlNode* element);

// Appends the text below `root` (itself included) to the builder, element by element.
// Walks without recursion, so that a deeply nested document cannot exhaust the stack.
void AppendMarkupText(const xmlNode* root, TRoleOf roleOf, TTextBuilder& builder);

// The roles of HTML and XHTML elements.
TElementRole HtmlRole(const xmlNode* element);

}  // namespace books
