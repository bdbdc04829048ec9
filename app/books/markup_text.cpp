// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/books/markup_text.h"

#include <string>
#include <string_view>

#include "app/books/book.h"
#include "app/books/xml_document.h"
#include "platform/cancellation.h"

namespace books {

namespace {

// True when a link comes among the element's first descendants (a bar of links holds one
// early; looking no further keeps nested bars from costing time).
// The node after `at` in document order inside `element`, into `at`'s children when
// `descend`; none past the element's end.
const xmlNode* NextInside(const xmlNode* at, const xmlNode* element, bool descend) {
  if (descend && at->type == XML_ELEMENT_NODE && at->children) return at->children;
  while (at != element && !at->next) at = at->parent;
  return at == element ? nullptr : at->next;
}

bool HoldsALink(const xmlNode* element) {
  int looked = 0;
  for (const xmlNode* at = element->children; at && ++looked < 1000; at = NextInside(at, element, true))
    if (IsElement(at, "a")) return true;
  return false;
}

// A class book generators give their bars of links, though not only those.
bool HasBarClass(const xmlNode* element) {
  const std::string classes = Attribute(element, "class");
  for (const std::string_view bar : {"navheader", "navfooter", "docnav", "related", "navbar", "navigation"}) {
    if (HasToken(classes, bar)) return true;
  }
  return false;
}

// The most text outside links that a page's header or footer holds as a site's chrome.
constexpr std::size_t kChromeText = 80;

// A header or footer at the top of the page's body: a site's chrome when it holds links or
// pictures and, beside them, no heading and only a little text.
bool IsChromeBar(const xmlNode* element) {
  if (!IsOneOf(element, {"header", "footer"}) || !IsElement(element->parent, "body")) return false;
  std::size_t text = 0;
  bool links = false;
  int looked = 0;
  for (const xmlNode* at = element->children; at;) {
    if (++looked > 1000 || IsOneOf(at, {"h1", "h2", "h3", "h4", "h5", "h6"})) return false;
    const bool link = IsOneOf(at, {"a", "img"});
    links = links || link;
    if (at->type == XML_TEXT_NODE && at->content) {
      for (const char c : std::string_view(reinterpret_cast<const char*>(at->content)))
        text += static_cast<unsigned char>(c) > ' ' ? 1 : 0;
      if (text > kChromeText) return false;
    }
    at = NextInside(at, element, !link);
  }
  return links;
}

// Classes and ids generators give a site's banner and foot, which are no part of the book.
bool HasChromeName(const xmlNode* element) {
  for (const std::string& names : {Attribute(element, "class"), Attribute(element, "id")})
    for (const std::string_view name : {"banner", "masthead", "site-header", "site-footer"})
      if (HasToken(names, name)) return true;
  return false;
}

// Navigation rather than text: <nav>, ARIA's navigation role, the EPUB 3 tables of contents,
// landmarks and page lists inside a chapter, and the link bars book generators put at each
// chapter's top and foot ("Prev / Up / Next", "Navigation / next / previous"); a web page's
// chrome: its banner, foot and search (by their roles or generators' names) and a header or
// footer of links and logos.
bool IsNavigation(const xmlNode* element) {
  if (IsElement(element, "nav")) return true;
  if (element->type != XML_ELEMENT_NODE) return false;
  if (IsChromeBar(element)) return true;
  if (!element->properties) return false;
  const std::string roles = Attribute(element, "role");
  for (const std::string_view role : {"navigation", "banner", "contentinfo", "search"})
    if (HasToken(roles, role)) return true;
  if (HasChromeName(element)) return true;
  // epub:type, namespaced in XHTML, a plain attribute of that name in tag soup.
  for (const std::string& types : {Attribute(element, "type"), Attribute(element, "epub:type")}) {
    for (const std::string_view type : {"toc", "landmarks", "page-list"})
      if (HasToken(types, type)) return true;
  }
  return HasBarClass(element) && HoldsALink(element);
}

}  // namespace

void TTextMarkup::Enter(const xmlNode*, TElementRole role) {
  switch (role) {
    case TElementRole::Skip:
    case TElementRole::Inline:
      break;
    case TElementRole::Block:
      builder_.EndLine();
      break;
    case TElementRole::Set:
      builder_.Blank();
      break;
    case TElementRole::Heading:
      builder_.BeginHeading();
      break;
    case TElementRole::ChapterHeading:
      builder_.HeadingChapter();
      builder_.BeginHeading();
      break;
    case TElementRole::Chapter:
      builder_.Chapter();
      break;
    case TElementRole::Break:
      builder_.Break();
      break;
    case TElementRole::Cell:
      builder_.Space();
      break;
    case TElementRole::Preformatted:
      builder_.EndLine();
      break;
  }
}

void TTextMarkup::Leave(const xmlNode*, TElementRole role) {
  switch (role) {
    case TElementRole::Block:
    case TElementRole::Chapter:
    case TElementRole::Preformatted:
      builder_.EndLine();
      break;
    case TElementRole::Set:
      builder_.Blank();
      break;
    case TElementRole::Heading:
    case TElementRole::ChapterHeading:
      builder_.EndHeading();
      break;
    case TElementRole::Cell:
      builder_.Space();
      break;
    default:
      break;
  }
}

void TTextMarkup::Text(std::string_view utf8, bool preformatted) {
  if (preformatted) {
    builder_.PreText(utf8);
  } else {
    builder_.Text(utf8);
  }
}

void TTextMarkup::Chapter(std::string_view) { builder_.Chapter(); }

void TTextMarkup::Heading(std::string_view text) {
  builder_.BeginHeading();
  builder_.Text(text);
  builder_.EndHeading();
}

TMarkupWalker::TMarkupWalker(TRoleOf roleOf, TMarkupSink& sink) : roleOf_(roleOf), sink_(sink) {}

bool TMarkupWalker::Enter(const xmlNode* node) {
  switch (node->type) {
    case XML_TEXT_NODE:
    case XML_CDATA_SECTION_NODE:
      Text(reinterpret_cast<const char*>(node->content));
      return false;
    case XML_ENTITY_REF_NODE:
      Entity(node);
      return false;
    case XML_DOCUMENT_NODE:
    case XML_HTML_DOCUMENT_NODE:
      return true;
    case XML_ELEMENT_NODE:
      return EnterElement(node);
    default:
      return false;
  }
}

void TMarkupWalker::Leave(const xmlNode* node) {
  if (node->type != XML_ELEMENT_NODE) return;
  const TElementRole role = roleOf_(node);
  if (role == TElementRole::Preformatted) --preformatted_;
  sink_.Leave(node, role);
}

bool TMarkupWalker::EnterElement(const xmlNode* element) {
  const TElementRole role = roleOf_(element);
  sink_.Enter(element, role);
  if (role == TElementRole::Preformatted) ++preformatted_;
  return role != TElementRole::Skip && role != TElementRole::Break;
}

void TMarkupWalker::Text(std::string_view text) { sink_.Text(text, preformatted_ > 0); }

void TMarkupWalker::Entity(const xmlNode* reference) {
  const std::string text = EntityText(reference);
  // A named character is no longer than its reference; only an entity the document
  // declares can make much text of few bytes, referenced many times over.
  if (text.size() > 4 && (entityBytes_ += text.size()) > kMaxEntityTextBytes) {
    throw EBookError("the book's own entities make more than 16 MiB of text (an entity bomb)");
  }
  Text(text);
}

void TMarkupWalker::Walk(const xmlNode* root) {
  if (!root || !Enter(root)) return;
  const xmlNode* node = root->children;
  if (!node) {
    Leave(root);
    return;
  }
  for (;;) {
    CheckCancelled();
    if (Enter(node)) {
      if (node->children) {
        node = node->children;
        continue;
      }
      Leave(node);
    }
    while (!node->next) {
      node = node->parent;
      Leave(node);
      if (node == root) return;
    }
    node = node->next;
  }
}

void AppendMarkupText(const xmlNode* root, TRoleOf roleOf, TMarkupSink& sink) {
  TMarkupWalker(roleOf, sink).Walk(root);
}

void AppendMarkupText(const xmlNode* root, TRoleOf roleOf, TTextBuilder& builder) {
  TTextMarkup sink(builder);
  AppendMarkupText(root, roleOf, sink);
}

TElementRole HtmlRole(const xmlNode* element) {
  if (IsOneOf(element, {"script", "style", "head", "title", "template", "noscript", "svg", "object"}) ||
      IsNavigation(element)) {
    return TElementRole::Skip;
  }
  if (IsOneOf(element, {"h1", "h2"})) return TElementRole::ChapterHeading;
  if (IsOneOf(element, {"h3", "h4", "h5", "h6"})) return TElementRole::Heading;
  if (IsOneOf(element, {"br"})) return TElementRole::Break;
  if (IsOneOf(element, {"td", "th"})) return TElementRole::Cell;
  if (IsOneOf(element, {"pre", "listing", "xmp", "plaintext"})) return TElementRole::Preformatted;
  if (IsOneOf(element, {"p",       "div",     "li",         "blockquote", "tr",      "ul",      "ol",
                        "dl",      "dt",      "dd",         "table",      "thead",   "tbody",   "tfoot",
                        "caption", "section", "article",    "aside",      "header",  "footer",  "nav",
                        "main",    "figure",  "figcaption", "address",    "center",  "hr",      "body",
                        "html",    "form",    "fieldset",   "legend",     "details", "summary", "hgroup"})) {
    return TElementRole::Block;
  }
  return TElementRole::Inline;
}

bool HtmlRoleAwaitsChildren(const xmlNode* element) {
  return element->type == XML_ELEMENT_NODE &&
         ((element->properties && HasBarClass(element)) ||
          (IsOneOf(element, {"header", "footer"}) && IsElement(element->parent, "body")));
}

}  // namespace books
