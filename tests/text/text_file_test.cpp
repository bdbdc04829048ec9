// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/text/text_file.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <string>

#include "app/books/book_file.h"
#include "platform/exceptions.h"
#include "support/temp_dir.h"

namespace {

// The text of a book file, as the text box takes it.
std::string TextOf(const std::string& path, std::size_t capacity = kMaxTextBytes) {
  return ReadBookText(path, capacity).text;
}

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
  EXPECT_EQ(NormaliseLineBreaks("\r\r\n\n\r\n"), "\r\n\r\n\r\n\r\n");
  EXPECT_EQ(NormaliseLineBreaks("\n"), "\r\n");
  EXPECT_EQ(NormaliseLineBreaks(""), "");
  EXPECT_EQ(NormaliseLineBreaks(std::string(100, 'x') + "\r"), std::string(100, 'x') + "\r\n");
}

TEST(TargetFolderTest, FolderAndNameOfAPath) {
  EXPECT_EQ(TargetFolderOf("/home/ala/books/dune.txt"), "/home/ala/books/");
  EXPECT_EQ(TargetFolderOf("/dune.txt"), "//");
  EXPECT_EQ(TargetFolderOf("/books//dune.txt"), "/books///");
  EXPECT_EQ(FileNamePart("/home/ala/Pan Tadeusz.txt"), "Pan Tadeusz.txt");
}

TEST_F(TextFileTest, ReadsUpToTheFirstNulAndNormalises) {
  EXPECT_EQ(TextOf(Write("cr.txt", "one\rtwo\r")), "one\r\ntwo\r\n");
  EXPECT_EQ(TextOf(Write("empty.txt", "")), "");
  const std::string big(200000, 'x');  // more than one read
  EXPECT_EQ(TextOf(Write("big.txt", big)), big);
  const TTextFile late = ReadBookText(Write("nul.txt", big + std::string("\0tail\n", 6)));
  EXPECT_EQ(late.text, big);
  EXPECT_EQ(late.bytesAfterNul, 6u);
}

TEST_F(TextFileTest, ALineBreakSplitBetweenReadsIsOneBreak) {
  // CR LF, lone CRs and LF CR across the first read (8 KiB) and the later ones (64 KiB).
  for (const std::size_t at :
       {std::size_t{8191}, std::size_t{8192 + 65535}, std::size_t{8192 + 2 * 65536 - 1}}) {
    std::string bytes(at, 'x');
    bytes += "\r\n\r\ry\n\r";
    bytes.insert(at - 3, "\r");
    EXPECT_EQ(TextOf(Write("split.txt", bytes)), NormaliseLineBreaks(bytes)) << at;
    EXPECT_EQ(TextOf(Write("split.txt", "\xEF\xBB\xBF" + bytes)), NormaliseLineBreaks(bytes)) << at;
  }
}

TEST_F(TextFileTest, Utf16BooksBecomeUtf8AndBinaryFilesAreRefused) {
  // "Łódź\n" and a clef (a surrogate pair), little- and big-endian.
  const std::string le("\xFF\xFE\x41\x01\xF3\x00\x64\x00\x7A\x01\x0A\x00\x34\xD8\x1E\xDD", 16);
  const std::string be("\xFE\xFF\x01\x41\x00\xF3\x00\x64\x01\x7A\x00\x0A\xD8\x34\xDD\x1E", 16);
  for (const auto& bytes : {le, be}) {
    const TTextFile file = ReadBookText(Write("utf16.txt", bytes));
    EXPECT_EQ(file.text,
              "\xC5\x81\xC3\xB3"
              "d\xC5\xBA\r\n\xF0\x9D\x84\x9E");
    EXPECT_TRUE(file.fromUtf16);
  }
  const std::string path = Write("program.bin", std::string("\x7F"
                                                            "ELF\x02\x01\x01\0\0",
                                                            9));
  EXPECT_THAT([&] { TextOf(path); },
              ThrowsMessage<ENotText>(StrEq(path + " is not a text file: it holds NUL bytes")));
}

TEST_F(TextFileTest, AUtf8ByteOrderMarkIsNoPartOfTheText) {
  const TTextFile file = ReadBookText(Write("bom.txt", "\xEF\xBB\xBFZa\xC5\xBC\xC3\xB3\xC5\x82\xC4\x87\n"));
  EXPECT_EQ(file.text, "Za\xC5\xBC\xC3\xB3\xC5\x82\xC4\x87\r\n");
  EXPECT_EQ(BookTextOf(std::string("\xEF\xBB\xBFx\0yz", 7), "stdin").bytesAfterNul, 3u);
  EXPECT_EQ(BookTextOf("a\xEF\xBB\xBF", "stdin").text, "a\xEF\xBB\xBF");  // only a leading one
}

TEST_F(TextFileTest, WhatCannotBeReadCannotBeOpened) {
  for (const std::string& path : {dir_.File("missing.txt"), dir_.Path().string()})
    EXPECT_THAT([&] { TextOf(path); }, ThrowsMessage<EFOpenError>(StrEq("Cannot open file " + path)));
  // A FIFO with no writer would block the reading for ever; a device could never end.
  const std::string fifo = dir_.File("fifo");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_THAT([&] { TextOf(fifo); },
              ThrowsMessage<ENotRegularFile>(
                  StrEq(fifo + " is a FIFO, not a regular file; to pipe a book in, give - as its path")));
  EXPECT_THAT([&] { TextOf("/dev/zero"); },
              ThrowsMessage<ENotRegularFile>(testing::StartsWith("/dev/zero is a device")));
}

TEST_F(TextFileTest, TheLimitCountsTheBytesAsRead) {
  EXPECT_EQ(TextOf(Write("ten.txt", std::string(10, 'a')), 10).size(), 10u);
  // Ten bytes on disk are fifteen once every LF is a CR LF: still within the limit.
  EXPECT_EQ(TextOf(Write("lf.txt", "a\na\na\na\na\n"), 10).size(), 15u);
  const std::string late = std::string(9000, 'a') + '\0' + std::string(99, 'b');
  EXPECT_EQ(TextOf(Write("late_nul.txt", late), 9000).size(), 9000u);
  EXPECT_THAT([&] { TextOf(Write("over.txt", std::string(11, 'a')), 10); },
              ThrowsMessage<EOutOfResources>(StrEq("Text exceeds memo capacity")));
}

}  // namespace
