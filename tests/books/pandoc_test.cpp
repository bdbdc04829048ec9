// SPDX-License-Identifier: GPL-3.0-or-later
// Books written by an independent writer (pandoc) from a plain text must give back the
// text's words in the text's order.
#include <gmock/gmock.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "app/books/book_reader.h"
#include "books/book_text_check.h"
#include "books/zip_writer.h"
#include "document/document_outline.h"
#include "support/temp_dir.h"

namespace {

// Paragraphs free of markdown syntax, so that pandoc takes them as plain text.
const std::string kText =
    "Zegarmistrz\n\n"
    "The clock-maker lived at the end of a narrow street, where the houses leaned together "
    "as if they shared a secret. Every morning he wound forty clocks; every evening he listened to them.\n\n"
    "Za\xC5\xBC\xC3\xB3\xC5\x82\xC4\x87 g\xC4\x99\xC5\x9Bl\xC4\x85 ja\xC5\xBA\xC5\x84, said the apprentice, "
    "and the old man laughed: \"Not every word is a clock, boy & not every clock tells the hour.\"\n\n"
    "One day a woman brought him a watch that ran backwards. He opened it, looked for a long time, "
    "and closed it again.\n\n"
    "\xD0\x92 \xD0\xBD\xD0\xB0\xD1\x87\xD0\xB0\xD0\xBB\xD0\xB5 (in the beginning) there was only ticking; "
    "then there was the rest.\n";

const std::string kTitle = "Zegar";

// kText's paragraphs again and again, each numbered, to `size` bytes: a paragraph read twice
// or left out shows.
std::string TextOfSize(std::size_t size) {
  std::vector<std::string> paragraphs;
  for (std::size_t start = 0; start < kText.size();) {
    const std::size_t end = std::min(kText.find("\n\n", start), kText.size());
    paragraphs.push_back(kText.substr(start, end - start));
    start = end + 2;
  }
  std::string text;
  for (std::size_t i = 0; text.size() < size; ++i)
    text += "Akapit" + std::to_string(i) + " " + paragraphs[i % paragraphs.size()] + "\n\n";
  return text;
}

std::vector<std::string> Words(const std::string& text) {
  std::istringstream in(text);
  std::vector<std::string> words;
  for (std::string word; in >> word;) {
    if (word != "\f") words.push_back(word);
  }
  return words;
}

bool HavePandoc() { return std::system("pandoc --version > /dev/null 2>&1") == 0; }

}  // namespace

struct TPandocCase {
  const char* format;
  const char* extension;
  std::size_t size;  // of the text; 0: kText alone
};

class PandocBook : public ::testing::TestWithParam<TPandocCase> {};

TEST_P(PandocBook, GivesTheTextsWordsInOrder) {
  if (!HavePandoc()) GTEST_SKIP() << "pandoc is not installed";
  const auto [format, extension, size] = GetParam();
  TempDir dir;
  const std::string source = dir.File("book.txt");
  const std::string book = dir.File(std::string("book.") + extension);
  const std::string text = size == 0 ? kText : TextOfSize(size);
  std::ofstream(source, std::ios::binary) << text;
  const std::string command = std::string("pandoc -s -f commonmark -t ") + format +
                              " --metadata title=" + kTitle + " -o '" + book + "' '" + source +
                              "' 2>/dev/null";
  ASSERT_EQ(std::system(command.c_str()), 0) << command;

  const std::optional<TBook> read = ReadMarkupBook(book);
  ASSERT_TRUE(read.has_value());
  EXPECT_EQ(read->title, kTitle);
  EXPECT_EQ(BookTextFault(read->text), "");
  // pandoc puts the title (title page, section heading) before the text.
  std::vector<std::string> words = Words(read->text);
  while (!words.empty() && words.front() == kTitle) words.erase(words.begin());
  EXPECT_EQ(words, Words(text));
}

// From a few paragraphs to 1 MiB, past every reading seam, in each format pandoc writes.
INSTANTIATE_TEST_SUITE_P(
    Formats, PandocBook, ::testing::ValuesIn([] {
      std::vector<TPandocCase> cases;
      for (const auto& [format, extension] :
           {std::pair{"epub2", "epub"}, {"epub3", "epub"}, {"fb2", "fb2"}, {"html", "html"}})
        for (const std::size_t size :
             {std::size_t{0}, std::size_t{1} << 10, std::size_t{64} << 10, std::size_t{1} << 20})
          cases.push_back({format, extension, size});
      return cases;
    }()),
    [](const auto& info) { return std::string(info.param.format) + "_" + std::to_string(info.param.size); });

// A book of every kind of block, written by pandoc in each format, read back as a structured
// book: the blocks the source makes, in its order.
TEST(PandocBook, GivesTheSourcesStructure) {
  if (!HavePandoc()) GTEST_SKIP() << "pandoc is not installed";
  const std::string source =
      "---\ntitle: Próba\nlang: pl\n---\n\n# Rozdział\n\n"
      "Akapit z *kursywą*, **pogrubieniem** i `kodem`.[^1]\n\n"
      "- jeden\n- dwa\n    1. zagnieżdżony\n\n3. trzy\n\n"
      "> Cytat.\n\n"
      "```\nint main() {\n    return 0;\n}\n```\n\n"
      "| A | B |\n|---|---|\n| 1 | 2 |\n\nTable: Ceny *owoców*\n\n"
      "* * *\n\n"
      "![Obraz](pic.png)\n\n"
      "[^1]: Przypis.\n";
  TempDir dir;
  std::ofstream(dir.File("book.md"), std::ios::binary) << source;
  std::ofstream(dir.File("pic.png"), std::ios::binary) << "\x89PNG";
  const std::vector<std::string> common = {
      "Heading1:Rozdział",
      "Paragraph:Akapit z <i>kursywą</i>, <b>pogrubieniem </b>i <tt>kodem</tt>.<sup>1</sup>"};
  const std::vector<std::string> tail = {"Quote1:Cytat.", "Pre:<tt>int main() {\n    return 0;\n}</tt>",
                                         "Table:Ceny <i>owoców</i>//<th>A|<th>B/1|2"};
  for (const auto& [format, extension] : {std::pair{"epub3", "epub"}, {"fb2", "fb2"}, {"html", "html"}}) {
    const std::string book = dir.File(std::string("book.") + extension);
    const std::string command = std::string("cd '") + dir.File("") + "' && pandoc -s -t " + format + " -o '" +
                                book + "' book.md 2>/dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    const std::optional<document::TDocument> read = ReadBookDocument(book);
    ASSERT_TRUE(read.has_value()) << format;
    EXPECT_EQ(read->language, "pl") << format;
    std::vector<std::string> outline = document::Outline(read->blocks);
    outline.erase(outline.begin(), std::find(outline.begin(), outline.end(), common.front()));
    std::vector<std::string> expected = common;
    // FB2 has no lists: pandoc writes each item as a paragraph that starts with its markers.
    expected.insert(expected.end(), {"ListItem1[•]:jeden", "ListItem1[•]:dwa", "ListItem2[1.]:zagnieżdżony",
                                     "ListItem1[3.]:trzy"});
    expected.insert(expected.end(), tail.begin(), tail.end());
    // FB2 tables have no caption: pandoc writes it as an emphasised paragraph after the table.
    if (std::string(format) == "fb2") {
      expected.back() = "Table:<th>A|<th>B/1|2";
      expected.push_back("Paragraph:<i>Ceny owoców</i>");
    }
    // pandoc's FB2 writes a rule as an empty paragraph, which leaves nothing.
    if (std::string(format) != "fb2") expected.push_back("Break:");
    // pandoc's FB2 gives a figure's caption only as its alt text.
    expected.push_back(std::string(format) == "fb2"     ? "Image(#image1|Obraz):"
                       : std::string(format) == "epub3" ? "Image(EPUB/media/file0.png|Obraz):Obraz"
                                                        : "Image(pic.png|Obraz):Obraz");
    expected.push_back("Note[1]:Przypis.");
    EXPECT_EQ(outline, expected) << format;
  }
}

// Many books name their language only on their pages: an EPUB pandoc made, its dc:language
// taken out, still has the language its pages give.
TEST(PandocBook, AnEpubWithoutALanguageTakesItsPagesOne) {
  if (!HavePandoc()) GTEST_SKIP() << "pandoc is not installed";
  TempDir dir;
  std::ofstream(dir.File("book.md"), std::ios::binary) << "---\ntitle: Clock\nlang: en-GB\n---\n\nTick.\n";
  const std::string command =
      "cd '" + dir.File("") + "' && pandoc -s -t epub3 -o book.epub book.md 2>/dev/null";
  ASSERT_EQ(std::system(command.c_str()), 0) << command;
  TEntries entries = ReadZip(dir.File("book.epub"));
  const auto package =
      std::ranges::find_if(entries, [](const auto& entry) { return entry.first.ends_with(".opf"); });
  ASSERT_NE(package, entries.end());
  const std::size_t start = package->second.find("<dc:language>");
  ASSERT_NE(start, std::string::npos);
  package->second.erase(start, package->second.find("</dc:language>") + 14 - start);
  const std::optional<document::TDocument> read = ReadBookDocument(MakeZip(entries), "book.epub");
  ASSERT_TRUE(read.has_value());
  EXPECT_EQ(read->language, "en-GB");
}
