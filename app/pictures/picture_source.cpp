// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/pictures/picture_source.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QByteArray>
#include <map>

#include "app/books/book_file.h"
#include "app/books/book_href.h"
#include "app/books/book_reader.h"
#include "app/books/text_capacity.h"
#include "app/books/xml_document.h"
#include "app/books/zip_archive.h"
#include "platform/descriptor_io.h"
#include "platform/directory.h"
#include "platform/owned_descriptor.h"

namespace pictures {

namespace {

// Base64 takes four characters for three bytes; line breaks add a little.
constexpr std::size_t kMaxBinaryTextBytes = kMaxPictureFileBytes / 3 * 4 + kMaxPictureFileBytes / 16;
constexpr std::size_t kReadChunk = 65536;

class TNoPictures final : public TPictureSource {
public:
  std::optional<std::string> Read(const std::string&) override { return std::nullopt; }
};

// An EPUB's pictures are entries of its archive, named by their resolved paths; the
// archive's unpack limits hold for them as for the text.
class TArchivePictures final : public TPictureSource {
public:
  explicit TArchivePictures(const std::string& path) : archive_(path, TUnpackLimits{}) {}

  std::optional<std::string> Read(const std::string& source) override {
    if (source.empty()) return std::nullopt;
    try {
      std::optional<std::string> bytes = archive_.Read(source);
      if (bytes && bytes->size() > kMaxPictureFileBytes) return std::nullopt;
      return bytes;
    } catch (const Exception&) {
      return std::nullopt;  // damaged, or past the limits
    }
  }

private:
  books::TZipArchive archive_;
};

// The decoded <binary> elements of an FB2 book by id, read in one pass; a binary larger than
// a picture may be is left out, and a malformed book keeps those read before the fault.
std::map<std::string, std::string> Fb2Binaries(std::string_view book) {
  std::map<std::string, std::string> binaries;
  try {
    const books::TByteSource source = books::SourceOfBytes(book);  // the stream reads it, not a copy
    books::TXmlStream stream(source, "the FB2 book");
    for (bool more = stream.Next(); more;) {
      if (stream.Kind() != XML_READER_TYPE_ELEMENT || stream.Depth() != 1) {
        more = stream.Next();
        continue;
      }
      if (books::IsElement(stream.Node(), "binary")) {
        const xmlNode* binary = stream.Expand();
        const std::string id = books::Attribute(binary, "id");
        xmlChar* text = xmlNodeGetContent(binary);
        const QByteArray base64(text ? reinterpret_cast<const char*>(text) : "");
        xmlFree(text);
        if (!id.empty() && static_cast<std::size_t>(base64.size()) <= kMaxBinaryTextBytes)
          binaries[id] = QByteArray::fromBase64(base64).toStdString();
      }
      more = stream.SkipChildren();
    }
  } catch (const Exception&) {
  }
  return binaries;
}

// An FB2 book's pictures, named "#id" by its <image l:href> elements.
class TFb2Pictures final : public TPictureSource {
public:
  explicit TFb2Pictures(std::string_view book) : binaries_(Fb2Binaries(book)) {}

  std::optional<std::string> Read(const std::string& source) override {
    if (!source.starts_with('#')) return std::nullopt;  // a link out of the book
    const auto binary = binaries_.find(source.substr(1));
    if (binary == binaries_.end()) return std::nullopt;
    return binary->second;
  }

private:
  std::map<std::string, std::string> binaries_;
};

// The regular file `name` in `folder`, never through a link, within the size of a picture.
std::optional<std::string> ReadFileIn(const TDirectory& folder, const std::string& name) {
  const TOwnedDescriptor file(
      ::openat(folder.Fd(), name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
  struct stat status {};
  if (file.Fd() < 0 || ::fstat(file.Fd(), &status) != 0 || !S_ISREG(status.st_mode) ||
      static_cast<std::size_t>(status.st_size) > kMaxPictureFileBytes)
    return std::nullopt;
  std::string bytes;
  char buffer[kReadChunk];
  for (ssize_t count; (count = ReadRetrying(file.Fd(), buffer, sizeof buffer)) != 0;) {
    // The file may have grown since it was measured.
    if (count < 0 || bytes.size() + static_cast<std::size_t>(count) > kMaxPictureFileBytes)
      return std::nullopt;
    bytes.append(buffer, static_cast<std::size_t>(count));
  }
  return bytes;
}

// An HTML book's pictures are files in its own folder or below it, found one folder at a
// time so that no link leads out of it.
class TFolderPictures final : public TPictureSource {
public:
  TFolderPictures(const std::string& folder, std::string bookName)
      : folder_(folder.empty() ? "." : folder), bookName_(std::move(bookName)) {}

  std::optional<std::string> Read(const std::string& source) override {
    // A scheme (http:, file:, data:) or an absolute path points outside the folder.
    if (!folder_.Valid() || source.empty() || source.find(':') != std::string::npos ||
        source.starts_with('/'))
      return std::nullopt;
    const std::optional<std::string> path = books::ResolveHref(bookName_, source);
    if (!path || path->empty()) return std::nullopt;
    std::optional<TDirectory> below;
    std::size_t start = 0;
    for (std::size_t slash; (slash = path->find('/', start)) != std::string::npos; start = slash + 1) {
      TDirectory next(below ? *below : folder_, path->substr(start, slash - start));
      if (!next.Valid()) return std::nullopt;
      below = std::move(next);
    }
    return ReadFileIn(below ? *below : folder_, path->substr(start));
  }

private:
  TDirectory folder_;
  std::string bookName_;
};

std::unique_ptr<TPictureSource> OpenFb2Zip(const std::string& path) {
  books::TZipArchive archive(path, TUnpackLimits{});
  const std::optional<std::string> book = archive.Read(archive.FindBySuffix(".fb2"));
  return book ? std::make_unique<TFb2Pictures>(*book) : nullptr;
}

std::unique_ptr<TPictureSource> Open(const std::string& path) {
  switch (DetectBookFormat(path)) {
    case TBookFormat::Epub:
      return std::make_unique<TArchivePictures>(path);
    case TBookFormat::Fb2:
      return std::make_unique<TFb2Pictures>(TBookFile(path).ReadToEnd({}, kMaxTextBytes));
    case TBookFormat::Fb2Zip:
      return OpenFb2Zip(path);
    case TBookFormat::Html: {
      const std::size_t slash = path.rfind('/');
      if (slash == std::string::npos) return std::make_unique<TFolderPictures>(".", path);
      return std::make_unique<TFolderPictures>(path.substr(0, slash + 1), path.substr(slash + 1));
    }
    default:
      return nullptr;
  }
}

}  // namespace

std::unique_ptr<TPictureSource> OpenPictureSource(const std::string& path) {
  // A book piped in was read once; its pictures cannot be read again.
  if (path == kStandardInputPath) return std::make_unique<TNoPictures>();
  try {
    if (auto source = Open(path)) return source;
  } catch (const Exception&) {
    // The book itself was read before; what cannot be opened now has no pictures to give.
  }
  return std::make_unique<TNoPictures>();
}

}  // namespace pictures
