// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/delivery/book_name.h"

#include <gtest/gtest.h>

#include <QList>
#include <QString>
#include <string>

namespace {

int Characters(const std::string& utf8) { return static_cast<int>(QString::fromUtf8(utf8).toUcs4().size()); }

std::string Repeated(const std::string& piece, int times) {
  std::string text;
  for (int i = 0; i < times; ++i) text += piece;
  return text;
}

TEST(BookNameTest, TakesTheFileNameWithoutItsExtension) {
  const std::pair<std::string, std::string> cases[] = {
      {"/books/Pan Tadeusz.txt", "Pan Tadeusz"},
      {"Pan Tadeusz.fb2.zip", "Pan Tadeusz"},
      {"Lalka.FB2.ZIP", "Lalka"},
      {"archive.tar.gz", "archive.tar"},
      {"README", "README"},
      {".notes.txt", "notes"},  // a dot in front would hide the folder
      {".hidden", "hidden"},
      {".txt", "txt"},
      {"Zażółć gęślą jaźń.epub", "Zażółć gęślą jaźń"},
  };
  for (const auto& [path, name] : cases) EXPECT_EQ(FatSafeBookName(path), name) << path;
}

TEST(BookNameTest, ReplacesWhatFatRefusesAndTrimsTheEnd) {
  const std::pair<std::string, std::string> cases[] = {
      {"dir/a\\b:c*d?e\"f<g>h|i.txt", "a_b_c_d_e_f_g_h_i"},
      {"tab\there\x7F.txt", "tab_here_"},
      {"Ksi\xB1\xBF"
       "ka.txt",
       "Ksi__ka"},  // ISO-8859-2 bytes are not UTF-8
      {"a\xC0\xAF"
       "b\xED\xA0\x80.txt",
       "a__b___"},  // an overlong "/", a surrogate
      {"Koniec. . ..txt", "Koniec"},
      {"Tom 1 .html", "Tom 1"},
      {"con.txt", "con_"},
      {"LPT1.fb2.zip", "LPT1_"},
      {"nul.tar.gz", "nul_.tar"},  // Windows takes "nul.tar" for the device too
      {"Aux .x.txt", "Aux_ .x"},
      {"com1" + Repeated(".", 70) + "x.txt", "com1_"},
      {"console.txt", "console"},
  };
  for (const auto& [path, name] : cases) EXPECT_EQ(FatSafeBookName(path), name) << path;
}

TEST(BookNameTest, IsNeverEmpty) {
  for (const char* path : {"", "books/", "....", " .txt", "x/. . ."})
    EXPECT_EQ(FatSafeBookName(path), kFallbackBookName) << path;
}

TEST(BookNameTest, LongNamesKeep64WholeCharacters) {
  EXPECT_EQ(FatSafeBookName(Repeated("ż", 200) + ".txt"), Repeated("ż", 64));
  EXPECT_EQ(FatSafeBookName(Repeated("😀", 100) + ".txt"), Repeated("😀", 64));
  EXPECT_EQ(FatSafeBookName(Repeated("a", 1) + Repeated("ą", 199) + ".txt"),
            Repeated("a", 1) + Repeated("ą", 63));
  // The cut falls after a space, which then goes as well.
  EXPECT_EQ(FatSafeBookName(Repeated("a", 63) + " tail.txt"), Repeated("a", 63));
}

TEST(BookNameTest, ClashesGetANumberAsFatComparesNames) {
  EXPECT_EQ(UniqueBookName("Lalka", {"Lalka 01", "Lalkaa"}), "Lalka");
  EXPECT_EQ(UniqueBookName("Lalka", {"LALKA"}), "Lalka (2)");
  EXPECT_EQ(UniqueBookName("Lalka", {"lalka", "lalka (2)"}), "Lalka (3)");
  EXPECT_EQ(UniqueBookName("Łódź", {"łÓDŹ"}), "Łódź (2)");
  const std::string longName = Repeated("ż", 64);
  const std::string unique = UniqueBookName(longName, {longName});
  EXPECT_EQ(unique, Repeated("ż", 60) + " (2)");
  EXPECT_EQ(Characters(unique), kMaxBookNameLength);
}

}  // namespace
