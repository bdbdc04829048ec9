// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/books/html_reader.h"

#include "app/books/html_text.h"
#include "app/books/text_builder.h"
#include "app/books/xml_document.h"

namespace books {

namespace {

std::string MetaContent(const xmlNode* head, std::string_view name) {
  for (const xmlNode* meta : ChildElements(head, "meta")) {
    if (Attribute(meta, "name") == name) return Attribute(meta, "content");
  }
  return {};
}

}  // namespace

TBook ReadHtml(std::string_view bytes, std::size_t capacity) {
  TBook book;
  const auto takeHead = [&book](const xmlNode* head) {
    book.title = CollapsedText(FirstChildElement(head, "title"));
    book.author = NameWithoutAddresses(MetaContent(head, "author"));
  };
  TTextBuilder builder(capacity);
  // The text is rarely longer than the page.
  builder.Reserve(bytes.size());
  AppendHtmlText(bytes, builder, takeHead);
  book.text = builder.Finish();
  return book;
}

}  // namespace books
