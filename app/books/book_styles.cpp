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

std::shared_ptr<const css::TStyleSheet> TBookStyles::Linked(const std::string& path) {
  // Each file once per book, however many documents link it.
  if (const auto known = sheets_.find(path); known != sheets_.end()) return known->second;
  std::shared_ptr<const css::TStyleSheet> sheet;
  if (const std::optional<std::string> text = read_(path)) sheet = Load(*text, path);
  return sheets_.emplace(path, std::move(sheet)).first->second;
}

std::shared_ptr<const css::TStyleSheet> TBookStyles::Load(std::string_view text, const std::string& base) {
  // An @import is relative to the sheet that writes it (a <style>'s, to its document).
  const css::TSheetLoader loader = [this, &base](std::string_view href) -> std::optional<std::string> {
    const std::optional<std::string> path = resolve_(base, href);
    return path ? read_(*path) : std::nullopt;
  };
  return std::make_shared<const css::TStyleSheet>(
      css::LoadStyleSheet(text, css::ESheetOrigin::Author, limits_, loader));
}

TDocumentStyles* TBookStyles::Of(const xmlNode* root, std::string_view path) {
  // The document's sheets in order: 'L' and a linked file's path, or 'S', the document's path,
  // a 0 byte and a <style>'s text.
  std::vector<std::string> sources;
  bool attributes = false;
  ForEachElement(root, [&](const xmlNode* element) {
    if (IsElement(element, "style")) {
      const std::string type = Attribute(element, "type");
      if (type.empty() || type == "text/css") {
        std::string source = "S";
        source.append(path).append(1, '\0').append(TextOf(element));
        sources.push_back(std::move(source));
      }
    } else if (LinksASheet(element)) {
      if (std::optional<std::string> linked = resolve_(path, Attribute(element, "href")))
        sources.push_back("L" + *linked);
    }
    attributes = attributes || (element->properties && xmlHasProp(element, BAD_CAST "style"));
  });
  if (sources.empty() && !attributes) return nullptr;
  // Documents styled alike, as a book's chapters mostly are, share one cascade.
  if (!last_ || sources != lastSources_) {
    last_ = std::make_unique<TDocumentStyles>(limits_);
    for (const std::string& source : sources) {
      const std::size_t zero = source.find('\0');
      std::shared_ptr<const css::TStyleSheet> sheet =
          source.front() == 'L' ? Linked(source.substr(1))
                                : Load(std::string_view(source).substr(zero + 1), source.substr(1, zero - 1));
      // Documents that each link other large sheets would have them filed anew each time.
      if (!sheet || sheet->rules.size() > kMaxFiledRules - filedRules_) continue;
      filedRules_ += sheet->rules.size();
      last_->Book().AddSheet(std::move(sheet));
    }
    lastSources_ = std::move(sources);
  }
  last_->Compute(root);
  return last_.get();
}

}  // namespace books
