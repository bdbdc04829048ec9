// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/books/document_reader.h"

#include <algorithm>
#include <cctype>

#include "app/books/book_file.h"
#include "app/books/book_href.h"
#include "app/books/book_styles.h"
#include "app/books/document_markup.h"
#include "app/books/epub_reader.h"
#include "app/books/fb2_reader.h"
#include "app/books/folder_file.h"
#include "app/books/html_reader.h"
#include "app/books/text_capacity.h"

namespace books {

namespace {

document::TDocument DocumentOf(const TBookMetadata& metadata, std::vector<document::TBlock> blocks) {
  return {metadata.title, metadata.authors, metadata.language, std::move(blocks), metadata.cover};
}

// The page names a style somewhere: a <style>, a linked stylesheet, a style attribute.
bool MayBeStyled(std::string_view bytes) {
  constexpr std::string_view kStyle = "style";
  return std::search(bytes.begin(), bytes.end(), kStyle.begin(), kStyle.end(), [](char a, char b) {
           return std::tolower(static_cast<unsigned char>(a)) == b;
         }) != bytes.end();
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

document::TDocument ReadHtmlDocument(std::string_view bytes, std::size_t capacity, const std::string& path) {
  document::TDocumentBuilder builder;
  TDocumentMarkup sink(builder, TMarkupLanguage::Html, capacity);
  const std::size_t slash = path.rfind('/');
  const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
  const std::string page = path.substr(slash + 1);
  TBookStyles styles(
      [&](const std::string& relative) -> std::optional<std::string> {
        if (path.empty() || path == kStandardInputPath) return std::nullopt;
        return ReadFolderFile(folder, relative, css::TLimits{}.maxSheetBytes);
      },
      [](std::string_view from, std::string_view href) -> std::optional<std::string> {
        // A file beside the page, never one named by an address or from the disk's root.
        if (href.find(':') != std::string_view::npos || href.starts_with('/')) return std::nullopt;
        return ResolveHref(from, href);
      });
  sink.UseStyles(styles, page);
  // Only a page that may be styled is held whole; the rest is read as it is parsed.
  const TBookMetadata metadata = ReadHtml(bytes, sink, MayBeStyled(bytes));
  return DocumentOf(metadata, builder.Finish());
}

}  // namespace books
