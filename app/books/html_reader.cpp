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

TBookMetadata ReadHtml(std::string_view bytes, TMarkupSink& sink, bool whole) {
  TBookMetadata book;
  const auto takeHead = [&book](const xmlNode* head) {
    book.title = CollapsedText(FirstChildElement(head, "title"));
    if (std::string author = NameWithoutAddresses(MetaContent(head, "author")); !author.empty())
      book.authors.push_back(std::move(author));
  };
  const auto takeRoot = [&book](const xmlNode* root) { book.language = LanguageAttribute(root); };
  if (whole) {
    AppendWholeHtmlText(bytes, sink, takeHead, takeRoot);
  } else {
    AppendHtmlText(bytes, sink, takeHead, takeRoot);
  }
  return book;
}

TBook ReadHtml(std::string_view bytes, std::size_t capacity) {
  TTextBuilder builder(capacity);
  // The text is rarely longer than the page.
  builder.Reserve(bytes.size());
  TTextMarkup sink(builder);
  const TBookMetadata metadata = ReadHtml(bytes, sink);
  return BookOf(metadata, builder.Finish());
}

}  // namespace books
