// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The question a colour reduction asks for every pixel: which palette index stands for
// this colour, and which colour does that index really hold.
#include <cstdint>

class TColorLookup {
public:
  virtual ~TColorLookup() = default;
  TColorLookup(const TColorLookup&) = delete;
  TColorLookup& operator=(const TColorLookup&) = delete;

  // Number of colours the lookup answers with; 0 means it cannot answer at all.
  int ColorCount() const { return colorCount_; }

  // Index of the palette colour standing for (red, green, blue); the colour that index
  // holds goes to the out values.
  virtual std::uint8_t MapColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue, std::uint8_t& outRed,
                                std::uint8_t& outGreen, std::uint8_t& outBlue) = 0;

protected:
  explicit TColorLookup(int colorCount) : colorCount_(colorCount) {}

private:
  int colorCount_;
};
