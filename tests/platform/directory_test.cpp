// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/directory.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>

#include "platform/system_calls.h"
#include "support/temp_dir.h"

using ::testing::StrEq;
using ::testing::ThrowsMessage;

namespace {

// One listing answers as a look-up of each name would, a link seen and never followed.
TEST(EntryKindsTest, AnswerAsLookingUpEachName) {
  TempDir dir;
  std::ofstream(dir.File("0001.gif")) << "page";
  ASSERT_EQ(::mkdir(dir.File("0002.gif").c_str(), 0777), 0);
  ASSERT_EQ(::symlink("/etc/passwd", dir.File("0003.gif").c_str()), 0);
  ASSERT_EQ(::mkfifo(dir.File("0004.gif").c_str(), 0666), 0);
  const TDirectory folder(dir.Path().string());
  const TEntryKinds kinds(folder);
  for (const char* name : {"0001.gif", "0002.gif", "0003.gif", "0004.gif", "0005.gif", "0001.GIF"})
    EXPECT_EQ(kinds.Of(name), EntryKindOf(folder, name)) << name;
  EXPECT_EQ(kinds.Of("0003.gif"), TEntryKind::Link);
  EXPECT_EQ(kinds.Of("0004.gif"), TEntryKind::Other);
  EXPECT_EQ(kinds.Of("0005.gif"), TEntryKind::Missing);

  // A folder that cannot be listed is asked name by name.
  const TDirectory missing(dir.File("gone"));
  EXPECT_EQ(TEntryKinds(missing).Of("0001.gif"), TEntryKind::Missing);
}

// A listing cut short or a sync refused is an error naming the folder, never a quiet
// empty list or a folder taken as durable; RemoveTree, best effort, leaves what it cannot list.
TEST(DirectoryTest, FailedListingOrSyncRaisesNamingTheFolder) {
  TempDir dir;
  std::ofstream(dir.File("0001.gif")) << "page";
  const TDirectory folder(dir.Path().string());
  const TDirectory inside(folder, ".");
  EXPECT_EQ(inside.Path(), dir.Path().string());
  const TSystemCallsRestorer restorer;
  SystemCalls().readdir = [](DIR*) -> dirent* { return errno = EIO, nullptr; };
  EXPECT_THAT([&] { (void)folder.Names(); },
              ThrowsMessage<EFolderListError>(StrEq("Cannot list the folder " + dir.Path().string())));
  const TDirectory parent(dir.Path().parent_path().string());
  RemoveTree(parent, dir.Path().filename().string());
  EXPECT_TRUE(std::filesystem::exists(dir.File("0001.gif")));

  SystemCalls().fsync = [](int) { return errno = EIO, -1; };
  EXPECT_THAT([&] { folder.Sync(); },
              ThrowsMessage<EFWriteError>(StrEq("Cannot write " + dir.Path().string())));
}

}  // namespace
