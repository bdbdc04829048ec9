// SPDX-License-Identifier: GPL-3.0-or-later
#include "gif/colour/dither_engine.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "gif/colour/fixed_lookups.h"

namespace {

using ::testing::ElementsAre;

std::vector<int> Columns(TDitherEngine& walker, int rows) {
  std::vector<int> columns;
  for (int y = 0; y < rows; ++y) {
    while (walker.CurrentColumn() >= 0 && walker.CurrentColumn() < walker.RowWidth()) {
      columns.push_back(walker.CurrentColumn());
      std::uint8_t r, g, b;
      walker.DitherPixel(0, 0, 0, r, g, b);
    }
    walker.EndRow();
  }
  return columns;
}

TEST(DitherEngineTest, RowsRunAlternatelyRightAndLeft) {
  TMonochromeLookup lookup;
  TDitherEngine walker(3, lookup);
  EXPECT_EQ(walker.StepDirection(), 1);
  EXPECT_THAT(Columns(walker, 3), ElementsAre(0, 1, 2, 2, 1, 0, 0, 1, 2));
  EXPECT_EQ(walker.StepDirection(), -1);
  EXPECT_EQ(walker.CurrentColumn(), 2);

  TBoundDitherEngine<TMonochromeLookup> bound(3, lookup);
  EXPECT_THAT(Columns(bound, 2), ElementsAre(0, 1, 2, 2, 1, 0));
}

}  // namespace
