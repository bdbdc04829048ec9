// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A lookup that answers with colours the test chooses, and a walk that records what each
// pixel asked for: the corrected colours a ditherer computed.
#include <functional>
#include <vector>

#include "gif/colour/dither_engine.h"
#include "gif/colour/pictures.h"

class TRecordingLookup final : public TColorLookup {
public:
  // `answer` gets the pixel's position and the colour asked for.
  using Answer = std::function<Rgb(int x, int y, Rgb asked)>;
  explicit TRecordingLookup(Answer answer) : TColorLookup(256), answer_(std::move(answer)) {}

  std::uint8_t MapColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue, std::uint8_t& outRed,
                        std::uint8_t& outGreen, std::uint8_t& outBlue) override {
    const Rgb asked{red, green, blue};
    asked_[static_cast<std::size_t>(y * width + x)] = asked;
    const Rgb o = answer_(x, y, asked);
    outRed = static_cast<std::uint8_t>(o.r);
    outGreen = static_cast<std::uint8_t>(o.g);
    outBlue = static_cast<std::uint8_t>(o.b);
    return 0;
  }

  void Start(int w, int h) {
    width = w;
    asked_.assign(static_cast<std::size_t>(w * h), Rgb{-1, -1, -1});
  }
  const std::vector<Rgb>& Asked() const { return asked_; }

  int x = 0, y = 0, width = 0;

private:
  Answer answer_;
  std::vector<Rgb> asked_;
};

// Walks `height` rows the way the reduction does, every pixel `input`; returns the
// colours asked for, row by row from the top.
inline std::vector<Rgb> WalkUniform(TDitherEngine& walker, TRecordingLookup& lookup, int height, Rgb input) {
  lookup.Start(walker.RowWidth(), height);
  for (lookup.y = 0; lookup.y < height; ++lookup.y) {
    for (lookup.x = walker.CurrentColumn(); lookup.x >= 0 && lookup.x < walker.RowWidth();
         lookup.x = walker.CurrentColumn()) {
      std::uint8_t r, g, b;
      walker.DitherPixel(static_cast<std::uint8_t>(input.r), static_cast<std::uint8_t>(input.g),
                         static_cast<std::uint8_t>(input.b), r, g, b);
    }
    walker.EndRow();
  }
  return lookup.Asked();
}

// Answers exactly what was asked, except at one pixel, where it answers `there`.
inline TRecordingLookup::Answer ExactExceptAt(int x0, int y0, Rgb there) {
  return [=](int x, int y, Rgb asked) { return x == x0 && y == y0 ? there : asked; };
}
