// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/delivery/free_space.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/exceptions.h"
#include "support/temp_dir.h"

namespace {

using ::testing::StrEq;
using ::testing::ThrowsMessage;

TEST(FreeSpaceTest, EstimateRoundsEachPageUpToWholeBlocks) {
  EXPECT_EQ(EstimateRunBytes(0), 0u);
  EXPECT_EQ(EstimateRunBytes(10), 10 * kPageBytesBound);
  EXPECT_EQ(EstimateRunBytes(10, 4096), 10u * 8192);
  EXPECT_EQ(EstimateRunBytes(10, 32768), 10u * 32768);  // a card's clusters
}

TEST(FreeSpaceTest, RefusesWhenPlainlyShortNamingBothFigures) {
  EXPECT_THAT(
      [] {
        CheckFreeSpace("/card/PSP/PHOTO/Lalka", 1024, {1'000'000, 32768});
      },
      ThrowsMessage<Exception>(
          StrEq("Not enough space in /card/PSP/PHOTO/Lalka: the book needs about 32.0 MB, 976 KB are free")));
  EXPECT_NO_THROW(CheckFreeSpace("/card", 1024, {1024u * 32768, 32768}));
}

TEST(FreeSpaceTest, ALargerScreensPagesAreEstimatedLargerByTheirPixels) {
  EXPECT_EQ(EstimateRunBytes(10, 1, 480 * 272), 10 * kPageBytesBound);
  EXPECT_EQ(EstimateRunBytes(10, 1, 960 * 544), 10 * 4 * kPageBytesBound);
  EXPECT_EQ(EstimateRunBytes(10, 16384, 960 * 544), 10u * 32768);  // 24 KB in two blocks
  EXPECT_THAT(
      [] {
        CheckFreeSpace("/card/Lalka", 1024, {20'000'000, 4096}, 960 * 544);
      },
      ThrowsMessage<Exception>(
          StrEq("Not enough space in /card/Lalka: the book needs about 24.0 MB, 19.1 MB are free")));
  EXPECT_NO_THROW(CheckFreeSpace("/card/Lalka", 1024, {20'000'000, 4096}));
}

TEST(FreeSpaceTest, AWatchRefusesOnceThePagesSoFarShowTheRestCannotFit) {
  std::uint64_t free = 1'100'000;
  TSpaceWatch watch("/card/Lalka/", 31, [&] { return std::optional<std::uint64_t>(free); });
  free -= 32768;  // a cluster for the first page, however small it is
  EXPECT_NO_THROW(watch.FileWritten(1));
  free -= 2 * 32768;
  EXPECT_NO_THROW(watch.FileWritten(3));  // no checkpoint: the volume is not asked
  free -= 2 * 32768;                      // a page of two clusters
  EXPECT_THAT([&] { watch.FileWritten(4); },
              ThrowsMessage<Exception>(
                  StrEq("Not enough space in /card/Lalka/: the book needs about 1.2 MB, 1.0 MB are free")));
  free = 2'000'000;  // others made room meanwhile: nothing to learn
  EXPECT_NO_THROW(watch.FileWritten(8));
}

TEST(FreeSpaceTest, HumanSizes) {
  const std::pair<std::uint64_t, std::string> cases[] = {
      {0, "0 bytes"}, {1023, "1023 bytes"}, {1024, "1 KB"}, {1536 * 1024, "1.5 MB"}, {3ull << 30, "3.0 GB"},
  };
  for (const auto& [bytes, text] : cases) EXPECT_EQ(HumanSize(bytes), text);
}

TEST(FreeSpaceTest, AFolderStillToBeMadeIsMeasuredOnItsParent) {
  TempDir dir;
  const auto space = FreeSpaceAt(dir.File("not/yet/made"));
  ASSERT_TRUE(space.has_value());
  EXPECT_GT(space->bytesAvailable, 0u);
  EXPECT_NO_THROW(CheckFreeSpace(dir.File("not/yet/made"), 1));
}

}  // namespace
