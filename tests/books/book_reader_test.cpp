// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/books/book_reader.h"

#include <gmock/gmock.h>

#include <fstream>
#include <sstream>

#include "books/book_fixtures.h"
#include "support/temp_dir.h"

using ::testing::ThrowsMessage;

TEST(BookReader, DetectsTheFormatByContentBeforeExtension) {
  const std::string epub = MakeZip({{"mimetype", "application/epub+zip"}});
  const std::string fb2zip = MakeZip({{"b.fb2", "<FictionBook/>"}});
  const struct {
    std::string bytes;
    std::string name;
    TBookFormat format;
  } cases[] = {
      {epub, "book.zip", TBookFormat::Epub},
      {MakeZip({{"META-INF/container.xml", "<container/>"}}), "book", TBookFormat::Epub},
      {fb2zip, "book.epub", TBookFormat::Fb2Zip},
      {MakeZip({{"a.txt", ""}}), "book.epub", TBookFormat::Epub},
      {MakeZip({{"a.txt", ""}}), "book.txt", TBookFormat::Fb2Zip},
      {"<?xml version=\"1.0\"?>\n<!-- c --><FictionBook xmlns=\"x\">", "book.txt", TBookFormat::Fb2},
      {"\xEF\xBB\xBF<fb:FictionBook>", "book", TBookFormat::Fb2},
      {"  <!doctype HTML><p>", "book.txt", TBookFormat::Html},
      {"<HTML><body>", "book.fb2", TBookFormat::Html},
      {std::string("\xFF\xFE<\0h\0t\0m\0l\0>\0", 14), "book.txt", TBookFormat::Html},
      {"<p>fragment", "page.htm", TBookFormat::Html},
      {"<p>fragment", "page.txt", TBookFormat::PlainText},
      {"just words", "book.EPUB", TBookFormat::Epub},
      {"just words", "book.fb2", TBookFormat::Fb2},
      {"just words", "book.fb2.zip", TBookFormat::Fb2Zip},
      {"just words", "book.txt", TBookFormat::PlainText},
      {"", "book", TBookFormat::PlainText},
  };
  for (const auto& sample : cases) {
    EXPECT_EQ(DetectBookFormat(sample.bytes, sample.name), sample.format)
        << sample.name << ": " << sample.bytes;
  }
}

TEST(BookReader, ReadsFilesAndLeavesPlainTextToTheCaller) {
  TempDir dir;
  const auto write = [&](const std::string& name, const std::string& bytes) {
    std::ofstream(dir.File(name), std::ios::binary) << bytes;
    return dir.File(name);
  };
  EXPECT_FALSE(ReadMarkupBook(write("a.txt", "plain <b>text</b>")).has_value());
  EXPECT_EQ(ReadMarkupBook(write("a.html", "<p>x</p><p>y</p>"))->text, "x\r\ny\r\n");
  EXPECT_EQ(DetectBookFormat(write("a.bin", MakeZip({{"b.fb2", "<FictionBook/>"}}))), TBookFormat::Fb2Zip);
  EXPECT_EQ(ReadMarkupBook(
                write("b.fb2.zip", MakeZip({{"b.fb2", "<FictionBook><body><p>z</p></body></FictionBook>"}})))
                ->text,
            "z\r\n");
  const std::string missing = dir.File("missing.epub");
  EXPECT_THAT([&] { ReadMarkupBook(missing); }, ThrowsMessage<EFOpenError>("Cannot open file " + missing));
  EXPECT_THAT([&] { DetectBookFormat(dir.Path().string()); },
              ThrowsMessage<EFOpenError>("Cannot open file " + dir.Path().string()));
}

namespace {

// Numbered words in paragraphs of ten: any byte lost or doubled anywhere changes a word.
std::vector<std::string> NumberedWords(int count) {
  std::vector<std::string> words;
  for (int i = 0; i < count; ++i) words.push_back(std::string("w").append(std::to_string(100000 + i)));
  return words;
}

std::string Paragraphs(const std::vector<std::string>& words, const std::string& open,
                       const std::string& close) {
  std::string text;
  for (std::size_t i = 0; i < words.size(); i += 10) {
    text += open;
    for (std::size_t k = i; k < std::min(i + 10, words.size()); ++k) text += (k > i ? " " : "") + words[k];
    text += close + "\n";
  }
  return text;
}

std::vector<std::string> WordsOf(const std::string& text) {
  std::istringstream in(text);
  std::vector<std::string> words;
  for (std::string word; in >> word;) words.push_back(word);
  return words;
}

}  // namespace

// The bytes read to tell the format (4 KiB) are the book's first bytes, not lost at the seam;
// nor is any byte at the other reading sizes (8 KiB, 64 KiB, the archive's). 20,000 words
// make 140 KB, past every one of them, in every format.
TEST(BookReader, LosesNoByteAtAnyReadingSeam) {
  TempDir dir;
  const std::vector<std::string> words = NumberedWords(20000);
  const std::string html = "<html><body>\n" + Paragraphs(words, "<p>", "</p>") + "</body></html>";
  const std::string fb2 = "<?xml version=\"1.0\"?><FictionBook><body><section>\n" +
                          Paragraphs(words, "<p>", "</p>") + "</section></body></FictionBook>";
  const std::string epub =
      MakeZip({{"mimetype", "application/epub+zip"},
               {"META-INF/container.xml", Container("content.opf")},
               {"content.opf", Package("", {{"c", "c.xhtml", "application/xhtml+xml"}}, {"c"})},
               {"c.xhtml", Xhtml(Paragraphs(words, "<p>", "</p>"))}});
  const std::pair<std::string, std::string> books[] = {{"book.html", html},
                                                       {"book.fb2", fb2},
                                                       {"book.fb2.zip", MakeZip({{"book.fb2", fb2}})},
                                                       {"book.epub", epub}};
  for (const auto& [name, bytes] : books) {
    std::ofstream(dir.File(name), std::ios::binary) << bytes;
    const std::optional<TBook> book = ReadMarkupBook(dir.File(name));
    ASSERT_TRUE(book.has_value()) << name;
    EXPECT_EQ(WordsOf(book->text), words) << name;
  }
}
