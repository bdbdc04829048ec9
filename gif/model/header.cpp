// SPDX-License-Identifier: GPL-3.0-or-later
#include "gif/model/header.h"

#include <array>
#include <cstring>

#include "gif/model/byte_order.h"
#include "gif/model/image.h"
#include "platform/exceptions.h"
#include "platform/stream.h"

TGIFHeader::TGIFHeader(TGIFImage& image) : TGIFItem(image), colorMap_(*this) { Reset(); }

void TGIFHeader::Reset() {
  colorMap_.Reset();
  ScreenWidth = 0;
  ScreenHeight = 0;
  PackedFields = 0;
  BackgroundColorIndex = 0;
  AspectRatio = 0;
}

void TGIFHeader::AssignFrom(TPersistent* source) {
  if (auto* header = dynamic_cast<TGIFHeader*>(source)) {
    colorMap_.CopyFrom(header->colorMap_);
    ScreenWidth = header->ScreenWidth;
    ScreenHeight = header->ScreenHeight;
    PackedFields = header->PackedFields;
    BackgroundColorIndex = header->BackgroundColorIndex;
    AspectRatio = header->AspectRatio;
  } else if (auto* map = dynamic_cast<TGIFColorMap*>(source)) {
    Reset();
    colorMap_.CopyFrom(*map);
  } else {
    TGIFItem::AssignFrom(source);
  }
}

int TGIFHeader::RequiredVersion() const {
  return colorMap_.Sorted() || AspectRatio != 0 ? gif::kVersion89a : gif::kVersion87a;
}

void TGIFHeader::RefreshPackedFields() {
  // Resolution and size code are filled even without a global table; with every map
  // empty both are -1 and the low seven bits all end up set.
  const int bits = Image().BitsPerPixel();
  const int resolution = Image().ColorResolution();
  int sizeCode = bits - 1;
  int packed = 0;
  if (colorMap_.Count() > 0) {
    packed = gif::kScreenGlobalTable | (colorMap_.Sorted() ? gif::kScreenSorted : 0);
    // The declared table must match the bytes written, which follow this map alone,
    // not the largest map of the image.
    sizeCode = colorMap_.IndexBits() - 1;
  }
  packed |= ((resolution * 16) & gif::kScreenResolutionMask) | (sizeCode & gif::kScreenSizeMask);
  PackedFields = static_cast<std::uint8_t>(packed);
}

void TGIFHeader::SaveToStream(TStream& stream) {
  const int version = Image().RequiredVersion();
  if (version == gif::kVersionNone) throw GIFException("Unsupported GIF version");
  RefreshPackedFields();
  std::array<std::uint8_t, 13> bytes{};
  std::memcpy(bytes.data(), gif::kSignature, 3);
  std::memcpy(bytes.data() + 3, gif::kVersionText[version], 3);
  detail::PutLE16(&bytes[6], ScreenWidth);
  detail::PutLE16(&bytes[8], ScreenHeight);
  bytes[10] = PackedFields;
  bytes[11] = BackgroundColorIndex;
  bytes[12] = AspectRatio;
  stream.Write(bytes.data(), bytes.size());
  if (PackedFields & gif::kScreenGlobalTable) colorMap_.SaveToStream(stream);
}
