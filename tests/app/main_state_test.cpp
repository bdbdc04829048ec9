// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_state.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "books/book_fixtures.h"
#include "platform/cancellation.h"
#include "platform/exceptions.h"
#include "support/temp_dir.h"

namespace {

using testing::ElementsAre;
using testing::StrEq;
using testing::ThrowsMessage;

TEST(MainStateTest, StartsWithTheAboutTextAndTheDefaultLook) {
  const TMainState state;
  const TLineViews lines(state.Memo().Lines().begin(), state.Memo().Lines().end());
  ASSERT_EQ(lines.size(), 13u);
  EXPECT_TRUE(lines[0].starts_with("Autor programu:   "));
  EXPECT_TRUE(lines[1].starts_with("           www:"));
  EXPECT_THAT(std::string(lines[3]),
              testing::MatchesRegex("Ostatnia wersja:  [0-9]+\\.[0-9]+\\.[0-9]+ z [0-9]+ [^ ]+ [0-9]{4}"));
  EXPECT_TRUE(lines[2].empty() && lines[4].empty());
  EXPECT_EQ(lines[5], std::string(35, '-'));
  EXPECT_EQ(lines[6], "Program s\263u\277y do przygotowywania ksi\271\277ek w celu czytania z u\277yciem ");
  EXPECT_EQ(lines[11], std::string(35, '-'));
  EXPECT_TRUE(lines[12].starts_with("pozdrowienia dla: ") && lines[12].ends_with("."));
  EXPECT_EQ(state.Memo().Font(), TPageFont{});  // Times New Roman, -16, Central European, black
  EXPECT_EQ(state.Memo().Color(), clWhite);
  EXPECT_EQ(state.Settings().targetFolder, HomeFolder());
  EXPECT_TRUE(state.Settings().targetFolder.ends_with('/'));
  EXPECT_EQ(state.Settings().chosenFileName, "");
  EXPECT_TRUE(state.Settings().squeezeBlankLines);
}

TEST(MainStateTest, ALoadTakesTextFolderAndNameAndAFailedOneNothing) {
  TempDir dir;
  const std::string path = dir.File("ksiazka.txt");
  std::ofstream(path, std::ios::binary) << "jeden\ndwa\n";
  TMainState state;
  state.LoadTextFile(path);
  EXPECT_THAT(state.Memo().Lines(), ElementsAre("jeden", "dwa"));
  EXPECT_EQ(state.Settings().targetFolder, dir.Path().string() + "/");
  EXPECT_EQ(state.Settings().chosenFileName, path);
  const std::string missing = dir.File("brak") + "/zla.txt";
  EXPECT_THAT([&] { state.LoadTextFile(missing); },
              ThrowsMessage<EFOpenError>(StrEq("Cannot open file " + missing)));
  EXPECT_EQ(state.Memo().Text(), "jeden\r\ndwa\r\n");
  EXPECT_EQ(state.Settings().targetFolder, dir.Path().string() + "/");
  EXPECT_EQ(state.Settings().chosenFileName, path);
}

TEST(MainStateTest, GeneratingBeforeAnyLoadConvertsTheAboutTextAndThenGotowe) {
  TempDir dir;
  TMainState state;
  state.Settings().targetFolder = dir.Path().string() + "/";
  EXPECT_EQ(state.Generate().filesWritten, 2);  // 13 lines: one page
  EXPECT_EQ(state.Memo().Text(), "gotowe...\r\n");
  EXPECT_EQ(state.Generate().filesWritten, 2);
  EXPECT_THAT(dir.Names(), ElementsAre("0000.gif", "0001.gif"));
}

TEST(MainStateTest, EmptyAndUtf16BooksAndALoadedBookConvertsAgain) {
  TempDir dir;
  std::ofstream(dir.File("pusta.txt"), std::ios::binary) << "";
  std::ofstream(dir.File("utf16.txt"), std::ios::binary) << std::string(
      "\xFF\xFE"
      "A\0\x42\x01",
      6);
  TMainState state;
  state.LoadTextFile(dir.File("pusta.txt"));
  EXPECT_EQ(state.Generate().filesWritten, 0);
  state.LoadTextFile(dir.File("utf16.txt"));
  EXPECT_THAT(state.Memo().Lines(), ElementsAre("A\xC5\x82"));  // "Ał" in UTF-8
  EXPECT_EQ(state.Memo().Font().script, TFontScript::Utf8);
  EXPECT_EQ(state.Generate().filesWritten, 2);
  EXPECT_EQ(state.Memo().Text(), "gotowe...\r\n");
  // A second run converts the book again, not "gotowe...".
  std::ifstream first(dir.File("0001.gif"), std::ios::binary);
  const std::string page((std::istreambuf_iterator<char>(first)), {});
  std::filesystem::remove(dir.File("0001.gif"));
  EXPECT_EQ(state.Generate().filesWritten, 2);
  std::ifstream again(dir.File("0001.gif"), std::ios::binary);
  EXPECT_EQ(std::string((std::istreambuf_iterator<char>(again)), {}), page);
  // A failed load changes neither the book nor the target.
  EXPECT_THROW(state.LoadTextFile(dir.File("brak.txt")), EFOpenError);
  EXPECT_EQ(state.Book()->path, dir.File("utf16.txt"));
  EXPECT_EQ(state.Settings().targetFolder, dir.Path().string() + "/");
}

TEST(MainStateTest, AMarkupBookBringsItsTitleAndChapterPages) {
  TempDir dir;
  std::ofstream(dir.File("ksiega.html"), std::ios::binary)
      << "<html><head><title>Pan Tadeusz</title><meta name=\"author\" content=\"Adam Mickiewicz\"></head>"
         "<body><h1>Ksi\xC4\x99ga pierwsza</h1><p>Litwo!</p><h1>Ksi\xC4\x99ga "
         "druga</h1><p>Kto</p></body></html>";
  TMainState state;
  state.LoadTextFile(dir.File("ksiega.html"));
  EXPECT_EQ(state.Settings().bookTitle, "Pan Tadeusz \xE2\x80\x94 Adam Mickiewicz");
  EXPECT_TRUE(state.Settings().chapterPages);
  EXPECT_EQ(state.Memo().Font().script, TFontScript::Utf8);
  const std::string marked = state.Memo().Text();
  EXPECT_THAT(state.Memo().Lines(), testing::Contains(kChapterMark));
  // Set as a book by default: the title page, the contents and a page for each book.
  EXPECT_EQ(state.Settings().layout, TLayoutKind::Book);
  EXPECT_EQ(state.Generate().filesWritten, 4);
  state.Settings().layout = TLayoutKind::Classic;
  EXPECT_EQ(state.Generate().filesWritten, 3);  // the title page and a page for each book
  state.SetChapterPages(false);
  EXPECT_THAT(state.Memo().Lines(), testing::Not(testing::Contains(kChapterMark)));
  EXPECT_EQ(state.Generate().filesWritten, 2);
  state.SetChapterPages(true);  // the marks come back where they were
  EXPECT_EQ(state.Memo().Text(), marked);
}

// A stop that comes while the book is still being read: at the `at`-th check of the run.
class TLateStop {
public:
  explicit TLateStop(int at) : scope_([this, at] { return ++checks_ >= at; }) {}
  int Checks() const { return checks_; }

private:
  int checks_ = 0;
  TCancelScope scope_;
};

TEST(MainStateTest, LoadingAndPaginatingStopWhenAskedAndChangeNothing) {
  TempDir dir;
  std::string text, body;
  for (int i = 0; i < 40000; ++i)
    text += "Wiersz " + std::to_string(i) + " ze z\xB3otej nici\n";  // 10 chunks
  for (int i = 0; i < 2000; ++i) body += "<p>Akapit <em>" + std::to_string(i) + "</em></p>";
  std::ofstream(dir.File("a.txt"), std::ios::binary) << text;
  std::ofstream(dir.File("a.html"), std::ios::binary) << "<html><body>" + body + "</body></html>";
  std::ofstream(dir.File("a.epub"), std::ios::binary) << MakeZip(
      {{"mimetype", "application/epub+zip"},
       {"META-INF/container.xml", Container("c.opf")},
       {"c.opf", Package("<dc:title>T</dc:title>", {{"c1", "one.xhtml", "application/xhtml+xml"}}, {"c1"})},
       {"one.xhtml", Xhtml(body)}});
  for (const char* name : {"a.txt", "a.html", "a.epub"}) {
    SCOPED_TRACE(name);
    TMainState state;
    const TLateStop stop(3);
    EXPECT_THROW(state.LoadTextFile(dir.File(name)), ERunCancelled);
    EXPECT_EQ(stop.Checks(), 3);
    EXPECT_FALSE(state.Book().has_value());
  }
  // Wrapping and paginating a loaded book: the run's own monitor stops them before any page.
  TMainState state;
  state.LoadTextFile(dir.File("a.txt"));
  state.Settings().targetFolder = dir.File("out/");
  TCancelFlagMonitor cancelled;
  cancelled.Cancel();
  EXPECT_THROW(state.Generate(&cancelled), ERunCancelled);
  EXPECT_FALSE(std::filesystem::exists(dir.File("out")));
}

}  // namespace
