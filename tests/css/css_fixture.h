// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the cascade's tests share: an XHTML text parsed by libxml2, its elements found by id,
// and the cascade's style of each.
#include <libxml/parser.h>
#include <libxml/tree.h>

#include <memory>
#include <string>
#include <string_view>

#include "app/css/cascade.h"
#include "app/css/element_table.h"

namespace css_test {

struct TDocFree {
  void operator()(xmlDoc* doc) const { xmlFreeDoc(doc); }
};
using TDoc = std::unique_ptr<xmlDoc, TDocFree>;

inline TDoc ParseXhtml(std::string_view text) {
  return TDoc(
      xmlReadMemory(text.data(), int(text.size()), "page.xhtml", nullptr, XML_PARSE_NONET | XML_PARSE_HUGE));
}

inline const xmlNode* FindById(const xmlNode* node, std::string_view id) {
  for (; node; node = node->next) {
    if (node->type != XML_ELEMENT_NODE) continue;
    std::string value;
    if (css::FindAttribute(node, "id", value) && value == id) return node;
    if (const xmlNode* found = FindById(node->children, id)) return found;
  }
  return nullptr;
}

// A page with the sheet, styled; Style("x") is the style of the element with id x.
class TStyledPage {
public:
  TStyledPage(std::string_view body, std::string_view sheet, css::TLimits limits = {})
      : limits_(limits), cascade_(limits_) {
    doc_ = ParseXhtml("<html xmlns=\"http://www.w3.org/1999/xhtml\"><head/><body>" + std::string(body) +
                      "</body></html>");
    cascade_.AddSheet(css::ParseStyleSheet(sheet, css::ESheetOrigin::Author, limits_));
    cascade_.ComputeAll(xmlDocGetRootElement(doc_.get()));
  }
  const css::TComputedStyle& Style(std::string_view id) const {
    return cascade_.StyleOf(FindById(xmlDocGetRootElement(doc_.get()), id));
  }
  css::TLimits& Limits() { return limits_; }

private:
  css::TLimits limits_;
  css::TCascade cascade_;
  TDoc doc_;
};

}  // namespace css_test
