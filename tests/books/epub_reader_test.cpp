// SPDX-License-Identifier: GPL-3.0-or-later
#include <gmock/gmock.h>

#include <regex>

#include "app/books/book_reader.h"
#include "books/book_fixtures.h"

using ::testing::ElementsAre;
using ::testing::ThrowsMessage;

namespace {

const std::string kMimetype = "application/epub+zip";
const std::string kMetadata =
    "<dc:title>Zegarmistrz</dc:title><dc:creator>Anna Nowak</dc:creator>"
    "<dc:creator>Jan Kowal</dc:creator>";

TEntries Epub2Entries() {
  return {
      {"mimetype", kMimetype},
      {"META-INF/container.xml", Container("OEBPS/content.opf")},
      {"OEBPS/content.opf", Package(kMetadata,
                                    {{"ncx", "toc.ncx", "application/x-dtbncx+xml"},
                                     {"c1", "Text/one.xhtml", "application/xhtml+xml"},
                                     {"cover", "Images/cover.jpg", "image/jpeg"},
                                     {"c2", "Text/two%20words.xhtml", "application/xhtml+xml"}},
                                    {"c1", "cover", "c2"})},
      {"OEBPS/toc.ncx", "<ncx/>"},
      {"OEBPS/Images/cover.jpg", "\xFF\xD8 not read"},
      {"OEBPS/Text/one.xhtml", Xhtml("<h1>Rozdzia\xC5\x82 pierwszy</h1><p>Ala  ma\n "
                                     "kota&#160;i&#x20AC;.</p><p>Drugi <em>akapit</em>.</p>")},
      {"OEBPS/Text/two words.xhtml",
       R"(<?xml version="1.0" encoding="UTF-8"?><!DOCTYPE html PUBLIC "-//W3C//DTD XHTML 1.1//EN" )"
       R"("http://www.w3.org/TR/xhtml11/DTD/xhtml11.dtd"><html xmlns="http://www.w3.org/1999/xhtml"><body>)"
       "<div><h2>Two</h2><p>Text &amp; more&mdash;&nbsp;end.</p></div></body></html>"}};
}

std::string Replaced(TEntries entries, const std::string& name, const std::string& bytes) {
  bool found = false;
  for (auto& entry : entries) {
    if (entry.first == name) {
      entry.second = bytes;
      found = true;
    }
  }
  if (!found) entries.emplace_back(name, bytes);
  return MakeZip(entries);
}

std::string Without(TEntries entries, const std::string& name) {
  std::erase_if(entries, [&](const auto& entry) { return entry.first == name; });
  return MakeZip(entries);
}

std::string Encryption(const std::string& algorithm) {
  return R"(<encryption xmlns="urn:oasis:names:tc:opendocument:xmlns:container" xmlns:enc="http://www.w3.org/2001/04/xmlenc#">)"
         R"(<enc:EncryptedData><enc:EncryptionMethod Algorithm=")" +
         algorithm +
         R"("/><enc:CipherData><enc:CipherReference URI="OEBPS/Text/one.xhtml"/></enc:CipherData></enc:EncryptedData></encryption>)";
}

TBook Read(const std::string& bytes, const TUnpackLimits& limits = {}) {
  return ReadMarkupBook(bytes, "book.epub", std::size_t{1} << 20, limits).value();
}

}  // namespace

TEST(EpubReader, ReadsAnEpub2SpineInOrder) {
  const TBook book = Read(MakeZip(Epub2Entries()));
  EXPECT_EQ(book.title, "Zegarmistrz");
  EXPECT_EQ(book.author, "Anna Nowak, Jan Kowal");
  EXPECT_THAT(Lines(book.text),
              ElementsAre("Rozdzia\xC5\x82 pierwszy", "", "Ala ma kota\xC2\xA0i\xE2\x82\xAC.",
                          "Drugi akapit.", "", "\f", "Two", "",
                          "Text & more\xE2\x80\x94\xC2\xA0"
                          "end."));
}

// The spine points into one file several times (a section each), names the navigation
// document, and puts the notes outside the reading order.
TEST(EpubReader, ReadsEachEpub3DocumentOnceAndNotesOnlyWhenAsked) {
  const std::string package = Package("<dc:title> Three </dc:title>",
                                      {{"nav", "nav.xhtml", "application/xhtml+xml", "nav"},
                                       {"n", "text/notes.xhtml", "application/xhtml+xml"},
                                       {"a", "./text/../text/a.xhtml#start", "application/xhtml+xml"},
                                       {"a2", "text/a.xhtml#s2", "application/xhtml+xml"},
                                       {"b", "text/b.xhtml", "application/xhtml+xml"}},
                                      {"nav", "n", "a", "a2", "b", "a", "a2"}, "3.0");
  const std::string epub =
      MakeZip({{"mimetype", kMimetype},
               {"META-INF/container.xml", Container("book/package.opf")},
               {"book/package.opf",
                std::regex_replace(package, std::regex(R"(idref="n")"), R"(idref="n" linear="no")")},
               {"book/nav.xhtml", Xhtml("<nav><ol><li>Contents</li></ol></nav>")},
               {"book/text/notes.xhtml", Xhtml("<aside><p>1. A note.</p></aside>")},
               {"book/text/a.xhtml",
                Xhtml("<section><h1>One</h1><p>Caf&eacute; &nbsp;x</p><h2 id=\"s2\">S</h2></section>")},
               {"book/text/b.xhtml", "<html><body><p>not <b>well</p> formed<br>at all</body></html>"}});
  const TBook book = Read(epub);
  EXPECT_EQ(book.title, "Three");
  EXPECT_EQ(book.author, "");
  EXPECT_THAT(Lines(book.text), ElementsAre("One", "", "Caf\xC3\xA9 \xC2\xA0x", "", "\f", "S", "", "\f",
                                            "not well", "formed", "at all"));
  const TBook all = ReadMarkupBook(epub, "book.epub", std::size_t{1} << 20, {}, true).value();
  EXPECT_THAT(Lines(all.text), ElementsAre("One", "", "Caf\xC3\xA9 \xC2\xA0x", "", "\f", "S", "", "\f",
                                           "not well", "formed", "at all", "", "\f", "1. A note."));
}

TEST(EpubReader, KeepsFontObfuscationButRefusesProtectedContent) {
  const TEntries entries = Epub2Entries();
  EXPECT_NO_THROW(
      Read(Replaced(entries, "META-INF/encryption.xml", Encryption("http://www.idpf.org/2008/embedding"))));
  EXPECT_THAT(
      [&] {
        Read(Replaced(entries, "META-INF/encryption.xml",
                      Encryption("http://www.w3.org/2001/04/xmlenc#aes128-cbc")));
      },
      ThrowsMessage<EBookError>("the book is protected (DRM) and cannot be read"));
}

TEST(EpubReader, RefusesBadBooksWithAClearMessage) {
  const TEntries entries = Epub2Entries();
  const std::string packageWithLostItem =
      Package(kMetadata, {{"c1", "Text/one.xhtml", "application/xhtml+xml"}}, {"c1", "lost"});
  const std::string packageWithMissingFile =
      Package(kMetadata, {{"c1", "Text/gone.xhtml", "application/xhtml+xml"}}, {"c1"});
  // One chapter named 70,000 times: read once it is cheap, yet a spine so long is no book.
  TEntries endlessSpine = entries;
  endlessSpine[2].second = Package(kMetadata, {{"c1", "Text/one.xhtml", "application/xhtml+xml"}},
                                   std::vector<std::string>(70000, "c1"));
  const std::string packageClimbingOut =
      Package(kMetadata, {{"c1", "../../secret.xhtml", "application/xhtml+xml"}}, {"c1"});
  const struct {
    std::string bytes;
    std::string message;
  } cases[] = {
      {"not a zip at all", "the book is not a valid ZIP archive"},
      {std::string("PK\x03\x04", 4) + "broken", "the book is not a valid ZIP archive"},
      {Without(entries, "META-INF/container.xml"), "the EPUB book has no META-INF/container.xml"},
      {Without(entries, "OEBPS/content.opf"), "the EPUB book has no package document OEBPS/content.opf"},
      {Replaced(entries, "OEBPS/content.opf", "<package><metadata></package>"),
       "OEBPS/content.opf is not well-formed XML"},
      {Replaced(entries, "META-INF/container.xml", "<container/>"),
       "the EPUB book's container names no package document"},
      {Replaced(entries, "OEBPS/content.opf", "<package/>"), "the EPUB book's package document has no spine"},
      {Replaced(entries, "OEBPS/content.opf", packageWithLostItem),
       "the EPUB book's spine names lost, which its manifest lacks"},
      {Replaced(entries, "OEBPS/content.opf", packageWithMissingFile),
       "the EPUB book's spine item Text/gone.xhtml is missing from the archive"},
      {MakeZip(endlessSpine, false),  // stored: it would pack like a ZIP bomb
       "the EPUB book's spine names more than 65536 items"},
      {Replaced(entries, "OEBPS/content.opf", packageClimbingOut),
       "the EPUB book's spine item ../../secret.xhtml is missing from the archive"},
      {Replaced(entries, "../evil.xhtml", "x"),
       "the archive holds an entry outside itself (\"..\"): ../evil.xhtml"},
      {Replaced(entries, "META-INF/encryption.xml", "<encryption>"),
       "META-INF/encryption.xml is not well-formed XML"},
  };
  for (const auto& bad : cases) {
    EXPECT_THAT([&] { Read(bad.bytes); }, ThrowsMessage<EBookError>(bad.message)) << bad.message;
  }
}

TEST(EpubReader, RefusesArchivesThatUnpackTooFar) {
  const TEntries entries = Epub2Entries();
  const std::string bomb = Replaced(entries, "OEBPS/Text/one.xhtml", Xhtml(std::string(3 << 20, ' ')));
  EXPECT_THAT(
      [&] { Read(bomb, TUnpackLimits{.ratioExempt = std::size_t{1} << 20}); },
      ThrowsMessage<EBookError>(
          "the archive's entry OEBPS/Text/one.xhtml unpacks more than 100 times its size (a ZIP bomb)"));
  EXPECT_THAT([&] { Read(MakeZip(entries), TUnpackLimits{.maxTotal = 300}); },
              ThrowsMessage<EBookError>("the archive would unpack to more than 300 bytes"));
}

TEST(EpubReader, RefusesTextPastTheCapacity) {
  EXPECT_THAT([&] { ReadMarkupBook(MakeZip(Epub2Entries()), "book.epub", 40); },
              ThrowsMessage<EOutOfResources>("Text exceeds memo capacity"));
}

// Entities referenced thousands of times: a 1 KB book once took gigabytes for its title.
TEST(EpubReader, EntitiesStayBoundedAndABombIsABadBook) {
  std::string laughs = "<!ENTITY a \"aaaaaaaaaaaaaaaa\">";
  for (char name = 'b'; name <= 'j'; ++name) {
    laughs += std::string("<!ENTITY ") + name + " \"";
    for (int i = 0; i < 10; ++i) laughs += std::string("&") + static_cast<char>(name - 1) + ";";
    laughs += "\">";
  }
  const auto withDoctype = [](const std::string& xml, const std::string& root, const std::string& entities) {
    return std::regex_replace(xml, std::regex(R"(\?>)"), "?><!DOCTYPE " + root + " [" + entities + "]>");
  };
  const std::string bombedTitle = withDoctype(
      Package("<dc:title>&j;</dc:title>", {{"c1", "Text/one.xhtml", "application/xhtml+xml"}}, {"c1"}),
      "package", laughs);
  const std::string bombedSpine = withDoctype(
      Package("", {{"c1", "Text/one.xhtml", "application/xhtml+xml"}}, {"&j;"}), "package", laughs);
  // Plain entities, each far smaller than what its references make together.
  const std::string flat = "<!ENTITY x \"" + std::string(2000, 'y') + " \">";
  std::string refs;
  for (int i = 0; i < 10000; ++i) refs += "&x;";
  const std::string flatBody = std::regex_replace(Xhtml("<p>" + refs + "</p>"), std::regex("<!DOCTYPE html>"),
                                                  "<!DOCTYPE html [" + flat + "]>");
  const TEntries entries = Epub2Entries();
  for (const std::string& opf : {bombedTitle, bombedSpine}) {
    EXPECT_THAT([&] { Read(Replaced(entries, "OEBPS/content.opf", opf)); },
                ThrowsMessage<EBookError>("the book's entities expand without end (an entity bomb)"));
  }
  // Within a text limit that would take it all: the entities' own bound stops it first.
  EXPECT_THAT(
      [&] { ReadMarkupBook(Replaced(entries, "OEBPS/Text/one.xhtml", flatBody), "book.epub", 64 << 20); },
      ThrowsMessage<EBookError>("the book's own entities make more than 16 MiB of text (an entity bomb)"));

  const std::string flatTitle =
      withDoctype(Package("<dc:title>" + refs.substr(0, 3000) +
                              "</dc:title><dc:creator>Debian Live Project "
                              "&lt;debian-live@lists.debian.org&gt;</dc:creator><dc:creator>Jan Kowal, "
                              "https://example.org</dc:creator>",
                          {{"c1", "Text/one.xhtml", "application/xhtml+xml"}}, {"c1"}),
                  "package", flat);
  const TBook book = Read(Replaced(entries, "OEBPS/content.opf", flatTitle));
  EXPECT_LE(book.title.size(), 4096u);
  EXPECT_EQ(book.author, "Debian Live Project, Jan Kowal");
}
