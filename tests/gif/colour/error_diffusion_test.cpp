// SPDX-License-Identifier: GPL-3.0-or-later
#include "gif/colour/error_diffusion.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "gif/colour/recording_lookup.h"

namespace {

using ::testing::ElementsAre;

TEST(DiffusePixelTest, RoundsThenDividesTruncatingTowardZero) {
  TRecordingLookup lookup([](int, int, Rgb asked) { return asked; });
  lookup.Start(2, 1);
  TDitherEngine engine(2, lookup);
  // (-9 + 8) / 16 is 0, not -1; (-25 + 8) / 16 is -1; (-24 + 8) / 16 is exactly -1.
  detail::DiffusePixel(engine, {100, 100, 100}, {-9, -25, -24}, 16);
  EXPECT_EQ(engine.CurrentColumn(), 1);
  lookup.x = 1;
  detail::DiffusePixel(engine, {100, 100, 100}, {7, 8, 23}, 16);
  EXPECT_THAT(lookup.Asked(), ElementsAre(Rgb{100, 99, 99}, Rgb{100, 101, 101}));
}

TEST(DiffusePixelTest, ClampsTheCorrectedColourAndMeasuresTheErrorFromIt) {
  TRecordingLookup lookup([](int, int, Rgb) { return Rgb{240, 10, 128}; });
  lookup.Start(1, 1);
  TDitherEngine engine(1, lookup);
  const detail::TDiffusedPixel pixel = detail::DiffusePixel(engine, {250, 5, 128}, {160, -160, 0}, 16);
  EXPECT_THAT(lookup.Asked(), ElementsAre(Rgb{255, 0, 128}));
  EXPECT_THAT(pixel.error, ElementsAre(15, -10, 0));
  EXPECT_THAT(pixel.obtained, ElementsAre(240, 10, 128));
}

}  // namespace
