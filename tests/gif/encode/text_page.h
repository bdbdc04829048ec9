// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Deterministic samples of what the compressors meet: a 480 × 272 page of dark
// serif-like glyphs on white in the 216-colour cube, and a noisy 256-colour frame.
#include <cstdint>
#include <vector>

namespace encode_test {

inline constexpr int kPageWidth = 480;
inline constexpr int kPageHeight = 272;

// The cube's grey diagonal, black to white.
inline constexpr std::uint8_t kCubeGreys[] = {0, 43, 86, 129, 172, 215};
inline constexpr std::uint8_t kWhite = 215;

class TextPage {
public:
  // Another seed sets other words: pages of one book.
  explicit TextPage(std::uint32_t seed = 20240611u) : pixels_(kPageWidth * kPageHeight, kWhite), seed_(seed) {
    for (int top = 8; top + kLineHeight <= kPageHeight; top += kLineHeight) DrawLine(top);
  }
  const std::vector<std::uint8_t>& Pixels() const { return pixels_; }

private:
  static constexpr int kLineHeight = 17;
  static constexpr int kXHeight = 7;
  static constexpr int kAscent = 11;

  std::uint32_t Next() { return seed_ = seed_ * 1103515245u + 12345u, seed_ >> 16; }

  // Darkens a pixel to one of the greys; a darker value wins.
  void Ink(int x, int y, int grey) {
    if (x < 0 || y < 0 || x >= kPageWidth || y >= kPageHeight) return;
    std::uint8_t& pixel = pixels_[y * kPageWidth + x];
    if (kCubeGreys[grey] < pixel) pixel = kCubeGreys[grey];
  }
  void Stem(int x, int top, int bottom) {
    for (int y = top; y <= bottom; ++y) {
      Ink(x, y, 0);
      Ink(x + 1, y, 2);  // the anti-aliased right edge
    }
    Ink(x, top - 1, 3);
  }
  void Bar(int left, int right, int y) {
    for (int x = left; x <= right; ++x) Ink(x, y, 1);
    Ink(left - 1, y, 4);
    Ink(right + 1, y, 4);
  }
  void Bowl(int left, int right, int top, int bottom) {
    Bar(left + 1, right - 1, top);
    Bar(left + 1, right - 1, bottom);
    for (int y = top + 1; y < bottom; ++y) {
      Ink(left, y, 1);
      Ink(right, y, 1);
    }
  }
  // One glyph with its baseline at `base`; returns its advance.
  int Glyph(int x, int base) {
    const int width = 4 + static_cast<int>(Next() % 4);
    const bool tall = Next() % 3 == 0;
    const int top = base - (tall ? kAscent : kXHeight);
    switch (Next() % 4) {
      case 0:  // a stem with serifs
        Stem(x + width / 2, top, base);
        Bar(x + 1, x + width - 1, base);
        break;
      case 1:  // two stems and an arch
        Stem(x, top, base);
        Stem(x + width - 1, base - kXHeight + 1, base);
        Bar(x + 1, x + width - 2, base - kXHeight);
        break;
      case 2:  // a bowl
        Bowl(x, x + width - 1, base - kXHeight, base);
        if (tall) Stem(x + width - 1, top, base);
        break;
      default:  // a diagonal pair
        for (int y = top; y <= base; ++y) {
          Ink(x + (y - top) * width / (base - top + 1), y, 0);
          Ink(x + width - 1 - (y - top) * width / (base - top + 1), y, 2);
        }
        break;
    }
    return width + 2;
  }
  void DrawLine(int top) {
    const int base = top + kAscent + 1;
    const int end = kPageWidth - 12 - static_cast<int>(Next() % 60);
    for (int x = 6; x < end;) {
      const int letters = 2 + static_cast<int>(Next() % 8);
      for (int i = 0; i < letters && x < end; ++i) x += Glyph(x, base);
      x += 6;  // the space between words
    }
  }

  std::vector<std::uint8_t> pixels_;
  std::uint32_t seed_;
};

inline std::vector<std::uint8_t> NoisyFrame() {
  std::vector<std::uint8_t> pixels(kPageWidth * kPageHeight);
  std::uint32_t seed = 7u;
  for (auto& pixel : pixels) {
    seed = seed * 1664525u + 1013904223u;
    pixel = static_cast<std::uint8_t>(seed >> 24);
  }
  return pixels;
}

}  // namespace encode_test
