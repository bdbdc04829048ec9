// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/delivery/part_folders.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/exceptions.h"

namespace {

using ::testing::StrEq;
using ::testing::ThrowsMessage;

TEST(PartFoldersTest, WithoutPartsEveryPageStaysInTheTarget) {
  const TPartFolders parts(0, "Lalka");
  EXPECT_FALSE(parts.HasParts());
  EXPECT_EQ(parts.FolderOf(0), "");
  EXPECT_EQ(parts.FolderOf(12345), "");
  EXPECT_EQ(parts.PartCount(12345), 0);
}

TEST(PartFoldersTest, SplitsAfterKPagesWithTheTitleInPartOne) {
  const TPartFolders parts(10, "Lalka");
  const std::pair<int, std::string> cases[] = {
      {0, "Lalka 01"},  {1, "Lalka 01"},  {10, "Lalka 01"},
      {11, "Lalka 02"}, {20, "Lalka 02"}, {21, "Lalka 03"},
  };
  for (const auto& [page, folder] : cases) EXPECT_EQ(parts.FolderOf(page), folder) << page;
  EXPECT_EQ(parts.PartCount(0), 1);   // the title page alone
  EXPECT_EQ(parts.PartCount(10), 1);  // K pages
  EXPECT_EQ(parts.PartCount(11), 2);  // K + 1 pages
}

TEST(PartFoldersTest, PageNumbersContinueAcrossParts) {
  const TPartFolders parts(500, "Lalka");
  EXPECT_EQ(parts.FolderOf(500), "Lalka 01");
  EXPECT_EQ(parts.FolderOf(501), "Lalka 02");
  EXPECT_EQ(parts.PartFolder(9), "Lalka 09");
  EXPECT_EQ(parts.PartFolder(100), "Lalka 100");
  EXPECT_EQ(parts.PartCount(100 * 500 + 1), 101);
}

// A journal read back takes only the part folders PartFolder gives.
TEST(PartFoldersTest, OnlyTheNamesItGivesArePartFoldersOfTheBook) {
  const TPartFolders parts(10, "Lalka");
  for (const int part : {1, 9, 10, 99, 100, 12345})
    EXPECT_TRUE(IsPartFolderOf(parts.PartFolder(part), "Lalka"));
  for (const char* other : {"Lalka", "Lalka ", "Lalka 1", "Lalka 00", "Lalka 001", "Lalka 0a", "Lalka  01",
                            "Lalka 01/..", "Lalkb 01", "Lalka01"})
    EXPECT_FALSE(IsPartFolderOf(other, "Lalka")) << other;
}

TEST(PartFoldersTest, FewerThanTenPagesPerFolderAreRefused) {
  EXPECT_NO_THROW(CheckPagesPerFolder(0));
  EXPECT_NO_THROW(CheckPagesPerFolder(10));
  EXPECT_THAT([] { CheckPagesPerFolder(9); },
              ThrowsMessage<Exception>(StrEq("Pages per folder must be at least 10, not 9")));
  EXPECT_THAT([] { TPartFolders(-1, "Lalka"); },
              ThrowsMessage<Exception>(StrEq("Pages per folder must be at least 10, not -1")));
}

}  // namespace
