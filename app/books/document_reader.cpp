// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/books/document_reader.h"

#include "app/books/book_href.h"
#include "app/books/book_styles.h"
#include "app/books/document_markup.h"
#include "app/books/epub_reader.h"
#include "app/books/fb2_reader.h"
#include "app/books/html_reader.h"
#include "app/books/text_capacity.h"

namespace books {

namespace {

document::TDocument DocumentOf(const TBookMetadata& metadata, std::vector<document::TBlock> blocks) {
  return {metadata.title, metadata.authors, metadata.language, std::move(blocks), metadata.cover};
}

}  // namespace

document::TDocument ReadEpubDocument(TZipArchive& archive, std::size_t capacity, bool allItems) {
  document::TDocumentBuilder builder;
  TDocumentMarkup sink(builder, TMarkupLanguage::Html, capacity);
  TBookStyles styles([&archive](const std::string& path) { return archive.Read(path); }, ResolveHref);
  sink.UseStyles(styles);
  const TBookMetadata metadata = ReadEpub(archive, sink, allItems);
  return DocumentOf(metadata, builder.Finish());
}

document::TDocument ReadFb2Document(const TByteSource& source, std::size_t capacity) {
  document::TDocumentBuilder main, notes;
  TDocumentMarkup mainSink(main, TMarkupLanguage::Fb2, capacity),
      notesSink(notes, TMarkupLanguage::Fb2, capacity, true);
  const TBookMetadata metadata = ReadFb2(source, mainSink, notesSink);
  CheckDocumentCapacity(main.TextBytes() + notes.TextBytes(), main.Bytes() + notes.Bytes(), capacity);
  std::vector<document::TBlock> blocks = main.Finish();
  for (document::TBlock& note : notes.Finish()) blocks.push_back(std::move(note));
  return DocumentOf(metadata, std::move(blocks));
}

document::TDocument ReadFb2Document(std::string_view bytes, std::size_t capacity) {
  return ReadFb2Document(SourceOfBytes(bytes), capacity);
}

document::TDocument ReadHtmlDocument(std::string_view bytes, std::size_t capacity) {
  document::TDocumentBuilder builder;
  TDocumentMarkup sink(builder, TMarkupLanguage::Html, capacity);
  const TBookMetadata metadata = ReadHtml(bytes, sink);
  return DocumentOf(metadata, builder.Finish());
}

}  // namespace books
