// SPDX-License-Identifier: GPL-3.0-or-later
#include "gif/colour/cube_rows.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "gif/colour/fixed_lookups.h"
#include "gif/colour/pictures.h"

namespace {

constexpr std::uint32_t kPlain = 0x00F0E0D0;

// `width` pixels of blue, green, red, unused: runs of kPlain (some with the unused byte
// set) between pixels that run through every level of every channel.
std::vector<std::uint8_t> Row(int width, std::uint32_t seed) {
  std::vector<std::uint8_t> row(4 * static_cast<std::size_t>(width));
  for (int x = 0; x < width; ++x) {
    seed = seed * 1103515245u + 12345u;
    std::uint32_t pixel = seed >> 8;
    if ((seed >> 29) < 7) pixel = kPlain | (seed & 0x03000000u);
    for (int k = 0; k < 4; ++k)
      row[static_cast<std::size_t>(4 * x + k)] = static_cast<std::uint8_t>(pixel >> (8 * k));
  }
  return row;
}

TEST(CubeRowsTest, EveryPixelGetsTheWebCubeLookupsIndex) {
  TNetscapeColorLookup lookup;
  for (const std::uint32_t plain : {kPlain, 0xFF123456u, 0u}) {
    const TCubeRowMapper mapper(plain);
    for (int width = 0; width <= 70; ++width) {
      for (std::uint32_t seed = 1; seed <= 40; ++seed) {
        const std::vector<std::uint8_t> row = Row(width, seed * 7919u + static_cast<std::uint32_t>(width));
        std::vector<std::uint8_t> indices(static_cast<std::size_t>(width) + 1, 0xEE);
        mapper.MapRow(row.data(), indices.data(), width);
        for (int x = 0; x < width; ++x) {
          const std::uint8_t* p = &row[static_cast<std::size_t>(4 * x)];
          ASSERT_EQ(indices[static_cast<std::size_t>(x)], Map(lookup, p[2], p[1], p[0]).index)
              << "width " << width << ", x " << x;
        }
        ASSERT_EQ(indices.back(), 0xEE) << "nothing written past the row";
      }
    }
  }
}

}  // namespace
