// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/books/book_styles.h"

#include <utility>

#include "app/books/xml_document.h"

namespace books {

namespace {

std::string TextOf(const xmlNode* element) {
  std::string text;
  for (const xmlNode* child = element->children; child; child = child->next)
    if (child->content && (child->type == XML_TEXT_NODE || child->type == XML_CDATA_SECTION_NODE))
      text += reinterpret_cast<const char*>(child->content);
  return text;
}

bool LinksASheet(const xmlNode* element) {
  return IsElement(element, "link") && HasToken(Attribute(element, "rel"), "stylesheet") &&
         !HasToken(Attribute(element, "rel"), "alternate");
}

// Calls `visit` for each element below `root` (itself included), in document order, without
// recursion: a deep tree cannot exhaust the stack.
template <typename TVisit>
void ForEachElement(const xmlNode* root, TVisit visit) {
  const xmlNode* node = root;
  while (node) {
    if (node->type == XML_ELEMENT_NODE) visit(node);
    if (node->type == XML_ELEMENT_NODE && node->children) {
      node = node->children;
      continue;
    }
    while (node != root && !node->next) node = node->parent;
    node = node == root ? nullptr : node->next;
  }
}

}  // namespace

TDocumentStyles::TDocumentStyles(css::TLimits& limits) : book_(limits), plain_(limits, false) {
  // The defaults' first line indent is 0, as a book's `text-indent: 0` is: a value no book
  // writes stands for the defaults, so that a book's 0 tells.
  static const auto unset = [] {
    css::TLimits own;
    return std::make_shared<const css::TStyleSheet>(css::ParseStyleSheet(
        "html { text-indent: " + std::to_string(kUnsetIndentPx) + "px }", css::ESheetOrigin::UserAgent, own));
  }();
  book_.AddSheet(unset);
  plain_.AddSheet(unset);
}

void TDocumentStyles::Compute(const xmlNode* root) {
  book_.ComputeAll(root);
  plain_.ComputeAll(root);
}

TBookStyles::TBookStyles(TFileReader read, TResolver resolve)
    : read_(std::move(read)), resolve_(std::move(resolve)) {}

std::shared_ptr<const css::TStyleSheet> TBookStyles::Linked(std::string_view from, std::string_view href) {
  const std::optional<std::string> path = resolve_(from, href);
  if (!path) return nullptr;
  // Each file once per book, however many documents link it.
  if (const auto known = sheets_.find(*path); known != sheets_.end()) return known->second;
  std::shared_ptr<const css::TStyleSheet> sheet;
  if (const std::optional<std::string> text = read_(*path)) {
    // An @import is relative to the sheet that writes it.
    const std::string base = *path;
    const css::TSheetLoader loader = [this, &base](std::string_view imported) -> std::optional<std::string> {
      const std::optional<std::string> importedPath = resolve_(base, imported);
      return importedPath ? read_(*importedPath) : std::nullopt;
    };
    sheet = std::make_shared<const css::TStyleSheet>(
        css::LoadStyleSheet(*text, css::ESheetOrigin::Author, limits_, loader));
  }
  return sheets_.emplace(*path, std::move(sheet)).first->second;
}

std::unique_ptr<TDocumentStyles> TBookStyles::Of(const xmlNode* root, std::string_view path) {
  auto styles = std::make_unique<TDocumentStyles>(limits_);
  bool styled = false;
  ForEachElement(root, [&](const xmlNode* element) {
    if (IsElement(element, "style")) {
      const std::string type = Attribute(element, "type");
      if (!type.empty() && type != "text/css") return;
      styles->Book().AddSheet(
          css::LoadStyleSheet(TextOf(element), css::ESheetOrigin::Author, limits_,
                              [this, path](std::string_view href) -> std::optional<std::string> {
                                const std::optional<std::string> imported = resolve_(path, href);
                                return imported ? read_(*imported) : std::nullopt;
                              }));
      styled = true;
    } else if (LinksASheet(element)) {
      if (std::shared_ptr<const css::TStyleSheet> sheet = Linked(path, Attribute(element, "href"))) {
        styles->Book().AddSheet(std::move(sheet));
        styled = true;
      }
    }
    styled = styled || (element->properties && xmlHasProp(element, BAD_CAST "style"));
  });
  if (!styled) return nullptr;
  styles->Compute(root);
  return styles;
}

}  // namespace books
