// SPDX-License-Identifier: GPL-3.0-or-later
// The CSS cascade on any stylesheet: parsed (importing itself, to exercise the chains),
// applied to a small fixed XHTML page whose paragraph also takes the input's first line as
// its style attribute. Every element must get a sane style, within the limits, never a
// crash, a hang or a runaway allocation.
#include <libxml/parser.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "app/css/cascade.h"
#include "fuzz/fuzz_support.h"

namespace {

constexpr std::string_view kPage =
    "<html xmlns='http://www.w3.org/1999/xhtml'><head><title>t</title></head><body class='b'>"
    "<h1 id='h' class='chap'>Title</h1><div class='c1 c2'><p id='p' lang='pl-PL'>A <span class='c3'>b</span>"
    "<em>c<strong>d</strong></em></p><p class='x'><a href='#n'>1</a><sup>2</sup></p><ul><li>e</li><li>f</li>"
    "</ul><table><tr><td>g</td></tr></table></div><pre>h</pre><blockquote><p>i</p></blockquote></body></"
    "html>";

xmlDoc* Page() {
  static xmlDoc* page =
      xmlReadMemory(kPage.data(), int(kPage.size()), "page.xhtml", nullptr, XML_PARSE_NONET);
  return page;
}

xmlNode* Paragraph(xmlNode* node) {
  for (; node; node = node->next) {
    if (node->type == XML_ELEMENT_NODE && xmlStrEqual(node->name, BAD_CAST "p")) return node;
    if (xmlNode* found = Paragraph(node->children)) return found;
  }
  return nullptr;
}

void CheckStyles(const css::TCascade& cascade, const xmlNode* node) {
  for (; node; node = node->next) {
    if (node->type != XML_ELEMENT_NODE) continue;
    const css::TComputedStyle& style = cascade.StyleOf(node);
    if (!std::isfinite(style.fontSize) || style.fontSize < 0 || style.fontSize > 1e6f)
      FuzzFailure("font size out of range");
    if (style.fontWeight < 1 || style.fontWeight > 1000) FuzzFailure("font weight out of range");
    for (const css::TLength& length :
         {style.marginLeft, style.marginRight, style.textIndent, style.paddingLeft})
      if (!std::isfinite(length.value)) FuzzFailure("length not finite");
    CheckStyles(cascade, node->children);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  xmlDoc* page = Page();
  if (!page) FuzzFailure("the fixed page does not parse");
  const std::string firstLine(text.substr(0, text.find('\n')));
  xmlSetProp(Paragraph(xmlDocGetRootElement(page)), BAD_CAST "style", BAD_CAST firstLine.c_str());

  css::TLimits limits;
  const css::TSheetLoader loader = [&](std::string_view href) -> std::optional<std::string> {
    if (href.empty() || href.size() % 2) return std::nullopt;
    return std::string(text);
  };
  css::TCascade cascade(limits);
  cascade.AddSheet(css::LoadStyleSheet(text, css::ESheetOrigin::Author, limits, loader));
  cascade.ComputeAll(xmlDocGetRootElement(page));
  CheckStyles(cascade, xmlDocGetRootElement(page));
  return 0;
}
