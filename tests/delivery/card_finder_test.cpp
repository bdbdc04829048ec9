// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/delivery/card_finder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/exceptions.h"
#include "support/temp_dir.h"

namespace {

using ::testing::ElementsAre;
using ::testing::StrEq;
using ::testing::ThrowsMessage;

// Fake volumes: folders of one temp dir standing for mount points.
class CardFinderTest : public ::testing::Test {
protected:
  TVolume Volume(const std::string& name, const std::string& folders = "") {
    const std::string root = dir_.File(name);
    std::filesystem::create_directories(root + "/" + folders);
    return {root, name, "vfat", true, false};
  }
  std::string Root(const std::string& name) { return dir_.File(name); }

  TempDir dir_;
};

TEST_F(CardFinderTest, FindsThePhotoFolderInAnyCase) {
  const std::vector<TVolume> volumes = {Volume("sys", "etc"), Volume("card", "psp/Photo/Lalka")};
  EXPECT_EQ(TheCardPhotoFolder(volumes), Root("card") + "/psp/Photo");
}

TEST_F(CardFinderTest, NoCardNamesTheVolumesLookedAt) {
  const TVolume ready = Volume("a", "PSP/GAME");
  TVolume pseudo = Volume("proc", "PSP/PHOTO"), notReady = Volume("b", "PSP/PHOTO"),
          readOnly = Volume("c", "PSP/PHOTO");
  pseudo.fileSystemType = "proc";
  notReady.ready = false;
  readOnly.readOnly = true;
  std::ofstream(Root("d") + "/PSP");  // a file, not a folder
  // Links, at either level, that lead off the volume to photo folders.
  const TVolume linked = Volume("e", "psp");
  std::filesystem::create_directory_symlink(Root("b") + "/PSP", Root("e") + "/PSP");
  std::filesystem::create_directory_symlink(Root("c") + "/PSP/PHOTO", Root("e") + "/psp/PHOTO");
  const std::vector<TVolume> volumes = {
      ready, pseudo, notReady, readOnly, {Root("d"), "", "vfat", true, false}, linked};
  EXPECT_TRUE(FindCardPhotoFolders(volumes).empty());
  EXPECT_THAT([&] { TheCardPhotoFolder(volumes); },
              ThrowsMessage<Exception>(
                  StrEq("No memory card found: no mounted volume holds a PSP/PHOTO folder (looked at: " +
                        Root("a") + ", " + Root("d") + ", " + Root("e") + ")")));
  EXPECT_THAT(
      [] { TheCardPhotoFolder({}); },
      ThrowsMessage<Exception>(
          StrEq("No memory card found: no mounted volume holds a PSP/PHOTO folder (looked at: no volume)")));
}

TEST_F(CardFinderTest, TwoCardsAreNamedAndNeitherIsChosen) {
  const std::vector<TVolume> volumes = {Volume("a", "PSP/PHOTO"), Volume("b", "Psp/photo")};
  EXPECT_THAT(FindCardPhotoFolders(volumes), ElementsAre(Root("a") + "/PSP/PHOTO", Root("b") + "/Psp/photo"));
  EXPECT_THAT([&] { TheCardPhotoFolder(volumes); },
              ThrowsMessage<Exception>(StrEq("More than one memory card: " + Root("a") + "/PSP/PHOTO, " +
                                             Root("b") + "/Psp/photo; choose one with -o")));
}

TEST_F(CardFinderTest, OneCardMountedTwiceIsOneCard) {
  const TVolume card = Volume("card", "PSP/PHOTO");
  EXPECT_EQ(TheCardPhotoFolder({card, card}), Root("card") + "/PSP/PHOTO");
}

}  // namespace
