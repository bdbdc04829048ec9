#include "gif/colour/dither_engine.h"

TDitherEngine::TDitherEngine(int width, TColorLookup& lookup) : lookup_(lookup), rowWidth_(width) {}

std::uint8_t TDitherEngine::DitherPixel(std::uint8_t red, std::uint8_t green, std::uint8_t blue,
                                        std::uint8_t& outRed, std::uint8_t& outGreen, std::uint8_t& outBlue) {
  const std::uint8_t index = lookup_.MapColor(red, green, blue, outRed, outGreen, outBlue);
  currentColumn_ += stepDirection_;
  return index;
}

void TDitherEngine::EndRow() {
  stepDirection_ = -stepDirection_;
  currentColumn_ = stepDirection_ > 0 ? 0 : rowWidth_ - 1;
}
