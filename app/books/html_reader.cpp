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

TBook BookOf(const TXmlDocument& doc, std::size_t capacity) {
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

}  // namespace

TBook ReadHtml(std::string_view bytes, std::size_t capacity) { return BookOf(ParseHtml(bytes), capacity); }

TBook ReadHtml(std::string&& bytes, std::size_t capacity) {
  const TXmlDocument doc = ParseHtml(bytes);
  std::string().swap(bytes);
  return BookOf(doc, capacity);
}

}  // namespace books
