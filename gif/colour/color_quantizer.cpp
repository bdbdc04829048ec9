// SPDX-License-Identifier: GPL-3.0-or-later
#include "gif/colour/color_quantizer.h"

namespace detail {

struct TOctreeNode {
  bool isLeaf = false;
  std::int64_t pixelCount = 0;
  // 64 bits: a leaf of a large picture may gather more than 2^31 / 255 bright pixels.
  std::int64_t redSum = 0, greenSum = 0, blueSum = 0;
  TOctreeNode* next = nullptr;  // in the reducible list of its depth
  std::array<std::unique_ptr<TOctreeNode>, 8> children;
};

}  // namespace detail

namespace {

using detail::TOctreeNode;

// The bit of each channel at this depth: red gives 4, green 2, blue 1.
std::size_t ChildIndex(std::uint8_t red, std::uint8_t green, std::uint8_t blue, int depth) {
  const int shift = 7 - depth;
  return static_cast<std::size_t>((((red >> shift) & 1) << 2) | (((green >> shift) & 1) << 1) |
                                  ((blue >> shift) & 1));
}

void CollectLeaves(const TOctreeNode& node, std::vector<TRGBQuad>& table) {
  if (node.isLeaf) {
    TRGBQuad entry;
    if (node.pixelCount != 0) {
      entry.red = static_cast<std::uint8_t>(node.redSum / node.pixelCount);
      entry.green = static_cast<std::uint8_t>(node.greenSum / node.pixelCount);
      entry.blue = static_cast<std::uint8_t>(node.blueSum / node.pixelCount);
    }
    table.push_back(entry);
    return;
  }
  for (const auto& child : node.children)
    if (child) CollectLeaves(*child, table);
}

}  // namespace

TColorQuantizer::TColorQuantizer(int maxColors, int colorBits)
    : maxColors_(maxColors), colorBits_(colorBits) {}

TColorQuantizer::~TColorQuantizer() = default;

void TColorQuantizer::ProcessImage(TDIBReader& reader) {
  for (int y = 0; y < reader.Height(); ++y) {
    const std::uint8_t* pixel = reader.RowPointer(y);
    for (int x = 0; x < reader.Width(); ++x, pixel += 3) AddColor(pixel[2], pixel[1], pixel[0]);
  }
}

void TColorQuantizer::AddColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  std::unique_ptr<TOctreeNode>* slot = &tree_;
  for (int depth = 0;; ++depth) {
    if (!*slot) {
      *slot = std::make_unique<TOctreeNode>();
      TOctreeNode& created = **slot;
      created.isLeaf = depth == colorBits_;
      if (created.isLeaf) {
        ++leafCount_;
      } else {
        created.next = reducible_[static_cast<std::size_t>(depth)];
        reducible_[static_cast<std::size_t>(depth)] = &created;
      }
    }
    TOctreeNode& node = **slot;
    if (node.isLeaf) {
      ++node.pixelCount;
      node.redSum += red;
      node.greenSum += green;
      node.blueSum += blue;
      break;
    }
    slot = &node.children[ChildIndex(red, green, blue, depth)];
  }
  while (leafCount_ > maxColors_) ReduceOneNode();
}

// Every deeper list is empty when a depth is chosen, so the chosen node's children are leaves.
void TColorQuantizer::ReduceOneNode() {
  int depth = colorBits_ - 1;
  while (depth > 0 && !reducible_[static_cast<std::size_t>(depth)]) --depth;
  TOctreeNode* node = reducible_[static_cast<std::size_t>(depth)];
  reducible_[static_cast<std::size_t>(depth)] = node->next;
  node->next = nullptr;

  int merged = 0;
  for (auto& child : node->children) {
    if (!child) continue;
    node->redSum += child->redSum;
    node->greenSum += child->greenSum;
    node->blueSum += child->blueSum;
    node->pixelCount += child->pixelCount;
    child.reset();
    ++merged;
  }
  node->isLeaf = true;
  leafCount_ -= merged - 1;
}

std::vector<TRGBQuad> TColorQuantizer::CollectPalette() const {
  std::vector<TRGBQuad> table;
  if (tree_) CollectLeaves(*tree_, table);
  return table;
}
