// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/stream.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/exceptions.h"
#include "platform/safe_file_stream.h"
#include "platform/system_calls.h"
#include "support/gif_decode.h"
#include "support/refusing_stream.h"
#include "support/temp_dir.h"

using ::testing::StrEq;
using ::testing::ThrowsMessage;

namespace {

using test_support::RefusingStream;

TEST(StreamTest, CheckedWriteRaisesStreamWriteErrorWhenBytesAreRefused) {
  RefusingStream stream(3);
  const char bytes[4] = {1, 2, 3, 4};
  EXPECT_THAT([&] { stream.WriteBuffer(bytes, 4); }, ThrowsMessage<EWriteError>(StrEq("Stream write error")));
}

TEST(StreamTest, MemoryStreamWritesReadsAndRewinds) {
  TMemoryStream stream;
  stream.WriteBuffer("abcdef", 6);
  stream.SetPosition(2);
  char out[3] = {};
  stream.ReadBuffer(out, 3);
  EXPECT_EQ(std::string(out, 3), "cde");
  EXPECT_THAT([&] { stream.ReadBuffer(out, 3); }, ThrowsMessage<EReadError>(StrEq("Stream read error")));
}

TEST(StreamTest, FileStreamMessagesNameThePathAsGiven) {
  TempDir dir;
  const std::string missing = dir.File("no/such/file.gif");
  EXPECT_THAT([&] { TFileStream(missing, TFileStream::Mode::Create); },
              ThrowsMessage<EFCreateError>(StrEq("Cannot create file " + missing)));
  EXPECT_THAT([&] { TFileStream(missing, TFileStream::Mode::OpenRead); },
              ThrowsMessage<EFOpenError>(StrEq("Cannot open file " + missing)));
}

TEST(SafeFileStreamTest, CommittedFileReplacesTheOldOneWhole) {
  TempDir dir;
  const std::string path = dir.File("page.gif");
  {
    TFileStream old(path, TFileStream::Mode::Create);
    old.WriteBuffer("old", 3);
  }
  TSafeFileStream stream(path);
  stream.WriteBuffer("new bytes", 9);
  EXPECT_EQ(ReadFileBytes(path).size(), 3u) << "the old file stays until the commit";
  stream.Commit();
  const auto bytes = ReadFileBytes(path);
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "new bytes");
  EXPECT_EQ(dir.Names(), std::vector<std::string>{"page.gif"});
}

TEST(SafeFileStreamTest, UncommittedFileLeavesNothingBehind) {
  TempDir dir;
  const std::string path = dir.File("page.gif");
  {
    TFileStream old(path, TFileStream::Mode::Create);
    old.WriteBuffer("old", 3);
  }
  {
    TSafeFileStream stream(path);
    stream.WriteBuffer("half", 4);
  }
  const auto bytes = ReadFileBytes(path);
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "old");
  EXPECT_EQ(dir.Names(), std::vector<std::string>{"page.gif"});
}

TEST(SafeFileStreamTest, MissingFolderRaisesCannotCreateFile) {
  TempDir dir;
  const std::string path = dir.File("missing/0001.gif");
  EXPECT_THAT([&] { TSafeFileStream stream(path); },
              ThrowsMessage<EFCreateError>(StrEq("Cannot create file " + path)));
}

// A mode that cannot be set refuses the file; a sync that fails refuses the commit: the
// old file stays whole and no temporary file is left either way.
TEST(SafeFileStreamTest, FailedModeOrSyncKeepsTheOldFile) {
  TempDir dir;
  const std::string path = dir.File("page.gif");
  {
    TFileStream old(path, TFileStream::Mode::Create);
    old.WriteBuffer("old", 3);
  }
  {
    const TSystemCallsRestorer restorer;
    SystemCalls().fchmod = [](int, mode_t) { return errno = EPERM, -1; };
    EXPECT_THAT([&] { TSafeFileStream stream(path); },
                ThrowsMessage<EFCreateError>(StrEq("Cannot create file " + path)));
  }
  const TSystemCallsRestorer restorer;
  SystemCalls().fsync = [](int) { return errno = EIO, -1; };
  TSafeFileStream stream(path);
  stream.WriteBuffer("new", 3);
  EXPECT_THROW(stream.Commit(), EWriteError);
  const auto bytes = ReadFileBytes(path);
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "old");
  EXPECT_EQ(dir.Names(), std::vector<std::string>{"page.gif"});
}

}  // namespace
