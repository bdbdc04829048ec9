// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The trailer that ends a GIF stream.
#include "gif/model/gif_item.h"

class TGIFTrailer final : public TGIFItem {
public:
  using TGIFItem::TGIFItem;
  std::string_view ClassName() const override { return "TGIFTrailer"; }
  // The single byte 0x3B.
  void SaveToStream(TStream& stream) override;
};
