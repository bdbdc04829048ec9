// SPDX-License-Identifier: GPL-3.0-or-later
#include "gif/colour/kernel_ditherers.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <memory>

#include "gif/colour/recording_lookup.h"

namespace {

constexpr Rgb kInput{128, 100, 60};
constexpr Rgb kError = kInput;  // the one inexact pixel is mapped to black

// Weights by row below the pixel (0 = its own row) and offset -3...+3 in its walking direction.
using Weights = std::array<std::array<int, 7>, 4>;

struct Kernel {
  const char* name;
  std::function<std::unique_ptr<TDitherEngine>(int width, TColorLookup& lookup)> make;
  int divisor;
  Weights weights;
};

template <class T>
std::unique_ptr<TDitherEngine> Make(int width, TColorLookup& lookup) {
  return std::make_unique<T>(width, lookup);
}

const Kernel kKernels[] = {
    {"Stucki",
     Make<TStuckiDitherer>,
     42,
     {{{0, 0, 0, 0, 8, 4, 0}, {0, 2, 4, 8, 4, 2, 0}, {0, 1, 2, 4, 2, 1, 0}}}},
    {"Sierra",
     Make<TSierraDitherer>,
     32,
     {{{0, 0, 0, 0, 5, 3, 0}, {0, 2, 4, 5, 4, 2, 0}, {0, 0, 2, 3, 2, 0, 0}}}},
    {"JaJuNi",
     Make<TJaJuNiDitherer>,
     48,
     {{{0, 0, 0, 0, 7, 5, 0}, {0, 3, 5, 7, 5, 3, 0}, {0, 1, 3, 5, 3, 1, 0}}}},
    {"SteveArche",
     Make<TSteveArcheDitherer>,
     200,
     {{{0, 0, 0, 0, 0, 32, 0},
       {12, 0, 26, 0, 30, 0, 16},
       {0, 12, 0, 26, 0, 12, 0},
       {5, 0, 12, 0, 12, 0, 5}}}},
    {"Burkes", Make<TBurkesDitherer>, 32, {{{0, 0, 0, 0, 8, 4, 0}, {0, 2, 4, 8, 4, 2, 0}}}},
};

int Shift(int weight, int error, int divisor) { return (weight * error + divisor / 2) / divisor; }

// Walks a uniform picture in which only pixel (x0, y0) has an error, and checks that each
// pixel received exactly its kernel weight's share, mirrored on right-to-left rows.
void ExpectSpread(const Kernel& kernel, int width, int height, int x0, int y0) {
  SCOPED_TRACE(testing::Message() << kernel.name << " width " << width << " error at " << x0 << "," << y0);
  TRecordingLookup lookup(ExactExceptAt(x0, y0, {0, 0, 0}));
  const auto ditherer = kernel.make(width, lookup);
  const std::vector<Rgb> asked = WalkUniform(*ditherer, lookup, height, kInput);
  const int direction = y0 % 2 == 0 ? 1 : -1;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const int row = y - y0;
      const int offset = (x - x0) * direction;
      const int w = row >= 0 && row < 4 && offset >= -3 && offset <= 3
                        ? kernel.weights[static_cast<std::size_t>(row)][static_cast<std::size_t>(offset + 3)]
                        : 0;
      const Rgb expected{kInput.r + Shift(w, kError.r, kernel.divisor),
                         kInput.g + Shift(w, kError.g, kernel.divisor),
                         kInput.b + Shift(w, kError.b, kernel.divisor)};
      ASSERT_EQ(asked[static_cast<std::size_t>(y * width + x)], expected) << x << "," << y;
    }
}

TEST(KernelDitherersTest, EachKernelSpreadsItsWeightsForwardOnALeftToRightRow) {
  for (const Kernel& kernel : kKernels) ExpectSpread(kernel, 9, 6, 4, 0);
}

TEST(KernelDitherersTest, EachKernelIsMirroredOnARightToLeftRow) {
  for (const Kernel& kernel : kKernels) ExpectSpread(kernel, 9, 6, 4, 1);
}

TEST(KernelDitherersTest, WeightsBeyondANarrowPictureLandInSpareCells) {
  for (const Kernel& kernel : kKernels) {
    ExpectSpread(kernel, 1, 5, 0, 0);
    ExpectSpread(kernel, 2, 5, 1, 0);
    ExpectSpread(kernel, 2, 5, 0, 1);
  }
}

}  // namespace
