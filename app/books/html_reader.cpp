#include "app/books/html_reader.h"

#include "app/books/markup_text.h"
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
  const TXmlDocument doc = ParseHtml(bytes);
  const xmlNode* html = xmlDocGetRootElement(doc.get());
  const xmlNode* head = FirstChildElement(html, "head");

  TBook book;
  book.title = CollapsedText(FirstChildElement(head, "title"));
  book.author = NameWithoutAddresses(MetaContent(head, "author"));
  TTextBuilder builder(capacity);
  const xmlNode* body = FirstChildElement(html, "body");
  AppendMarkupText(body ? body : html, HtmlRole, builder);
  book.text = builder.Finish();
  return book;
}

}  // namespace books
