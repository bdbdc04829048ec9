#pragma once
// The pixel walker of a colour reduction: maps pixels through a lookup one by one and
// keeps the serpentine position. Base of the error-diffusion ditherers.
#include <cstdint>

#include "gif/colour/color_lookup.h"

class TDitherEngine {
public:
  // Starts at column 0 moving right. The lookup is used, not owned.
  TDitherEngine(int width, TColorLookup& lookup);
  virtual ~TDitherEngine() = default;
  TDitherEngine(const TDitherEngine&) = delete;
  TDitherEngine& operator=(const TDitherEngine&) = delete;

  // Maps the pixel at CurrentColumn (which must lie in 0...RowWidth-1), advances the column
  // by StepDirection and returns the palette index; the colour chosen goes to the out values.
  virtual std::uint8_t DitherPixel(std::uint8_t red, std::uint8_t green, std::uint8_t blue, std::uint8_t& outRed,
                                   std::uint8_t& outGreen, std::uint8_t& outBlue);
  // Turns round: the next row runs the other way, from its first pixel in that direction.
  virtual void EndRow();

  int StepDirection() const { return stepDirection_; }
  int CurrentColumn() const { return currentColumn_; }
  int RowWidth() const { return rowWidth_; }

private:
  int stepDirection_ = 1;
  int currentColumn_ = 0;
  TColorLookup& lookup_;
  int rowWidth_;
};
