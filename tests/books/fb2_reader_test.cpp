// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/books/fb2_reader.h"

#include <gmock/gmock.h>

#include <algorithm>
#include <cerrno>

#include "app/books/book_reader.h"
#include "app/books/document_reader.h"
#include "books/book_fixtures.h"

using ::testing::ElementsAre;
using ::testing::ThrowsMessage;

namespace {

const std::string kFb2 = R"(<?xml version="1.0" encoding="UTF-8"?>
<FictionBook xmlns="http://www.gribuser.ru/xml/fictionbook/2.0" xmlns:l="http://www.w3.org/1999/xlink">
 <description><title-info><genre>prose</genre>
  <author><first-name>Lew</first-name><middle-name>N.</middle-name><last-name>Tołstoj</last-name></author>
  <author><nickname>anon</nickname></author>
  <book-title>Wojna   i pokój</book-title></title-info></description>
 <body>
  <title><p>Wojna i pokój</p></title>
  <epigraph><p>Motto line.</p><text-author>Someone</text-author></epigraph>
  <section><title><p>Tom I</p><p>Rozdział 1</p></title>
   <p>First <emphasis>para</emphasis><a l:href="#n1" type="note">[1]</a>.</p>
   <empty-line/>
   <p>Second.</p>
   <poem><title><p>Song</p></title>
    <stanza><v>Verse one,</v><v>verse two.</v></stanza>
    <stanza><v>Verse three.</v></stanza>
    <text-author>Poet</text-author></poem>
   <section><title><p>Inner</p></title><p>Nested.</p><image l:href="#pic"/></section>
  </section>
  <section><p>No title here.</p></section>
 </body>
 <body name="notes">
  <section id="n1"><title><p>1</p></title><p>The note.</p></section>
  <section id="n2"><title><p>2</p></title><p>Another.</p></section>
 </body>
 <binary id="pic" content-type="image/png">iVBORw0KGgo=</binary>
</FictionBook>)";

const std::vector<std::string> kExpected = {
    "Wojna i pokój",  "", "Motto line.", "Someone", "",      "\f", "Tom I",      "Rozdział 1", "",
    "First para[1].", "", "Second.",     "",        "Song",  "",   "Verse one,", "verse two.", "",
    "Verse three.",   "", "Poet",        "",        "Inner", "",   "Nested.",    "",           "\f",
    "No title here.", "", "\f",          "notes",   "",      "1",  "The note.",  "",           "2",
    "Another."};

TBook Read(const std::string& bytes, const std::string& name) { return ReadMarkupBook(bytes, name).value(); }

}  // namespace

TEST(Fb2Reader, ReadsSectionsPoemsAndNotesInOrder) {
  const TBook book = Read(kFb2, "book.fb2");
  EXPECT_EQ(book.title, "Wojna i pokój");
  EXPECT_EQ(book.author, "Lew N. Tołstoj, anon");
  EXPECT_EQ(Lines(book.text), kExpected);
}

TEST(Fb2Reader, ReadsTheBookInsideAZip) {
  const TBook book = Read(MakeZip({{"readme.txt", "x"}, {"Tolstoj.FB2", kFb2}}), "book.fb2.zip");
  EXPECT_EQ(book.title, "Wojna i pokój");
  EXPECT_EQ(Lines(book.text), kExpected);
}

// Read as a stream, the notes still follow every main body, wherever they stand.
TEST(Fb2Reader, NotesFollowTheMainTextWhereverTheyStand) {
  const std::string fb2 =
      "<FictionBook><body><p>one</p></body><body name=\"notes\"><section><p>n</p></section></body>"
      "<body><p>two</p></body><binary id=\"x\">AAAA</binary></FictionBook>";
  EXPECT_THAT(Lines(Read(fb2, "x.fb2").text), ElementsAre("one", "two", "", "\f", "notes", "", "n"));
}

// A file that fails while it is read (a device error, the size limit) fails the book.
TEST(Fb2Reader, AFailingSourceFailsTheBook) {
  std::size_t given = 0;
  const books::TByteSource failing = [&](char* buffer, std::size_t size) -> std::size_t {
    if (given > 0) throw EFOpenError("book.fb2", EIO);
    const std::string start = "<FictionBook><body><p>one</p><p>";
    given = std::min(size, start.size());
    std::copy_n(start.data(), given, buffer);
    return given;
  };
  EXPECT_THAT([&] { books::ReadFb2(failing, 1 << 20); },
              ThrowsMessage<EFOpenError>("Cannot open file book.fb2"));
}

// Past libxml2's 10 MB limits: a long paragraph, a large picture. A book that declares its
// own entities keeps the limits, which guard against entities that multiply.
TEST(Fb2Reader, ReadsTextPiecesOfAnySizeWithinTheCapacity) {
  const std::string words(11 << 20, 'w');
  const std::string book =
      "<FictionBook><body><p>" + words + "</p></body><binary id=\"c\">" + words + "</binary></FictionBook>";
  EXPECT_EQ(books::ReadFb2(book, 32 << 20).text, words + "\r\n");
  EXPECT_EQ(books::ReadFb2Document(book, 32 << 20).blocks.size(), 1u);
  for (const std::string prolog :
       {"<!DOCTYPE FictionBook [<!ENTITY a \"a\">]>", "<!-- <a> --><!DOCTYPE x>"}) {
    EXPECT_THAT([&] { books::ReadFb2(prolog + book, 32 << 20); },
                ThrowsMessage<EBookError>("the FB2 book is not well-formed XML"));
  }
}

TEST(Fb2Reader, ReadsTheDeclaredEncodingAndANotesTitle) {
  const std::string cp1251 =
      "<?xml version=\"1.0\" encoding=\"windows-1251\"?><FictionBook><body><p>\xCC\xE8\xF0</p></body>"
      "<body name=\"notes\"><title><p>Notes</p></title><section><p>n</p></section></body></FictionBook>";
  EXPECT_THAT(Lines(Read(cp1251, "x.fb2").text),
              ElementsAre("\xD0\x9C\xD0\xB8\xD1\x80", "", "\f", "Notes", "", "n"));
}

TEST(Fb2Reader, RefusesBadBooks) {
  const TUnpackLimits limits{.ratioExempt = std::size_t{1} << 20};
  std::string deep;  // the strict parser stops there; the text after would be lost
  for (int i = 0; i < 300; ++i) deep += "<section>";
  const struct {
    std::string bytes;
    std::string name;
    std::string message;
  } cases[] = {
      {"<FictionBook><body><p>open</body></FictionBook>", "a.fb2", "the FB2 book is not well-formed XML"},
      {"<?xml version=\"1.0\"?><book/>", "a.fb2", "the FB2 book has no FictionBook element"},
      {"plain words", "a.fb2", "the FB2 book is not well-formed XML"},
      {"<FictionBook><body>" + deep + "<p>lost</p></body></FictionBook>", "a.fb2",
       "the FB2 book nests its elements more than 256 deep"},
      {"<?xml version=\"1.0\"?><!DOCTYPE FictionBook [<!ENTITY a \"aaaa\"><!ENTITY b \"&a;&a;&a;&a;&a;&a;\">"
       "<!ENTITY c \"&b;&b;&b;&b;&b;&b;\"><!ENTITY d \"&c;&c;&c;&c;&c;&c;\"><!ENTITY e "
       "\"&d;&d;&d;&d;&d;&d;\">"
       "<!ENTITY f \"&e;&e;&e;&e;&e;&e;\"><!ENTITY g \"&f;&f;&f;&f;&f;&f;\"><!ENTITY h "
       "\"&g;&g;&g;&g;&g;&g;\">"
       "<!ENTITY i \"&h;&h;&h;&h;&h;&h;\"><!ENTITY j \"&i;&i;&i;&i;&i;&i;\">]><FictionBook><body><p>&j;</p>"
       "</body></FictionBook>",
       "a.fb2", "the book's entities expand without end (an entity bomb)"},
      {"plain words", "a.fb2.zip", "the book is not a valid ZIP archive"},
      {MakeZip({{"a.txt", "words"}}), "a.fb2.zip", "the archive holds no FB2 book"},
      {MakeZip({{"a.fb2", "<FictionBook><body>" + std::string(3 << 20, ' ') + "</body></FictionBook>"}}),
       "a.zip", "the archive's entry a.fb2 unpacks more than 100 times its size (a ZIP bomb)"},
      {MakeZip({{"../a.fb2", kFb2}}), "a.fb2.zip",
       "the archive holds an entry outside itself (\"..\"): ../a.fb2"},
  };
  for (const auto& bad : cases) {
    EXPECT_THAT([&] { ReadMarkupBook(bad.bytes, bad.name, 1 << 20, limits); },
                ThrowsMessage<EBookError>(bad.message))
        << bad.message;
  }
}
