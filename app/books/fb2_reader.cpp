// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/books/fb2_reader.h"

#include <optional>

#include "app/books/book.h"
#include "app/books/markup_text.h"
#include "app/books/text_builder.h"
#include "app/books/text_capacity.h"
#include "app/books/xml_document.h"

namespace books {

namespace {

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

void AppendNotesHeading(const xmlNode* body, TMarkupSink& sink) { sink.Heading(Attribute(body, "name")); }

// Reads the book as a stream, so that the largest need no tree beside their text: the main
// bodies in order into one sink, the notes bodies (any after the first, named) into another.
class TFb2Stream {
public:
  TFb2Stream(const TByteSource& source, TMarkupSink& main, TMarkupSink& notes)
      : stream_(source, "the FB2 book"), main_(main), notes_(notes) {}

  TBookMetadata Read() {
    for (bool more = stream_.Next(); more;) more = Step();
    if (!rootSeen_) throw EBookError("the FB2 book is not well-formed XML");
    return std::move(book_);
  }

private:
  // Handles the current node; false at the end.
  bool Step() {
    const xmlNode* node = stream_.Node();
    switch (stream_.Kind()) {
      case XML_READER_TYPE_ELEMENT:
        return EnterElement(node);
      case XML_READER_TYPE_END_ELEMENT:
        if (walker_) walker_->Leave(node);
        if (stream_.Depth() == 1) EndBody(node);
        break;
      case XML_READER_TYPE_TEXT:
      case XML_READER_TYPE_CDATA:
      case XML_READER_TYPE_WHITESPACE:
      case XML_READER_TYPE_SIGNIFICANT_WHITESPACE:
      case XML_READER_TYPE_ENTITY_REFERENCE:
        if (walker_) walker_->Enter(node);
        break;
      default:
        break;
    }
    return stream_.Next();
  }

  bool EnterElement(const xmlNode* element) {
    const int depth = stream_.Depth();
    if (depth == 0) {
      if (!IsElement(element, "FictionBook")) throw EBookError("the FB2 book has no FictionBook element");
      rootSeen_ = true;
      return stream_.Next();
    }
    if (depth == 1) {
      if (IsElement(element, "description")) ReadTitleInfo(FirstChildElement(stream_.Expand(), "title-info"));
      if (!IsElement(element, "body")) return stream_.SkipChildren();
      BeginBody(element);
    } else if (depth == 2 && notesHeadingDue_) {
      // Notes without a title of their own are headed by their body's name.
      if (!IsElement(element, "title")) AppendNotesHeading(element->parent, notes_);
      notesHeadingDue_ = false;
    }
    if (!walker_->Enter(element)) return stream_.SkipChildren();
    if (stream_.IsEmptyElement()) {
      walker_->Leave(element);
      if (depth == 1) EndBody(element);
    }
    return stream_.Next();
  }

  void BeginBody(const xmlNode* body) {
    const bool notes = !firstBody_ && IsNotesBody(body);
    firstBody_ = false;
    walker_.emplace(Fb2Role, notes ? notes_ : main_);
    if (notes) notes_.Chapter({});
    notesHeadingDue_ = notes;
  }

  void EndBody(const xmlNode* body) {
    if (notesHeadingDue_) AppendNotesHeading(body, notes_);
    notesHeadingDue_ = false;
    walker_.reset();
  }

  void ReadTitleInfo(const xmlNode* titleInfo) {
    book_.title = CollapsedText(FirstChildElement(titleInfo, "book-title"));
    book_.authors = Names(titleInfo, "author", PersonName);
    book_.language = CollapsedText(FirstChildElement(titleInfo, "lang"));
    book_.cover = Attribute(FirstChildElement(FirstChildElement(titleInfo, "coverpage"), "image"), "href");
  }

  TXmlStream stream_;
  TBookMetadata book_;
  TMarkupSink& main_;
  TMarkupSink& notes_;
  std::optional<TMarkupWalker> walker_;  // within a body
  bool rootSeen_ = false;
  bool firstBody_ = true;
  bool notesHeadingDue_ = false;
};

}  // namespace

namespace {

// `expectedText`: about how long the text is to be, when known.
TBook ReadFb2Text(const TByteSource& source, std::size_t capacity, std::size_t expectedText) {
  TTextBuilder main(capacity), notes(capacity);
  main.Reserve(expectedText);
  TTextMarkup mainSink(main), notesSink(notes);
  const TBookMetadata metadata = TFb2Stream(source, mainSink, notesSink).Read();
  TBook book = BookOf(metadata, main.Finish());
  const std::string notesText = notes.Finish();
  if (!notesText.empty()) {
    if (!book.text.empty()) book.text += std::string("\r\n") + kChapterMark + "\r\n";
    if (book.text.size() + notesText.size() > capacity) throw ETextTooLarge();
    book.text += notesText;
  }
  return book;
}

}  // namespace

TBookMetadata ReadFb2(const TByteSource& source, TMarkupSink& main, TMarkupSink& notes) {
  return TFb2Stream(source, main, notes).Read();
}

TBook ReadFb2(const TByteSource& source, std::size_t capacity) { return ReadFb2Text(source, capacity, 0); }

TBook ReadFb2(std::string_view bytes, std::size_t capacity) {
  // The text is rarely longer than the document (a zipped book's, unpacked whole).
  return ReadFb2Text(SourceOfBytes(bytes), capacity, bytes.size());
}

}  // namespace books
