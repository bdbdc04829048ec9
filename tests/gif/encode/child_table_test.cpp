// SPDX-License-Identifier: GPL-3.0-or-later
#include "gif/encode/child_table.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace {

using Entry = std::tuple<unsigned, unsigned, int>;  // prefix, pixel, code

std::vector<Entry> Entries(const TChildTable& table) {
  std::vector<Entry> entries;
  table.ForEachEntry(
      [&](unsigned prefix, unsigned pixel, int code) { entries.emplace_back(prefix, pixel, code); });
  return entries;
}

TEST(ChildTableTest, EntriesKeepTheirValuesWhileColumnsAreAddedAndGoWithAClear) {
  TChildTable table;
  table.StartFrame();
  EXPECT_FALSE(table.HasColumn(7));
  EXPECT_EQ(table.Column(7)[300], 0) << "a value without a column finds nothing";
  ASSERT_TRUE(table.AddColumn(7));
  table.AddCode(table.Column(7)[300], 4000);
  // Enough values to move the columns to larger storage.
  for (unsigned value = 100; value < 100 + TChildTable::kMaxAlphabet - 1; ++value)
    ASSERT_TRUE(table.AddColumn(value));
  EXPECT_FALSE(table.AddColumn(250)) << "one value more than the table takes";
  table.AddCode(table.Column(130)[4095], 12);
  EXPECT_EQ(table.Column(7)[300], 4000);
  EXPECT_THAT(Entries(table), testing::ElementsAre(Entry{300, 7, 4000}, Entry{4095, 130, 12}));

  table.ClearAll();
  EXPECT_EQ(table.Column(7)[300], 0);
  EXPECT_EQ(table.Column(130)[4095], 0);
  EXPECT_TRUE(Entries(table).empty());
}

TEST(ChildTableTest, ANewFrameStartsWithoutColumns) {
  TChildTable table;
  table.StartFrame();
  ASSERT_TRUE(table.AddColumn(3));
  table.StartFrame();
  EXPECT_FALSE(table.HasColumn(3));
  for (int value = 0; value < TChildTable::kMaxAlphabet; ++value)
    EXPECT_TRUE(table.AddColumn(static_cast<unsigned>(value)));
}

}  // namespace
