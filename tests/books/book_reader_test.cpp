// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/books/book_reader.h"

#include <gmock/gmock.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "app/books/xml_memory.h"
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

namespace {

// libxml2's memory failing once, at its `failAt`th allocation, while installed.
class TFailingXmlMemory {
public:
  explicit TFailingXmlMemory(long failAt) {
    left_ = failAt;
    failed_ = false;
    books::SetRawXmlReallocate(Reallocate);
  }
  ~TFailingXmlMemory() { books::SetRawXmlReallocate(nullptr); }
  static bool Failed() { return failed_; }

private:
  static void* Reallocate(void* block, std::size_t size) {
    if (left_-- == 0) {
      failed_ = true;
      return nullptr;
    }
    return std::realloc(block, size);
  }

  static inline long left_ = 0;
  static inline bool failed_ = false;
};

}  // namespace

// Whatever allocation of libxml2's fails, the reading ends in std::bad_alloc (told as "Out
// of memory") or reads the whole book: never a crash, a book cut short, or a false complaint.
TEST(BookReader, EndsInOutOfMemoryWheneverLibxmlRunsOut) {
  const std::string body = "<h1>One</h1><p>Some <em>words</em> &amp; more</p><p>Two &nbsp; two</p>";
  const std::string container = Container("content.opf");
  const std::string package =
      Package("<dc:title>T</dc:title>", {{"c", "c.xhtml", "application/xhtml+xml"}}, {"c"});
  const struct {
    std::string name;
    std::string bytes;
  } books[] = {
      {"book.epub",
       MakeZip({{"META-INF/container.xml", container}, {"content.opf", package}, {"c.xhtml", Xhtml(body)}})},
      {"soup.epub",
       MakeZip(
           {{"META-INF/container.xml", container}, {"content.opf", package}, {"c.xhtml", "<p>a<b>b<p>c"}})},
      {"book.fb2",
       "<FictionBook><description><title-info><book-title>T</book-title></title-info></description>"
       "<body><section><title><p>One</p></title><p>Some <emphasis>words</emphasis></p></section></body>"
       "<body name=\"notes\"><section id=\"n1\"><p>Note</p></section></body></FictionBook>"},
      {"book.html", "<html><head><title>T</title></head><body>" + body + "</body></html>"},
  };
  for (const auto& book : books) {
    const std::string text = ReadMarkupBook(book.bytes, book.name)->text;
    const document::TDocument structured = *ReadBookDocument(book.bytes, book.name);
    for (long failAt = 0;; ++failAt) {
      SCOPED_TRACE(book.name + ", allocation " + std::to_string(failAt));
      try {
        const TFailingXmlMemory memory(failAt);
        EXPECT_EQ(ReadMarkupBook(book.bytes, book.name)->text, text);
        EXPECT_EQ(ReadBookDocument(book.bytes, book.name)->blocks, structured.blocks);
        if (!TFailingXmlMemory::Failed()) break;
      } catch (const std::bad_alloc&) {
      } catch (const std::exception& e) {
        ADD_FAILURE() << e.what();
      }
    }
  }
}
