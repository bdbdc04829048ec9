// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/css/element_table.h"

#include <algorithm>
#include <unordered_map>

#include "app/css/token.h"

namespace css {
namespace {

std::string_view NameOf(const xmlNode* node) { return reinterpret_cast<const char*>(node->name); }

void SplitClasses(std::string_view text, std::vector<std::string>& classes) {
  std::size_t i = 0;
  while (i < text.size()) {
    const std::size_t start = text.find_first_not_of(" \t\n\r\f", i);
    if (start == std::string_view::npos) break;
    const std::size_t end = std::min(text.find_first_of(" \t\n\r\f", start), text.size());
    const std::string_view one = text.substr(start, end - start);
    if (std::find(classes.begin(), classes.end(), one) == classes.end()) classes.emplace_back(one);
    i = end;
  }
}

}  // namespace

bool FindAttribute(const xmlNode* node, std::string_view lowercaseName, std::string& value) {
  for (const xmlAttr* attribute = node->properties; attribute; attribute = attribute->next) {
    if (!EqualsIgnoringCase(reinterpret_cast<const char*>(attribute->name), lowercaseName)) continue;
    value.clear();
    for (const xmlNode* text = attribute->children; text; text = text->next)
      if (text->content) value += reinterpret_cast<const char*>(text->content);
    return true;
  }
  return false;
}

TElementTable::TElementTable(const xmlNode* root) {
  if (!root || root->type != XML_ELEMENT_NODE) return;
  TElement top;
  top.node = root;
  top.name = AsciiLower(NameOf(root));
  elements_.push_back(std::move(top));
  // Each element's children are added when it is reached; the table is its own work list.
  for (std::size_t i = 0; i < elements_.size(); ++i) AddChildrenOf(std::int32_t(i));
}

void TElementTable::AddChildrenOf(std::int32_t parent) {
  const std::size_t first = elements_.size();
  std::unordered_map<std::string, std::uint32_t> ofName;
  std::string value;
  for (const xmlNode* child = elements_[std::size_t(parent)].node->children; child; child = child->next) {
    if (child->type != XML_ELEMENT_NODE) continue;
    TElement element;
    element.node = child;
    element.parent = parent;
    element.previous = elements_.size() > first ? std::int32_t(elements_.size() - 1) : -1;
    element.depth = elements_[std::size_t(parent)].depth + 1;
    element.position = std::uint32_t(elements_.size() - first + 1);
    element.name = AsciiLower(NameOf(child));
    element.typePosition = ++ofName[element.name];
    if (FindAttribute(child, "id", value)) element.id = value;
    if (FindAttribute(child, "class", value)) SplitClasses(value, element.classes);
    elements_.push_back(std::move(element));
  }
  for (std::size_t i = first; i < elements_.size(); ++i) {
    elements_[i].siblings = std::uint32_t(elements_.size() - first);
    elements_[i].typeSiblings = ofName[elements_[i].name];
  }
}

}  // namespace css
