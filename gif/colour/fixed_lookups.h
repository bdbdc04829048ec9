// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Lookups that compute the index arithmetically; each matches one fixed palette of
// fixed_palettes.h entry for entry, so none needs the palette itself. Defined here so
// that a walker bound to one of them can inline the arithmetic per pixel.
#include <array>

#include "gif/colour/color_lookup.h"

namespace detail {

constexpr int kCubeLevels = 6;
constexpr int kCubeStep = 51;
constexpr int kMonochromeThreshold = 127 * 256;

// The +3 moves every boundary below the midpoint between two steps: 48 already rounds up.
constexpr int CubeLevel(std::uint8_t v) { return (v + 3) / kCubeStep; }

// CubeLevel of every byte, read once per channel on the page path.
inline constexpr auto kCubeLevels256 = [] {
  std::array<std::uint8_t, 256> levels{};
  for (int v = 0; v < 256; ++v)
    levels[static_cast<std::size_t>(v)] = static_cast<std::uint8_t>(CubeLevel(static_cast<std::uint8_t>(v)));
  return levels;
}();

// Luminance times 256; the weights add up to 256.
constexpr int LuminanceSum(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  return 77 * red + 150 * green + 29 * blue;
}

}  // namespace detail

// The 6 x 6 x 6 cube of BuildWebCubePalette: each channel goes to level (v + 3) / 51.
class TNetscapeColorLookup final : public TColorLookup {
public:
  // The answer depends on the colour alone, never on earlier questions.
  static constexpr bool kOrderFree = true;

  TNetscapeColorLookup() : TColorLookup(detail::kCubeLevels * detail::kCubeLevels * detail::kCubeLevels) {}

  std::uint8_t MapColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue, std::uint8_t& outRed,
                        std::uint8_t& outGreen, std::uint8_t& outBlue) override {
    const int r = detail::kCubeLevels256[red], g = detail::kCubeLevels256[green],
              b = detail::kCubeLevels256[blue];
    outRed = static_cast<std::uint8_t>(r * detail::kCubeStep);
    outGreen = static_cast<std::uint8_t>(g * detail::kCubeStep);
    outBlue = static_cast<std::uint8_t>(b * detail::kCubeStep);
    return static_cast<std::uint8_t>((r * detail::kCubeLevels + g) * detail::kCubeLevels + b);
  }
};

// The 256 greys of BuildGrayPalette, by luminance (77 R + 150 G + 29 B) / 256.
class TGrayScaleLookup final : public TColorLookup {
public:
  // The answer depends on the colour alone, never on earlier questions.
  static constexpr bool kOrderFree = true;

  TGrayScaleLookup() : TColorLookup(256) {}

  std::uint8_t MapColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue, std::uint8_t& outRed,
                        std::uint8_t& outGreen, std::uint8_t& outBlue) override {
    const auto y = static_cast<std::uint8_t>(detail::LuminanceSum(red, green, blue) >> 8);
    outRed = outGreen = outBlue = y;
    return y;
  }
};

// Black and white of BuildMonochromePalette: white when the luminance sum exceeds 127 x 256.
class TMonochromeLookup final : public TColorLookup {
public:
  // The answer depends on the colour alone, never on earlier questions.
  static constexpr bool kOrderFree = true;

  TMonochromeLookup() : TColorLookup(2) {}

  std::uint8_t MapColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue, std::uint8_t& outRed,
                        std::uint8_t& outGreen, std::uint8_t& outBlue) override {
    const bool white = detail::LuminanceSum(red, green, blue) > detail::kMonochromeThreshold;
    outRed = outGreen = outBlue = white ? 255 : 0;
    return white ? 1 : 0;
  }
};
