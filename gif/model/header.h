// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The header of a GIF image: the logical screen descriptor and the global colour table.
#include <cstdint>

#include "gif/model/gif_item.h"
#include "gif/model/global_color_map.h"

class TGIFHeader final : public TGIFItem {
public:
  // An empty global colour map and all descriptor bytes 0.
  explicit TGIFHeader(TGIFImage& image);
  std::string_view ClassName() const override { return "TGIFHeader"; }

  // Empties the global colour map and zeroes the descriptor.
  void Reset();
  // From another header: its descriptor and global colour map. From a colour map:
  // Reset, then that map as the global one. Anything else: the conversion error.
  void AssignFrom(TPersistent* source) override;
  // 2 when the global colour map is sorted or the aspect ratio is set, else 1.
  int RequiredVersion() const override;

  // Recomputes the packed fields from the colour maps of the whole image.
  void RefreshPackedFields();
  // Signature, screen descriptor and global colour table. GIFException "Unsupported
  // GIF version" (nothing written) when the image has no frames.
  void SaveToStream(TStream& stream) override;

  TGIFGlobalColorMap& ColorMap() { return colorMap_; }
  const TGIFGlobalColorMap& ColorMap() const { return colorMap_; }

  std::uint16_t ScreenWidth = 0;
  std::uint16_t ScreenHeight = 0;
  std::uint8_t PackedFields = 0;
  std::uint8_t BackgroundColorIndex = 0;
  std::uint8_t AspectRatio = 0;

private:
  TGIFGlobalColorMap colorMap_;
};
