// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Turns a parsed document's elements into source lines through a table of element roles,
// one table per markup language.
#include <libxml/tree.h>

#include <cstddef>
#include <string_view>

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

// Turns nodes into text as a walk of the document meets them, keeping the roles it entered
// so that it can close them on the way out. For a tree, AppendMarkupText walks it; a
// document read as a stream calls it node by node.
class TMarkupWalker {
public:
  TMarkupWalker(TRoleOf roleOf, TTextBuilder& builder);

  // Handles a node on the way in; true when its children are to be walked.
  bool Enter(const xmlNode* node);
  // Handles an element on the way out, after its children.
  void Leave(const xmlNode* node);
  // Enters and leaves `root` and everything below it.
  void Walk(const xmlNode* root);

private:
  bool EnterElement(const xmlNode* element);
  void Text(std::string_view text);
  void Entity(const xmlNode* reference);

  // The most text a document's own entities may make.
  static constexpr std::size_t kMaxEntityTextBytes = std::size_t{16} << 20;

  TRoleOf roleOf_;
  TTextBuilder& builder_;
  int preformatted_ = 0;
  std::size_t entityBytes_ = 0;
};

// Appends the text below `root` (itself included) to the builder, element by element.
// Walks without recursion, so that a deeply nested document cannot exhaust the stack.
void AppendMarkupText(const xmlNode* root, TRoleOf roleOf, TTextBuilder& builder);

// The roles of HTML and XHTML elements.
TElementRole HtmlRole(const xmlNode* element);
// True when an element's HTML role depends on what it holds (a candidate bar of links): a
// document read a piece at a time holds such an element whole before entering it.
bool HtmlRoleAwaitsChildren(const xmlNode* element);

}  // namespace books
