// SPDX-License-Identifier: GPL-3.0-or-later
#include "gif/colour/floyd_steinberg_ditherer.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>

#include "gif/colour/recording_lookup.h"

namespace {

using ::testing::ElementsAre;

constexpr Rgb kInput{128, 100, 60};

TEST(FloydSteinbergDithererTest, SpreadsOnePixelsErrorAheadAndIntoTheRowBelow) {
  // Only pixel (4, 0) is mapped inexactly, to black: error (128, 100, 60).
  TRecordingLookup lookup(ExactExceptAt(4, 0, {0, 0, 0}));
  TFloydSteinbergDitherer ditherer(9, lookup);
  const std::vector<Rgb> asked = WalkUniform(ditherer, lookup, 3, kInput);

  // Sixteenths of the error per pixel. The row below runs right to left and reads the
  // cells one column behind it: 3, 5 and 1 land on columns 2, 3 and 4. The row after
  // that gets nothing: every exactly mapped pixel of the row between clears its cell.
  const std::map<std::pair<int, int>, int> weights = {{{5, 0}, 7}, {{2, 1}, 3}, {{3, 1}, 5}, {{4, 1}, 1}};
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 9; ++x) {
      const auto found = weights.find({x, y});
      const int k = found == weights.end() ? 0 : found->second;
      const Rgb expected{kInput.r + (k * 128 + 8) / 16, kInput.g + (k * 100 + 8) / 16,
                         kInput.b + (k * 60 + 8) / 16};
      EXPECT_EQ(asked[static_cast<std::size_t>(y * 9 + x)], expected) << x << "," << y;
    }
}

TEST(FloydSteinbergDithererTest, AZeroErrorStillPassesTheCellOnSoNoErrorIsReadTwice) {
  // Width 1: left-to-right rows read cell 0, so row 0's error (3 x -20) reaches row 2.
  // Row 2 maps exactly; its zero error must clear cell 0, or row 4 would read -60 again.
  TRecordingLookup lookup(ExactExceptAt(0, 0, {120, 120, 120}));
  TFloydSteinbergDitherer ditherer(1, lookup);
  const std::vector<Rgb> asked = WalkUniform(ditherer, lookup, 5, {100, 100, 100});
  EXPECT_THAT(asked, ElementsAre(Rgb{100, 100, 100}, Rgb{100, 100, 100}, Rgb{97, 97, 97}, Rgb{100, 100, 100},
                                 Rgb{100, 100, 100}));
}

TEST(FloydSteinbergDithererTest, MinusNineFromTheRowAboveAddsNothing) {
  // Error -3 leaves 3 x -3 = -9 in cell 0 for row 2: (-9 + 8) / 16 = 0. Error -8 leaves -24: -1.
  for (const auto& [answer, row2] : {std::pair{103, 100}, std::pair{108, 99}}) {
    TRecordingLookup lookup(ExactExceptAt(0, 0, {answer, answer, answer}));
    TFloydSteinbergDitherer ditherer(1, lookup);
    EXPECT_EQ(WalkUniform(ditherer, lookup, 3, {100, 100, 100})[2], (Rgb{row2, row2, row2})) << answer;
  }
}

}  // namespace
