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

// Where a walk of a document's markup goes: the classic text, or a structured book.
class TMarkupSink {
public:
  virtual ~TMarkupSink() = default;
  // An element on the way in, with its role; a skipped or break element is not left.
  virtual void Enter(const xmlNode* element, TElementRole role) = 0;
  // An element on the way out, after its children.
  virtual void Leave(const xmlNode* element, TElementRole role) = 0;
  // Text, its white space kept when `preformatted`.
  virtual void Text(std::string_view utf8, bool preformatted) = 0;
  // A new document of the book starts (an EPUB item, at `path` in the book).
  virtual void Chapter(std::string_view path) = 0;
  // A heading the reader makes itself (the name of FB2 notes without a title).
  virtual void Heading(std::string_view text) = 0;
  // The whole tree of the document about to be walked (its root element), where the reader
  // holds it whole: for what needs more than one element at a time, as styles do.
  virtual void Tree(const xmlNode* /*root*/) {}
};

// The classic text: elements as lines through a text builder.
class TTextMarkup : public TMarkupSink {
public:
  explicit TTextMarkup(TTextBuilder& builder) : builder_(builder) {}
  void Enter(const xmlNode* element, TElementRole role) override;
  void Leave(const xmlNode* element, TElementRole role) override;
  void Text(std::string_view utf8, bool preformatted) override;
  void Chapter(std::string_view path) override;
  void Heading(std::string_view text) override;

private:
  TTextBuilder& builder_;
};

// Hands nodes to a sink as a walk of the document meets them, keeping the roles it entered
// so that it can close them on the way out. For a tree, AppendMarkupText walks it; a
// document read as a stream calls it node by node.
class TMarkupWalker {
public:
  TMarkupWalker(TRoleOf roleOf, TMarkupSink& sink);

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
  TMarkupSink& sink_;
  int preformatted_ = 0;
  std::size_t entityBytes_ = 0;
};

// Hands what is below `root` (itself included) to the sink, element by element.
// Walks without recursion, so that a deeply nested document cannot exhaust the stack.
void AppendMarkupText(const xmlNode* root, TRoleOf roleOf, TMarkupSink& sink);
// The same into the classic text.
void AppendMarkupText(const xmlNode* root, TRoleOf roleOf, TTextBuilder& builder);

// The roles of HTML and XHTML elements.
TElementRole HtmlRole(const xmlNode* element);
// True when an element's HTML role depends on what it holds (a candidate bar of links): a
// document read a piece at a time holds such an element whole before entering it.
bool HtmlRoleAwaitsChildren(const xmlNode* element);

}  // namespace books
