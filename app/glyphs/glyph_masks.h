// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The coverage Qt draws each glyph of one font with, read once from Qt's own drawing of it,
// for each fraction of a pixel the pen may stand at, and the ink it lays in one colour on one
// background.
#include <QRawFont>
#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

class TGlyphMasks {
public:
  struct TMask {
    int left = 0, top = 0;  // of the first coverage byte, from the pen's pixel on the baseline
    int width = 0, height = 0;
    int stride = 0;                           // the width rounded up to four pixels, blended four at a time
    std::vector<std::uint8_t> coverage;       // rows of `stride`, none past `width`
    std::vector<std::uint32_t> ink;           // the colour's share at each coverage (InkOf)
    std::vector<std::uint32_t> onBackground;  // each pixel drawn on the background
  };

  TGlyphMasks(const QRawFont& font, std::uint32_t color, std::uint32_t background);

  // The mask of `glyph` with the pen `fraction`/64 px right of a pixel's edge; nullptr for a
  // glyph too large to be read whole.
  const TMask* Find(std::uint32_t glyph, int fraction);

private:
  std::unique_ptr<TMask> Capture(std::uint32_t glyph, int fraction) const;

  QRawFont font_;
  std::uint32_t color_, background_;
  std::unordered_map<std::uint64_t, std::unique_ptr<TMask>> masks_;  // none for a glyph too large
  std::vector<const TMask*> onPixelEdge_;  // by glyph: a pen on a whole pixel, as hinted fonts place it
};
