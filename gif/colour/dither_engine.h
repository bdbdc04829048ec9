// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pixel walker of a colour reduction: maps pixels through a lookup one by one and
// keeps the serpentine position. Base of the error-diffusion ditherers.
#include <cstdint>

#include "gif/colour/color_lookup.h"

class TDitherEngine {
public:
  // Starts at column 0 moving right. The lookup is used, not owned.
  TDitherEngine(int width, TColorLookup& lookup) : lookup_(lookup), rowWidth_(width) {}
  virtual ~TDitherEngine() = default;
  TDitherEngine(const TDitherEngine&) = delete;
  TDitherEngine& operator=(const TDitherEngine&) = delete;

  // Maps the pixel at CurrentColumn (which must lie in 0...RowWidth-1), advances the column
  // by StepDirection and returns the palette index; the colour chosen goes to the out values.
  virtual std::uint8_t DitherPixel(std::uint8_t red, std::uint8_t green, std::uint8_t blue,
                                   std::uint8_t& outRed, std::uint8_t& outGreen, std::uint8_t& outBlue) {
    const std::uint8_t index = lookup_.MapColor(red, green, blue, outRed, outGreen, outBlue);
    Advance();
    return index;
  }
  // Turns round: the next row runs the other way, from its first pixel in that direction.
  virtual void EndRow() {
    stepDirection_ = -stepDirection_;
    currentColumn_ = stepDirection_ > 0 ? 0 : rowWidth_ - 1;
  }

  int StepDirection() const { return stepDirection_; }
  int CurrentColumn() const { return currentColumn_; }
  int RowWidth() const { return rowWidth_; }

protected:
  void Advance() { currentColumn_ += stepDirection_; }

private:
  int stepDirection_ = 1;
  int currentColumn_ = 0;
  TColorLookup& lookup_;
  int rowWidth_;
};

// The plain walker over a lookup whose class is known where the walk is compiled: it
// walks and maps exactly as TDitherEngine does, but the per-pixel call needs no dispatch.
// This is what keeps the page path fast.
template <class Lookup>
class TBoundDitherEngine final : public TDitherEngine {
public:
  TBoundDitherEngine(int width, Lookup& lookup) : TDitherEngine(width, lookup), lookup_(lookup) {}

  std::uint8_t DitherPixel(std::uint8_t red, std::uint8_t green, std::uint8_t blue, std::uint8_t& outRed,
                           std::uint8_t& outGreen, std::uint8_t& outBlue) override {
    const std::uint8_t index = lookup_.Lookup::MapColor(red, green, blue, outRed, outGreen, outBlue);
    Advance();
    return index;
  }

private:
  Lookup& lookup_;
};
