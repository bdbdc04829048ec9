// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Octree colour quantizer: builds a palette of at most a given number of colours from a
// picture's own colours, merging the deepest, most recently created branches first.
#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "gif/colour/dib.h"

namespace detail {
struct TOctreeNode;
}

class TColorQuantizer {
public:
  // `maxColors` at least 1; `colorBits` (tree depth of the leaves) 1...8.
  TColorQuantizer(int maxColors, int colorBits);
  ~TColorQuantizer();
  TColorQuantizer(const TColorQuantizer&) = delete;
  TColorQuantizer& operator=(const TColorQuantizer&) = delete;

  // Adds every pixel of a 24-bit picture, rows from the top, each from the left.
  void ProcessImage(TDIBReader& reader);
  // Adds one pixel, then merges until at most maxColors leaves remain.
  void AddColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue);
  int LeafCount() const { return leafCount_; }

  // The leaves' colours in tree order (by the top bit of red, green, blue, then the next
  // bits), each the mean of its pixels rounded down, as blue, green, red, 0.
  std::vector<TRGBQuad> CollectPalette() const;

private:
  void ReduceOneNode();

  std::unique_ptr<detail::TOctreeNode> tree_;
  int leafCount_ = 0;
  std::array<detail::TOctreeNode*, 8> reducible_{};  // per depth, the last created first
  int maxColors_;
  int colorBits_;
};
