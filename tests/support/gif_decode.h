// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Decodes GIF bytes with giflib, a decoder we did not write, so that tests compare
// what it sees with what went in.
#include <cstdint>
#include <string>
#include <vector>

struct DecodedColor {
  std::uint8_t r, g, b;
  friend bool operator==(const DecodedColor&, const DecodedColor&) = default;
};

struct DecodedFrame {
  int left = 0, top = 0, width = 0, height = 0;
  bool interlaced = false;
  std::vector<DecodedColor> localColors;  // as written: padded to a power of two
  std::vector<std::uint8_t> pixels;       // rows top to bottom, de-interlaced
};

struct DecodedGif {
  std::string version;  // "87a" or "89a"
  int screenWidth = 0, screenHeight = 0;
  std::vector<DecodedColor> globalColors;
  std::vector<DecodedFrame> frames;
};

// Throws std::runtime_error with giflib's message when the bytes do not decode.
DecodedGif DecodeGif(const std::vector<std::uint8_t>& bytes);
DecodedGif DecodeGifFile(const std::string& path);

std::vector<std::uint8_t> ReadFileBytes(const std::string& path);
