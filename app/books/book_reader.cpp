// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/books/book_reader.h"

#include <algorithm>
#include <cstring>

#include "app/books/book_file.h"
#include "app/books/book_format.h"
#include "app/books/document_reader.h"
#include "app/books/epub_reader.h"
#include "app/books/fb2_reader.h"
#include "app/books/html_reader.h"
#include "app/books/zip_archive.h"
#include "platform/cancellation.h"

// The readers live in their own namespace; this file is their public face.
using namespace books;

namespace {

constexpr std::size_t kSniffBytes = 4096;
constexpr char kEpubMimetype[] = "application/epub+zip";
// A markup file is read whole; one larger than this is no book (markup outweighs its text).
constexpr std::size_t kMaxMarkupFileBytes = kMaxTextBytes;

bool IsEpubArchive(TZipArchive& archive) {
  const std::optional<std::string> mimetype = archive.Read("mimetype");
  return (mimetype && mimetype->starts_with(kEpubMimetype)) || archive.Contains("META-INF/container.xml");
}

// A ZIP archive holds an EPUB, an FB2 book, or (named so) a broken EPUB.
TBookFormat ArchiveFormat(TZipArchive& archive, std::string_view name) {
  if (IsEpubArchive(archive)) return TBookFormat::Epub;
  if (!archive.FindBySuffix(".fb2").empty()) return TBookFormat::Fb2Zip;
  return FormatByExtension(name) == TBookFormat::Epub ? TBookFormat::Epub : TBookFormat::Fb2Zip;
}

template <typename OpenArchive>
TBookFormat Detect(std::string_view head, std::string_view name, OpenArchive openArchive) {
  if (HasZipMagic(head)) {
    try {
      TZipArchive archive = openArchive();
      return ArchiveFormat(archive, name);
    } catch (const EBookError&) {
      // A damaged archive is still one; reading it reports the damage.
      return FormatByExtension(name) == TBookFormat::Epub ? TBookFormat::Epub : TBookFormat::Fb2Zip;
    }
  }
  return SniffMarkup(head).value_or(FormatByExtension(name));
}

// The classic text of each format.
struct TTextReading {
  std::size_t capacity;
  bool allItems;

  TBook Epub(TZipArchive& archive) const { return ReadEpub(archive, capacity, allItems); }
  TBook Fb2(std::string_view bytes) const { return ReadFb2(bytes, capacity); }
  TBook Fb2(const TByteSource& source) const { return ReadFb2(source, capacity); }
  TBook Html(std::string_view bytes) const { return ReadHtml(bytes, capacity); }
};

// The structured book of each format.
struct TDocumentReading {
  std::size_t capacity;
  bool allItems;
  std::string path = {};  // the book's file, for what lies beside it; empty when unknown

  document::TDocument Epub(TZipArchive& archive) const {
    return ReadEpubDocument(archive, capacity, allItems);
  }
  document::TDocument Fb2(std::string_view bytes) const { return ReadFb2Document(bytes, capacity); }
  document::TDocument Fb2(const TByteSource& source) const { return ReadFb2Document(source, capacity); }
  document::TDocument Html(std::string_view bytes) const { return ReadHtmlDocument(bytes, capacity, path); }
};

template <typename Reading>
auto ReadFb2Archive(TZipArchive& archive, const Reading& reading) {
  const std::string entry = archive.FindBySuffix(".fb2");
  const std::optional<std::string> bytes = entry.empty() ? std::nullopt : archive.Read(entry);
  if (!bytes) throw EBookError("the archive holds no FB2 book");
  return reading.Fb2(std::string_view(*bytes));
}

template <typename Reading>
auto ReadArchive(TBookFormat format, TZipArchive& archive, const Reading& reading) {
  return format == TBookFormat::Epub ? reading.Epub(archive) : ReadFb2Archive(archive, reading);
}

// The file's bytes as a stream: the head already read, then the rest, within the markup limit.
TByteSource FileSource(TBookFile& file, std::string_view head) {
  return [&file, head, given = std::size_t{0}](char* buffer, std::size_t size) mutable {
    std::size_t count = 0;
    if (given < head.size()) {
      count = std::min(size, head.size() - given);
      std::memcpy(buffer, head.data() + given, count);
    } else {
      count = file.ReadSome(buffer, size);
    }
    given += count;
    if (given > kMaxMarkupFileBytes) throw ETextTooLarge();
    return count;
  };
}

bool IsArchiveFormat(TBookFormat format) {
  return format == TBookFormat::Epub || format == TBookFormat::Fb2Zip;
}

// Reads the book whose first bytes are `head`, opening its archive once when it is one,
// reading FB2 as a stream and fetching the whole file only for HTML. `readWhole` gives a
// view of the bytes or the file's bytes, let go once parsed; `stream` the bytes or a source.
template <typename Reading, typename OpenArchive, typename ReadWhole, typename Stream>
auto Read(std::string_view head, std::string_view name, const Reading& reading, OpenArchive openArchive,
          ReadWhole readWhole, Stream stream) -> std::optional<decltype(reading.Html({}))> {
  if (HasZipMagic(head)) {
    TZipArchive archive = openArchive();
    return ReadArchive(ArchiveFormat(archive, name), archive, reading);
  }
  const TBookFormat format = SniffMarkup(head).value_or(FormatByExtension(name));
  if (format == TBookFormat::PlainText) return std::nullopt;
  if (IsArchiveFormat(format)) {  // named so, but no archive: opening it says why
    TZipArchive archive = openArchive();
    return ReadArchive(format, archive, reading);
  }
  if (format == TBookFormat::Fb2) return reading.Fb2(stream());
  return reading.Html(readWhole());
}

template <typename Reading>
auto ReadFile(const std::string& path, const Reading& reading) {
  TBookFile file(path);
  const std::string head = file.Read(kSniffBytes);
  return Read(
      head, path, reading, [&] { return TZipArchive(path, TUnpackLimits{}); },
      [&] { return file.ReadToEnd(head, kMaxMarkupFileBytes); }, [&] { return FileSource(file, head); });
}

template <typename Reading>
auto ReadBytes(std::string_view bytes, std::string_view name, const TUnpackLimits& unpack,
               const Reading& reading) {
  return Read(
      bytes.substr(0, kSniffBytes), name, reading, [&] { return TZipArchive(bytes, unpack); },
      [&] { return bytes; }, [&] { return bytes; });
}

}  // namespace

TBookFormat DetectBookFormat(const std::string& path) {
  const std::string head = TBookFile(path).Read(kSniffBytes);
  return Detect(head, path, [&] { return TZipArchive(path, TUnpackLimits{}); });
}

TBookFormat DetectBookFormat(std::string_view bytes, std::string_view name) {
  return Detect(bytes.substr(0, kSniffBytes), name, [&] { return TZipArchive(bytes, TUnpackLimits{}); });
}

std::optional<TBook> ReadMarkupBook(const std::string& path, std::size_t capacity, bool allItems) {
  return ReadFile(path, TTextReading{capacity, allItems});
}

std::optional<TBook> ReadMarkupBook(std::string_view bytes, std::string_view name, std::size_t capacity,
                                    const TUnpackLimits& unpack, bool allItems) {
  return ReadBytes(bytes, name, unpack, TTextReading{capacity, allItems});
}

std::optional<document::TDocument> ReadBookDocument(const std::string& path, std::size_t capacity,
                                                    bool allItems) {
  return ReadFile(path, TDocumentReading{capacity, allItems, path});
}

std::optional<document::TDocument> ReadBookDocument(std::string_view bytes, std::string_view name,
                                                    std::size_t capacity, const TUnpackLimits& unpack,
                                                    bool allItems) {
  return ReadBytes(bytes, name, unpack, TDocumentReading{capacity, allItems});
}
