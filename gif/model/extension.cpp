// SPDX-License-Identifier: GPL-3.0-or-later
#include "gif/model/extension.h"

#include <algorithm>

#include "gif/model/sub_image.h"
#include "platform/stream.h"

TGIFExtension::TGIFExtension(TGIFSubImage& frame) : TGIFItem(frame.Image()), frame_(frame) {}

void TGIFExtension::SaveToStream(TStream& stream) {
  const std::uint8_t head[2] = {gif::kExtensionIntroducer, Label()};
  stream.Write(head, sizeof head);
  SaveData(stream);
}

namespace detail {

void WriteSubBlocks(TStream& stream, std::span<const std::string> pieces) {
  for (const std::string& piece : pieces) {
    for (std::size_t at = 0; at < piece.size(); at += gif::kMaxSubBlock) {
      const auto length =
          static_cast<std::uint8_t>(std::min<std::size_t>(piece.size() - at, gif::kMaxSubBlock));
      stream.Write(&length, 1);
      stream.Write(piece.data() + at, length);
    }
  }
  stream.Write(&gif::kBlockTerminator, 1);
}

}  // namespace detail
