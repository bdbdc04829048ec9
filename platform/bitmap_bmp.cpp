// Reading and writing the BMP file image of a TBitmap.
#include <algorithm>
#include <cstring>

#include "platform/bitmap.h"
#include "platform/exceptions.h"
#include "platform/stream.h"

namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::int64_t kMaxPixels = std::int64_t{1} << 28;  // refuse absurd sizes

std::uint32_t U32(const std::uint8_t* p) { return p[0] | (p[1] << 8) | (p[2] << 16) | (std::uint32_t{p[3]} << 24); }
std::uint16_t U16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }
void Put32(std::uint8_t* p, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}
void Put16(std::uint8_t* p, std::uint16_t v) {
  p[0] = static_cast<std::uint8_t>(v);
  p[1] = static_cast<std::uint8_t>(v >> 8);
}

TPixelFormat FormatForBits(int bits) {
  switch (bits) {
    case 1: return pf1bit;
    case 4: return pf4bit;
    case 8: return pf8bit;
    case 16: return pf15bit;
    case 24: return pf24bit;
    case 32: return pf32bit;
    default: throw EInvalidGraphic("Bitmap image is not valid");
  }
}

}  // namespace

void TBitmap::LoadFromStream(TStream& stream) {
  std::uint8_t file[kFileHeaderSize];
  std::uint8_t info[kInfoHeaderSize];
  stream.ReadBuffer(file, sizeof file);
  stream.ReadBuffer(info, sizeof info);
  if (file[0] != 'B' || file[1] != 'M' || U32(info) < kInfoHeaderSize) throw EInvalidGraphic("Bitmap image is not valid");
  const auto width = static_cast<std::int32_t>(U32(info + 4));
  const auto rawHeight = static_cast<std::int32_t>(U32(info + 8));
  const int bits = U16(info + 14);
  const std::uint32_t compression = U32(info + 16);
  std::uint32_t used = U32(info + 32);
  const bool topDown = rawHeight < 0;
  const std::int64_t height = topDown ? -std::int64_t{rawHeight} : rawHeight;
  if (width < 0 || compression != 0 || std::int64_t{width} * height > kMaxPixels)
    throw EInvalidGraphic("Bitmap image is not valid");
  const TPixelFormat format = FormatForBits(bits);

  // Skip the rest of a larger information header.
  std::vector<std::uint8_t> skip(U32(info) - kInfoHeaderSize);
  stream.ReadBuffer(skip.data(), skip.size());

  std::vector<TRGBQuad> table;
  if (IsIndexed(format)) {
    const std::uint32_t max = 1u << bits;
    if (used == 0 || used > max) used = max;
    table.resize(used);
    stream.ReadBuffer(table.data(), used * 4);
  }
  const std::uint32_t consumed = kFileHeaderSize + U32(info) + static_cast<std::uint32_t>(table.size() * 4);
  const std::uint32_t offset = U32(file + 10);
  if (offset > consumed) {
    std::vector<std::uint8_t> gap(offset - consumed);
    stream.ReadBuffer(gap.data(), gap.size());
  }

  TBitmap loaded(width, static_cast<int>(height), format);
  loaded.colorTable_ = std::move(table);
  for (int r = 0; r < loaded.height_; ++r) {
    const int y = topDown ? r : loaded.height_ - 1 - r;
    stream.ReadBuffer(loaded.ScanLine(y), static_cast<std::size_t>(loaded.stride_));
  }
  *this = std::move(loaded);
  NotifyChanged();
}

void TBitmap::SaveToStream(TStream& stream) const {
  const auto tableBytes = static_cast<std::uint32_t>(IsIndexed(format_) ? colorTable_.size() * 4 : 0);
  const std::uint32_t offset = kFileHeaderSize + kInfoHeaderSize + tableBytes;
  const auto imageBytes = static_cast<std::uint32_t>(pixels_.size());
  std::uint8_t header[kFileHeaderSize + kInfoHeaderSize] = {};
  header[0] = 'B';
  header[1] = 'M';
  Put32(header + 2, offset + imageBytes);
  Put32(header + 10, offset);
  std::uint8_t* info = header + kFileHeaderSize;
  Put32(info, kInfoHeaderSize);
  Put32(info + 4, static_cast<std::uint32_t>(width_));
  Put32(info + 8, static_cast<std::uint32_t>(height_));
  Put16(info + 12, 1);
  Put16(info + 14, static_cast<std::uint16_t>(BitsPerPixel(format_)));
  Put32(info + 32, static_cast<std::uint32_t>(tableBytes / 4));
  stream.WriteBuffer(header, sizeof header);
  stream.WriteBuffer(colorTable_.data(), tableBytes);
  for (int r = height_ - 1; r >= 0; --r) stream.WriteBuffer(ScanLine(r), static_cast<std::size_t>(stride_));
}
