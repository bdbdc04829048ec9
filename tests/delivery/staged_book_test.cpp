// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/delivery/staged_book.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <thread>

#include "support/folder_watch.h"
#include "support/temp_dir.h"

namespace {

namespace fs = std::filesystem;

// On a FUSE card image the folder lock's file, unlinked while open, lingers as a hidden
// file until the file system has handled its close: the folder a failed run made still
// goes once it has, with the folders above it that the run made; anything else keeps it.
TEST(StagedBookTest, AFolderAFailedRunMadeGoesOnceTheFileSystemDropsItsHiddenFiles) {
  const TempDir dir;
  const std::string folder = dir.File("Ksiazki/Lalka") + "/";
  std::optional<TStagedBook> staged(std::in_place, folder, folder + "0000.gif", true);
  const fs::path hidden = dir.Path() / "Ksiazki" / "Lalka" / ".fuse_hidden0000000300000001";
  std::ofstream(hidden) << "lock";
  // The hidden file goes once the folder is looked at for it, as the file system's close would.
  TFolderWatch watch(folder);
  std::thread release([&] {
    EXPECT_TRUE(watch.WaitForListing());
    fs::remove(hidden);
  });
  staged.reset();  // the run failed before its commit
  release.join();
  EXPECT_FALSE(fs::exists(dir.Path() / "Ksiazki")) << "every folder the run made goes";

  staged.emplace(folder, folder + "0000.gif", true);
  std::ofstream(dir.Path() / "Ksiazki" / "Lalka" / "notes.txt") << "mine";
  TFolderWatch notesWatch(folder);
  staged.reset();
  EXPECT_TRUE(fs::exists(dir.Path() / "Ksiazki" / "Lalka" / "notes.txt"));
  EXPECT_EQ(notesWatch.Listings(), 1) << "one look, no wait for it";
}

}  // namespace
