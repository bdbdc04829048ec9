// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/books/epub_reader.h"

#include <algorithm>
#include <map>
#include <set>
#include <utility>
#include <vector>

#include "app/books/book_href.h"
#include "app/books/front_pages.h"
#include "app/books/html_text.h"
#include "app/books/markup_text.h"
#include "app/books/text_builder.h"
#include "app/books/xml_document.h"

namespace books {

namespace {

constexpr char kContainerPath[] = "META-INF/container.xml";
constexpr char kEncryptionPath[] = "META-INF/encryption.xml";

// More spine entries than any book has; a longer spine is built to waste time.
constexpr std::size_t kMaxSpineItems = 65536;

struct TManifestItem {
  std::string href;                 // as the package document writes it
  std::optional<std::string> path;  // inside the archive; none when the href leaves it
  std::string mediaType;
  bool navigation = false;  // the EPUB 3 navigation document
  bool cover = false;       // the EPUB 3 cover picture
};

// Font obfuscation (IDPF and Adobe) scrambles embedded fonts only; the text stays readable.
bool IsFontObfuscation(std::string_view algorithm) {
  return algorithm == "http://www.idpf.org/2008/embedding" || algorithm == "http://ns.adobe.com/pdf/enc#RC";
}

void RejectEncryptedContent(TZipArchive& archive) {
  const std::optional<std::string> bytes = archive.Read(kEncryptionPath);
  if (!bytes) return;
  const TXmlDocument doc = ParseXml(*bytes, kEncryptionPath);
  for (const xmlNode* data : ChildElements(xmlDocGetRootElement(doc.get()), "EncryptedData")) {
    const std::string algorithm = Attribute(FirstChildElement(data, "EncryptionMethod"), "Algorithm");
    if (!IsFontObfuscation(algorithm)) throw EBookError("the book is protected (DRM) and cannot be read");
  }
}

std::string PackagePath(TZipArchive& archive) {
  const std::optional<std::string> bytes = archive.Read(kContainerPath);
  if (!bytes) throw EBookError("the EPUB book has no META-INF/container.xml");
  const TXmlDocument doc = ParseXml(*bytes, kContainerPath);
  const xmlNode* rootfiles = FirstChildElement(xmlDocGetRootElement(doc.get()), "rootfiles");
  for (const xmlNode* rootfile : ChildElements(rootfiles, "rootfile")) {
    std::string path = Attribute(rootfile, "full-path");
    if (!path.empty()) return path;
  }
  throw EBookError("the EPUB book's container names no package document");
}

bool IsMarkupItem(std::string_view mediaType) {
  return mediaType == "application/xhtml+xml" || mediaType == "text/html" ||
         mediaType == "text/x-oeb1-document" || mediaType.empty();
}

// Hands the document's text to the sink; the language its root gives, or empty.
std::string AppendItemText(std::string_view bytes, TMarkupSink& sink) {
  // XHTML that is not well formed is still read, the way a browser would read it.
  const TXmlDocument doc = TryParseXml(bytes);
  if (!doc || !xmlDocGetRootElement(doc.get())) {
    std::string language;
    AppendHtmlText(bytes, sink, {}, [&language](const xmlNode* root) { language = LanguageAttribute(root); });
    return language;
  }
  const xmlNode* html = xmlDocGetRootElement(doc.get());
  const xmlNode* body = FirstChildElement(html, "body");
  sink.Tree(html);
  AppendMarkupText(body ? body : html, HtmlRole, sink);
  return LanguageAttribute(html);
}

// The manifest items of the spine in reading order; items marked linear="no" (other
// languages, notes, pop-ups) only with `allItems`, after the rest.
std::vector<const TManifestItem*> ReadingOrder(const xmlNode* package,
                                               const std::map<std::string, TManifestItem>& manifest,
                                               bool allItems) {
  const xmlNode* spine = FirstChildElement(package, "spine");
  if (!spine) throw EBookError("the EPUB book's package document has no spine");
  std::vector<const xmlNode*> itemrefs = ChildElements(spine, "itemref");
  if (itemrefs.size() > kMaxSpineItems) {
    throw EBookError(
        FormatMessage("the EPUB book's spine names more than %s items", {std::to_string(kMaxSpineItems)}));
  }
  const auto linear = [](const xmlNode* itemref) { return Attribute(itemref, "linear") != "no"; };
  const auto nonlinear = std::stable_partition(itemrefs.begin(), itemrefs.end(), linear);
  if (!allItems) itemrefs.erase(nonlinear, itemrefs.end());
  std::vector<const TManifestItem*> order;
  for (const xmlNode* itemref : itemrefs) {
    const std::string id = Attribute(itemref, "idref");
    const auto item = manifest.find(id);
    if (item == manifest.end()) {
      throw EBookError(FormatMessage("the EPUB book's spine names %s, which its manifest lacks", {id}));
    }
    order.push_back(&item->second);
  }
  return order;
}

// The cover picture's path in the archive: the EPUB 3 cover-image item, else the one an
// EPUB 2 <meta name="cover"> names; empty when none, or when it lies outside the archive.
std::string CoverPath(const xmlNode* metadata, const std::map<std::string, TManifestItem>& manifest) {
  for (const auto& [id, item] : manifest)
    if (item.cover) return item.path.value_or("");
  for (const xmlNode* meta : ChildElements(metadata, "meta")) {
    if (Attribute(meta, "name") != "cover") continue;
    const auto item = manifest.find(Attribute(meta, "content"));
    return item == manifest.end() ? "" : item->second.path.value_or("");
  }
  return {};
}

}  // namespace

TBookMetadata ReadEpub(TZipArchive& archive, TMarkupSink& sink, bool allItems) {
  RejectEncryptedContent(archive);
  const std::string packagePath = PackagePath(archive);
  const std::optional<std::string> packageBytes = archive.Read(packagePath);
  if (!packageBytes)
    throw EBookError(FormatMessage("the EPUB book has no package document %s", {packagePath}));
  const TXmlDocument package = ParseXml(*packageBytes, packagePath);
  const xmlNode* root = xmlDocGetRootElement(package.get());

  TBookMetadata book;
  const xmlNode* metadata = FirstChildElement(root, "metadata");
  if (const xmlNode* title = FirstChildElement(metadata, "title")) book.title = CollapsedText(title);
  book.authors = Names(metadata, "creator", CollapsedText);
  // Many books leave out dc:language but say it on the package, or else on their pages.
  if (const xmlNode* language = FirstChildElement(metadata, "language"))
    book.language = CollapsedText(language);
  if (book.language.empty()) book.language = LanguageAttribute(root);

  std::map<std::string, TManifestItem> manifest;
  for (const xmlNode* item : ChildElements(FirstChildElement(root, "manifest"), "item")) {
    const std::string href = Attribute(item, "href");
    manifest[Attribute(item, "id")] = {href, ResolveHref(packagePath, href), Attribute(item, "media-type"),
                                       HasToken(Attribute(item, "properties"), "nav"),
                                       HasToken(Attribute(item, "properties"), "cover-image")};
  }
  book.cover = CoverPath(metadata, manifest);
  const TFrontPages frontPages(root, packagePath, book);
  std::set<std::string> read;  // each document once, however many entries point into it
  bool firstDocument = true;
  for (const TManifestItem* item : ReadingOrder(root, manifest, allItems)) {
    if (!IsMarkupItem(item->mediaType) || item->navigation) continue;  // a picture page, the contents
    if (item->path && !read.insert(*item->path).second) continue;
    const std::optional<std::string> bytes = item->path ? archive.Read(*item->path) : std::nullopt;
    if (!bytes) {
      throw EBookError(
          FormatMessage("the EPUB book's spine item %s is missing from the archive", {item->href}));
    }
    if (frontPages.Repeats(*bytes, *item->path)) continue;  // our title or cover page shows it
    sink.Chapter(*item->path);
    const std::string language = AppendItemText(*bytes, sink);
    if (std::exchange(firstDocument, false) && book.language.empty()) book.language = language;
  }
  return book;
}

TBook ReadEpub(TZipArchive& archive, std::size_t capacity, bool allItems) {
  TTextBuilder builder(capacity);
  TTextMarkup sink(builder);
  const TBookMetadata metadata = ReadEpub(archive, sink, allItems);
  return BookOf(metadata, builder.Finish());
}

}  // namespace books
