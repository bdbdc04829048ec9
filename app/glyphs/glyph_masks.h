// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The coverage Qt draws each glyph of one font with, read once from Qt's own drawing of it,
// for each fraction of a pixel the pen may stand at.
#include <QRawFont>
#include <cstdint>
#include <unordered_map>
#include <vector>

class TGlyphMasks {
public:
  struct TMask {
    int left = 0, top = 0;  // of the first coverage byte, from the pen's pixel on the baseline
    int width = 0, height = 0;
    std::vector<std::uint8_t> coverage;  // rows of `width`
  };

  explicit TGlyphMasks(const QRawFont& font);

  // The mask of `glyph` with the pen `fraction`/64 px right of a pixel's edge; nullptr for a
  // glyph too large to be read whole.
  const TMask* Find(std::uint32_t glyph, int fraction);

private:
  const TMask* Capture(std::uint32_t glyph, int fraction);

  QRawFont font_;
  std::unordered_map<std::uint64_t, TMask> masks_;
  std::vector<std::uint64_t> tooLarge_;
};
