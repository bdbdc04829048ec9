#include "app/books/fb2_reader.h"

#include <vector>

#include "app/books/markup_text.h"
#include "app/books/text_builder.h"
#include "app/books/xml_document.h"

namespace books {

namespace {

bool IsOneOf(const xmlNode* element, std::initializer_list<std::string_view> names) {
  for (const std::string_view name : names) {
    if (IsElement(element, name)) return true;
  }
  return false;
}

// A body with a name ("notes", "comments") holds notes, not the main text.
bool IsNotesBody(const xmlNode* body) { return !Attribute(body, "name").empty(); }

bool InNotes(const xmlNode* element) {
  for (const xmlNode* up = element; up; up = up->parent) {
    if (IsElement(up, "body")) return IsNotesBody(up);
  }
  return false;
}

TElementRole Fb2Role(const xmlNode* element) {
  if (IsOneOf(element, {"binary", "image"})) return TElementRole::Skip;
  if (IsElement(element, "section")) {
    if (InNotes(element)) return TElementRole::Set;
    return IsElement(element->parent, "body") ? TElementRole::Chapter : TElementRole::Block;
  }
  if (IsElement(element, "title")) {
    // A note's number stays on the line above its text rather than standing as a heading.
    const bool noteTitle = IsElement(element->parent, "section") && InNotes(element);
    return noteTitle ? TElementRole::Block : TElementRole::Heading;
  }
  if (IsOneOf(element, {"subtitle"})) return TElementRole::Heading;
  if (IsOneOf(element, {"epigraph", "poem", "stanza", "cite"})) return TElementRole::Set;
  if (IsOneOf(element, {"empty-line"})) return TElementRole::Break;
  if (IsOneOf(element, {"td", "th"})) return TElementRole::Cell;
  if (IsOneOf(element, {"p", "v", "text-author", "date", "tr", "table", "annotation", "body"})) {
    return TElementRole::Block;
  }
  return TElementRole::Inline;
}

std::string PersonName(const xmlNode* author) {
  std::string name;
  for (const char* part : {"first-name", "middle-name", "last-name"}) {
    const std::string text = CollapsedText(FirstChildElement(author, part));
    if (text.empty()) continue;
    if (!name.empty()) name += ' ';
    name += text;
  }
  return name.empty() ? CollapsedText(FirstChildElement(author, "nickname")) : name;
}

void AppendNotesBody(const xmlNode* body, TTextBuilder& builder) {
  builder.Chapter();
  if (!FirstChildElement(body, "title")) {
    // Notes without a title of their own are headed by their body's name.
    builder.BeginHeading();
    builder.Text(Attribute(body, "name"));
    builder.EndHeading();
  }
  AppendMarkupText(body, Fb2Role, builder);
}

TXmlDocument ParseFb2(std::string_view bytes) { return ParseXml(bytes, "the FB2 book"); }

TBook BookOf(const TXmlDocument& doc, std::size_t capacity) {
  const xmlNode* root = xmlDocGetRootElement(doc.get());
  if (!IsElement(root, "FictionBook")) throw EBookError("the FB2 book has no FictionBook element");

  TBook book;
  const xmlNode* titleInfo = FirstChildElement(FirstChildElement(root, "description"), "title-info");
  book.title = CollapsedText(FirstChildElement(titleInfo, "book-title"));
  book.author = JoinedNames(titleInfo, "author", PersonName);

  const std::vector<const xmlNode*> bodies = ChildElements(root, "body");
  TTextBuilder builder(capacity);
  for (std::size_t i = 0; i < bodies.size(); ++i) {
    if (i == 0 || !IsNotesBody(bodies[i])) AppendMarkupText(bodies[i], Fb2Role, builder);
  }
  for (std::size_t i = 1; i < bodies.size(); ++i) {
    if (IsNotesBody(bodies[i])) AppendNotesBody(bodies[i], builder);
  }
  book.text = builder.Finish();
  return book;
}

}  // namespace

TBook ReadFb2(std::string_view bytes, std::size_t capacity) { return BookOf(ParseFb2(bytes), capacity); }

TBook ReadFb2(std::string&& bytes, std::size_t capacity) {
  const TXmlDocument doc = ParseFb2(bytes);
  std::string().swap(bytes);
  return BookOf(doc, capacity);
}

}  // namespace books
