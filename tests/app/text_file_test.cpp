#include "app/text_file.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "platform/exceptions.h"
#include "support/temp_dir.h"

namespace {

using testing::StrEq;
using testing::ThrowsMessage;

class TextFileTest : public testing::Test {
protected:
  std::string Write(const std::string& name, const std::string& bytes) {
    std::ofstream(dir_.File(name), std::ios::binary) << bytes;
    return dir_.File(name);
  }
  TempDir dir_;
};

TEST(LineBreakTest, EveryFormBecomesCrLfAndLfCrIsTwo) {
  EXPECT_EQ(NormaliseLineBreaks("a\nb\rc\r\nd\n\re\r"), "a\r\nb\r\nc\r\nd\r\n\r\ne\r\n");
  EXPECT_EQ(NormaliseLineBreaks("\t\xF3\x1A"), "\t\xF3\x1A");
}

TEST(TargetFolderTest, FolderAndNameOfAPath) {
  EXPECT_EQ(TargetFolderOf("/home/ala/books/dune.txt"), "/home/ala/books/");
  EXPECT_EQ(TargetFolderOf("/dune.txt"), "//");
  EXPECT_EQ(TargetFolderOf("/books//dune.txt"), "/books///");
  EXPECT_EQ(FileNamePart("/home/ala/Pan Tadeusz.txt"), "Pan Tadeusz.txt");
}

TEST_F(TextFileTest, ReadsUpToTheFirstNulAndNormalises) {
  EXPECT_EQ(ReadTextFile(Write("cr.txt", "one\rtwo\r")), "one\r\ntwo\r\n");
  EXPECT_EQ(ReadTextFile(Write("empty.txt", "")), "");
  EXPECT_EQ(ReadTextFile(Write("nul.txt", std::string("ab\r\0cd\n", 7))), "ab\r\n");
  EXPECT_EQ(ReadTextFile(Write("utf16.txt", std::string("\xFF\xFE"
                                                        "A\0b\0",
                                                        6))),
            "\xFF\xFE"
            "A");
  const std::string big(200000, 'x');  // more than one read
  EXPECT_EQ(ReadTextFile(Write("big.txt", big)), big);
}

TEST_F(TextFileTest, WhatCannotBeReadCannotBeOpened) {
  for (const std::string& path : {dir_.File("missing.txt"), dir_.Path().string()})
    EXPECT_THAT([&] { ReadTextFile(path); }, ThrowsMessage<EFOpenError>(StrEq("Cannot open file " + path)));
}

TEST_F(TextFileTest, TextOverCapacityIsRefused) {
  EXPECT_EQ(ReadTextFile(Write("ten.txt", std::string(10, 'a')), 10).size(), 10u);
  EXPECT_EQ(
      ReadTextFile(Write("late_nul.txt", std::string(10, 'a') + '\0' + std::string(99, 'b')), 10).size(),
      10u);
  // Eleven bytes; and ten bytes on disk that are fifteen once every LF is a CR LF.
  for (const std::string& text : {std::string(11, 'a'), std::string("a\na\na\na\na\n")})
    EXPECT_THAT([&] { ReadTextFile(Write("over.txt", text), 10); },
                ThrowsMessage<EOutOfResources>(StrEq("Text exceeds memo capacity")));
}

}  // namespace
