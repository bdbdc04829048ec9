// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Rows of 32-bit pixels straight to indices of the 216-colour web cube, as the nearest
// mapping of the colour reduction gives them, without a 24-bit copy or a lookup object.
#include <cstdint>

class TCubeRowMapper {
public:
  // `plainColor` (a 32-bit pixel's four bytes as one word; the unused byte is ignored) is the
  // colour most pixels are expected to have, a page's background: runs of it are taken
  // sixteen pixels at a time. It changes only the speed, never an index.
  explicit TCubeRowMapper(std::uint32_t plainColor);

  // Writes one index per pixel of a row of `width` pixels (blue, green, red, unused): the
  // index 36 r + 6 g + b of the levels TNetscapeColorLookup gives. The unused byte is
  // never looked at.
  void MapRow(const std::uint8_t* pixels, std::uint8_t* indices, int width) const;

private:
  std::uint32_t plainColor_;
  std::uint8_t plainIndex_;
};
