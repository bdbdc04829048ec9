#include "app/books/markup_text.h"

#include <libxml/HTMLparser.h>
#include <libxml/entities.h>

#include <string>
#include <string_view>

#include "app/books/xml_document.h"
#include "platform/cancellation.h"

namespace books {

namespace {

std::string Utf8Of(unsigned codePoint) {
  std::string out;
  if (codePoint < 0x80) {
    out += static_cast<char>(codePoint);
  } else if (codePoint < 0x800) {
    out += static_cast<char>(0xC0 | (codePoint >> 6));
    out += static_cast<char>(0x80 | (codePoint & 0x3F));
  } else if (codePoint < 0x10000) {
    out += static_cast<char>(0xE0 | (codePoint >> 12));
    out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (codePoint & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (codePoint >> 18));
    out += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (codePoint & 0x3F));
  }
  return out;
}

// An entity the XML parser left unexpanded: XHTML names such as &nbsp; that no loaded DTD
// declares, or one declared in the document itself (taken as written, never re-expanded,
// so that nested entities cannot multiply).
std::string EntityText(const xmlNode* reference) {
  if (const htmlEntityDesc* known = htmlEntityLookup(reference->name)) return Utf8Of(known->value);
  const xmlEntity* declared = xmlGetDocEntity(reference->doc, reference->name);
  return declared && declared->content ? reinterpret_cast<const char*>(declared->content) : "";
}

// Walks the tree, keeping the roles it entered so that it can close them on the way out.
class TMarkupWalker {
public:
  TMarkupWalker(TRoleOf roleOf, TTextBuilder& builder) : roleOf_(roleOf), builder_(builder) {}

  // Handles a node on the way in; true when its children are to be walked.
  bool Enter(const xmlNode* node) {
    switch (node->type) {
      case XML_TEXT_NODE:
      case XML_CDATA_SECTION_NODE:
        Text(reinterpret_cast<const char*>(node->content));
        return false;
      case XML_ENTITY_REF_NODE:
        Text(EntityText(node));
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

  void Leave(const xmlNode* node) {
    if (node->type != XML_ELEMENT_NODE) return;
    switch (roleOf_(node)) {
      case TElementRole::Block:
      case TElementRole::Chapter:
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
      case TElementRole::Preformatted:
        builder_.EndLine();
        --preformatted_;
        break;
      default:
        break;
    }
  }

private:
  bool EnterElement(const xmlNode* element) {
    switch (roleOf_(element)) {
      case TElementRole::Skip:
        return false;
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
        return false;
      case TElementRole::Cell:
        builder_.Space();
        break;
      case TElementRole::Preformatted:
        builder_.EndLine();
        ++preformatted_;
        break;
    }
    return true;
  }

  void Text(std::string_view text) {
    if (preformatted_ > 0) {
      builder_.PreText(text);
    } else {
      builder_.Text(text);
    }
  }

  TRoleOf roleOf_;
  TTextBuilder& builder_;
  int preformatted_ = 0;
};

bool IsOneOf(const xmlNode* element, std::initializer_list<std::string_view> names) {
  for (const std::string_view name : names) {
    if (IsElement(element, name)) return true;
  }
  return false;
}

}  // namespace

void AppendMarkupText(const xmlNode* root, TRoleOf roleOf, TTextBuilder& builder) {
  TMarkupWalker walker(roleOf, builder);
  if (!root || !walker.Enter(root)) return;
  const xmlNode* node = root->children;
  if (!node) {
    walker.Leave(root);
    return;
  }
  for (;;) {
    CheckCancelled();
    if (walker.Enter(node)) {
      if (node->children) {
        node = node->children;
        continue;
      }
      walker.Leave(node);
    }
    while (!node->next) {
      node = node->parent;
      walker.Leave(node);
      if (node == root) return;
    }
    node = node->next;
  }
}

TElementRole HtmlRole(const xmlNode* element) {
  if (IsOneOf(element, {"script", "style", "head", "title", "template", "noscript", "svg", "object"})) {
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

}  // namespace books
