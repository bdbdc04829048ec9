#pragma once
// Lookups that compute the index arithmetically; each matches one fixed palette of
// fixed_palettes.h entry for entry, so none needs the palette itself.
#include "gif/colour/color_lookup.h"

// The 6 x 6 x 6 cube of BuildWebCubePalette: each channel goes to level (v + 3) / 51.
class TNetscapeColorLookup final : public TColorLookup {
public:
  TNetscapeColorLookup();
  std::uint8_t MapColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue, std::uint8_t& outRed,
                        std::uint8_t& outGreen, std::uint8_t& outBlue) override;
};

// The 256 greys of BuildGrayPalette, by luminance (77 R + 150 G + 29 B) / 256.
class TGrayScaleLookup final : public TColorLookup {
public:
  TGrayScaleLookup();
  std::uint8_t MapColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue, std::uint8_t& outRed,
                        std::uint8_t& outGreen, std::uint8_t& outBlue) override;
};

// Black and white of BuildMonochromePalette: white when the luminance sum exceeds 127 x 256.
class TMonochromeLookup final : public TColorLookup {
public:
  TMonochromeLookup();
  std::uint8_t MapColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue, std::uint8_t& outRed,
                        std::uint8_t& outGreen, std::uint8_t& outBlue) override;
};
