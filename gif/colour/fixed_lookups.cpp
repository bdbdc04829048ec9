#include "gif/colour/fixed_lookups.h"

namespace {

constexpr int kCubeLevels = 6;
constexpr int kCubeStep = 51;
constexpr int kRedWeight = 77;
constexpr int kGreenWeight = 150;
constexpr int kBlueWeight = 29;
constexpr int kMonochromeThreshold = 127 * 256;

// The +3 moves every boundary below the midpoint between two steps: 48 already rounds up.
int CubeLevel(std::uint8_t v) { return (v + 3) / kCubeStep; }

int LuminanceSum(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  return kRedWeight * red + kGreenWeight * green + kBlueWeight * blue;
}

}  // namespace

TNetscapeColorLookup::TNetscapeColorLookup() : TColorLookup(kCubeLevels * kCubeLevels * kCubeLevels) {}

std::uint8_t TNetscapeColorLookup::MapColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue,
                                            std::uint8_t& outRed, std::uint8_t& outGreen, std::uint8_t& outBlue) {
  const int r = CubeLevel(red), g = CubeLevel(green), b = CubeLevel(blue);
  outRed = static_cast<std::uint8_t>(r * kCubeStep);
  outGreen = static_cast<std::uint8_t>(g * kCubeStep);
  outBlue = static_cast<std::uint8_t>(b * kCubeStep);
  return static_cast<std::uint8_t>((r * kCubeLevels + g) * kCubeLevels + b);
}

TGrayScaleLookup::TGrayScaleLookup() : TColorLookup(256) {}

std::uint8_t TGrayScaleLookup::MapColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue,
                                        std::uint8_t& outRed, std::uint8_t& outGreen, std::uint8_t& outBlue) {
  const auto y = static_cast<std::uint8_t>(LuminanceSum(red, green, blue) >> 8);
  outRed = outGreen = outBlue = y;
  return y;
}

TMonochromeLookup::TMonochromeLookup() : TColorLookup(2) {}

std::uint8_t TMonochromeLookup::MapColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue,
                                         std::uint8_t& outRed, std::uint8_t& outGreen, std::uint8_t& outBlue) {
  const bool white = LuminanceSum(red, green, blue) > kMonochromeThreshold;
  outRed = outGreen = outBlue = white ? 255 : 0;
  return white ? 1 : 0;
}
