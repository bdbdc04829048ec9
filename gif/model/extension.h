// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The base of the extension blocks written before a frame: the introducer and the
// label, then the block's own bytes.
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "gif/model/gif_item.h"

class TGIFSubImage;

class TGIFExtension : public TGIFItem {
public:
  explicit TGIFExtension(TGIFSubImage& frame);
  TGIFSubImage& Frame() const { return frame_; }

  virtual std::uint8_t Label() const = 0;
  // Every extension needs 89a.
  int RequiredVersion() const override { return gif::kVersion89a; }
  // 0x21, the label, then the block's own bytes.
  void SaveToStream(TStream& stream) final;
  // A copy of this extension belonging to `frame` (not yet in its list).
  virtual std::unique_ptr<TGIFExtension> CloneFor(TGIFSubImage& frame) const = 0;

protected:
  // The bytes after the introducer and the label.
  virtual void SaveData(TStream& stream) const = 0;

private:
  TGIFSubImage& frame_;
};

namespace detail {
// Writes each piece as data sub-blocks of at most 255 bytes (an empty piece writes
// nothing), then the terminating empty block.
void WriteSubBlocks(TStream& stream, std::span<const std::string> pieces);
}  // namespace detail
