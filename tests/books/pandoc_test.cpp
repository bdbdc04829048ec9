// SPDX-License-Identifier: GPL-3.0-or-later
// Books written by an independent writer (pandoc) from a plain text must give back the
// text's words in the text's order.
#include <gmock/gmock.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "app/books/book_reader.h"
#include "books/book_text_check.h"
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
