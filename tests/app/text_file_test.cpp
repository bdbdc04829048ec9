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

void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

TEST(TextFileTest, EveryLineBreakFormBecomesCrLf) {
  EXPECT_EQ(NormaliseLineBreaks("a\nb\nc"), "a\r\nb\r\nc");
  EXPECT_EQ(NormaliseLineBreaks("a\rb\rc\r"), "a\r\nb\r\nc\r\n");
  EXPECT_EQ(NormaliseLineBreaks("a\r\nb\r\n"), "a\r\nb\r\n");
  EXPECT_EQ(NormaliseLineBreaks("a\n\rb"), "a\r\n\r\nb");  // LF CR is two breaks
  EXPECT_EQ(NormaliseLineBreaks("\r\r\n\n"), "\r\n\r\n\r\n");
  EXPECT_EQ(NormaliseLineBreaks("\t\xF3\x1A"), "\t\xF3\x1A");
}

TEST(TextFileTest, TargetFolderIsTheFolderFollowedByASlash) {
  EXPECT_EQ(TargetFolderOf("/home/ala/books/dune.txt"), "/home/ala/books/");
  EXPECT_EQ(TargetFolderOf("/dune.txt"), "//");
  EXPECT_EQ(TargetFolderOf("/books//dune.txt"), "/books///");
  EXPECT_EQ(TargetFolderOf("dune.txt"), "/");
}

TEST(TextFileTest, FileNamePartKeepsTheExtension) {
  EXPECT_EQ(FileNamePart("/home/ala/Pan Tadeusz.txt"), "Pan Tadeusz.txt");
  EXPECT_EQ(FileNamePart("dune"), "dune");
  EXPECT_EQ(FileNamePart(""), "");
}

TEST(TextFileTest, ReadsWholeAndNormalises) {
  TempDir dir;
  WriteFile(dir.File("lf.txt"), "one\ntwo\n");
  WriteFile(dir.File("cr.txt"), "one\rtwo\r");
  EXPECT_EQ(ReadTextFile(dir.File("lf.txt")), "one\r\ntwo\r\n");
  EXPECT_EQ(ReadTextFile(dir.File("cr.txt")), "one\r\ntwo\r\n");
  WriteFile(dir.File("empty.txt"), "");
  EXPECT_EQ(ReadTextFile(dir.File("empty.txt")), "");
  std::string big(200000, 'x');
  WriteFile(dir.File("big.txt"), big);
  EXPECT_EQ(ReadTextFile(dir.File("big.txt")), big);
}

TEST(TextFileTest, TextEndsAtTheFirstNulByte) {
  TempDir dir;
  WriteFile(dir.File("nul.txt"), std::string("ab\r\0cd\n", 7));
  EXPECT_EQ(ReadTextFile(dir.File("nul.txt")), "ab\r\n");
  // UTF-16: "Ab" little-endian with its byte-order mark keeps the bytes before the first zero.
  WriteFile(dir.File("utf16.txt"), std::string("\xFF\xFE"
                                               "A\0b\0",
                                               6));
  EXPECT_EQ(ReadTextFile(dir.File("utf16.txt")),
            "\xFF\xFE"
            "A");
  // A NUL past the capacity's reach still cuts a long file short in time.
  WriteFile(dir.File("late_nul.txt"), std::string(10, 'a') + std::string(1, '\0') + std::string(100, 'b'));
  EXPECT_EQ(ReadTextFile(dir.File("late_nul.txt"), 10), std::string(10, 'a'));
}

TEST(TextFileTest, MissingFileCannotBeOpened) {
  TempDir dir;
  const std::string path = dir.File("missing.txt");
  EXPECT_THAT([&] { ReadTextFile(path); }, ThrowsMessage<EFOpenError>(StrEq("Cannot open file " + path)));
}

TEST(TextFileTest, FolderCannotBeOpened) {
  TempDir dir;
  const std::string path = dir.Path().string();
  EXPECT_THAT([&] { ReadTextFile(path); }, ThrowsMessage<EFOpenError>(StrEq("Cannot open file " + path)));
}

TEST(TextFileTest, TextOverCapacityIsRefused) {
  TempDir dir;
  WriteFile(dir.File("ten.txt"), std::string(10, 'a'));
  EXPECT_EQ(ReadTextFile(dir.File("ten.txt"), 10).size(), 10u);
  WriteFile(dir.File("eleven.txt"), std::string(11, 'a'));
  EXPECT_THAT([&] { ReadTextFile(dir.File("eleven.txt"), 10); },
              ThrowsMessage<EOutOfResources>(StrEq("Text exceeds memo capacity")));
  // Ten bytes on disk, fifteen once every LF is a CR LF.
  WriteFile(dir.File("breaks.txt"), "a\na\na\na\na\n");
  EXPECT_THAT([&] { ReadTextFile(dir.File("breaks.txt"), 10); },
              ThrowsMessage<EOutOfResources>(StrEq("Text exceeds memo capacity")));
}

}  // namespace
