// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing the BMP file image of a TBitmap.
#include <algorithm>
#include <array>
#include <climits>

#include "platform/bitmap.h"
#include "platform/exceptions.h"
#include "platform/stream.h"

namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kMaskBytes = 12;  // red, green and blue bit masks
constexpr std::uint32_t kMaskedInfoHeaderSize = kInfoHeaderSize + kMaskBytes;
constexpr std::uint32_t kUncompressed = 0;
constexpr std::uint32_t kBitFields = 3;

constexpr std::array<std::uint32_t, 3> kMasks555 = {0x7C00, 0x03E0, 0x001F};
constexpr std::array<std::uint32_t, 3> kMasks565 = {0xF800, 0x07E0, 0x001F};
constexpr std::array<std::uint32_t, 3> kMasks888 = {0xFF0000, 0x00FF00, 0x0000FF};

std::uint32_t U32(const std::uint8_t* p) {
  return p[0] | (p[1] << 8) | (p[2] << 16) | (std::uint32_t{p[3]} << 24);
}
std::uint16_t U16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }
void Put32(std::uint8_t* p, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}
void Put16(std::uint8_t* p, std::uint16_t v) {
  p[0] = static_cast<std::uint8_t>(v);
  p[1] = static_cast<std::uint8_t>(v >> 8);
}

[[noreturn]] void Invalid() { throw EInvalidGraphic("Bitmap image is not valid"); }

// Reads and drops bytes in small pieces, so that a bogus size in a header cannot make
// us allocate more than the stream really holds.
void Skip(TStream& stream, std::uint64_t count) {
  std::array<std::uint8_t, 4096> buffer;
  while (count != 0) {
    const auto n = static_cast<std::size_t>(std::min<std::uint64_t>(count, buffer.size()));
    stream.ReadBuffer(buffer.data(), n);
    count -= n;
  }
}

TPixelFormat FormatFor(int bits, std::uint32_t compression, const std::array<std::uint32_t, 3>& masks) {
  if (compression == kUncompressed) {
    switch (bits) {
      case 1:
        return pf1bit;
      case 4:
        return pf4bit;
      case 8:
        return pf8bit;
      case 16:
        return pf15bit;
      case 24:
        return pf24bit;
      case 32:
        return pf32bit;
      default:
        Invalid();
    }
  }
  if (compression == kBitFields) {
    if (bits == 16 && masks == kMasks565) return pf16bit;
    if (bits == 16 && masks == kMasks555) return pf15bit;
    if (bits == 32 && masks == kMasks888) return pf32bit;
  }
  Invalid();
}

// Reads the rows as stored. The buffer grows with what arrives, a piece at a time even
// within a row, so a header that claims a huge picture (or one huge row) over a short
// stream fails on the read, not on the allocation.
std::vector<std::uint8_t> ReadRows(TStream& stream, std::size_t stride, std::size_t rows) {
  constexpr std::size_t kPiece = std::size_t{1} << 20;
  std::vector<std::uint8_t> data;
  std::size_t left = stride * rows;
  data.reserve(std::min(left, kPiece));
  while (left > 0) {
    const std::size_t n = std::min(left, kPiece);
    const std::size_t at = data.size();
    data.resize(at + n);
    stream.ReadBuffer(data.data() + at, n);
    left -= n;
  }
  return data;
}

void FlipRows(std::vector<std::uint8_t>& data, std::size_t stride, std::size_t rows) {
  if (stride == 0) return;  // no pixels, however many rows the header claims
  for (std::size_t top = 0, bottom = rows; top + 1 < bottom; ++top, --bottom) {
    const auto a = data.begin() + static_cast<std::ptrdiff_t>(top * stride);
    const auto b = data.begin() + static_cast<std::ptrdiff_t>((bottom - 1) * stride);
    std::swap_ranges(a, a + static_cast<std::ptrdiff_t>(stride), b);
  }
}

}  // namespace

void TBitmap::LoadFromStream(TStream& stream) {
  std::uint8_t file[kFileHeaderSize];
  std::uint8_t info[kInfoHeaderSize];
  stream.ReadBuffer(file, sizeof file);
  stream.ReadBuffer(info, sizeof info);
  const std::uint32_t infoSize = U32(info);
  if (file[0] != 'B' || file[1] != 'M' || infoSize < kInfoHeaderSize) Invalid();
  const auto width = static_cast<std::int32_t>(U32(info + 4));
  const auto rawHeight = static_cast<std::int32_t>(U32(info + 8));
  const int planes = U16(info + 12);
  const int bits = U16(info + 14);
  const std::uint32_t compression = U32(info + 16);
  std::uint32_t used = U32(info + 32);
  const bool topDown = rawHeight < 0;
  const std::int64_t height = topDown ? -std::int64_t{rawHeight} : rawHeight;
  if (width < 0 || planes != 1) Invalid();

  // Bit masks sit inside a larger header, or follow a plain one.
  std::uint64_t consumed = std::uint64_t{kFileHeaderSize} + infoSize;
  std::array<std::uint32_t, 3> masks{};
  if (compression == kBitFields) {
    if (infoSize > kInfoHeaderSize && infoSize < kMaskedInfoHeaderSize) Invalid();
    std::uint8_t raw[kMaskBytes];
    stream.ReadBuffer(raw, sizeof raw);
    for (std::size_t i = 0; i < masks.size(); ++i) masks[i] = U32(raw + 4 * i);
    if (infoSize == kInfoHeaderSize) consumed += kMaskBytes;
    Skip(stream, infoSize - std::min(infoSize, kMaskedInfoHeaderSize));
  } else {
    Skip(stream, infoSize - kInfoHeaderSize);
  }
  const TPixelFormat format = FormatFor(bits, compression, masks);

  const std::int64_t stride = ((std::int64_t{width} * bits + 31) & ~std::int64_t{31}) / 8;
  if (stride > INT_MAX || stride * height > INT_MAX) Invalid();

  std::vector<TRGBQuad> table;
  if (IsIndexed(format)) {
    const std::uint32_t max = 1u << bits;
    if (used == 0 || used > max) used = max;
    table.resize(used);
    stream.ReadBuffer(table.data(), used * sizeof(TRGBQuad));
    consumed += used * sizeof(TRGBQuad);
  }
  const std::uint32_t offset = U32(file + 10);
  if (offset < consumed) Invalid();
  Skip(stream, offset - consumed);

  const auto rowBytes = static_cast<std::size_t>(stride);
  const auto rows = static_cast<std::size_t>(height);
  std::vector<std::uint8_t> pixels = ReadRows(stream, rowBytes, rows);
  if (!topDown) FlipRows(pixels, rowBytes, rows);

  TBitmap loaded;
  loaded.width_ = width;
  loaded.height_ = static_cast<int>(height);
  loaded.format_ = format;
  loaded.stride_ = static_cast<int>(stride);
  loaded.pixels_ = std::move(pixels);
  loaded.colorTable_ = std::move(table);
  *this = std::move(loaded);
  NotifyChanged();
}

void TBitmap::SaveToStream(TStream& stream) const {
  const bool bitFields = format_ == pf16bit;
  const std::uint32_t infoBytes = bitFields ? kMaskedInfoHeaderSize : kInfoHeaderSize;
  const auto tableBytes =
      static_cast<std::uint32_t>(IsIndexed(format_) ? colorTable_.size() * sizeof(TRGBQuad) : 0);
  const std::uint32_t offset = kFileHeaderSize + infoBytes + tableBytes;
  const auto imageBytes = static_cast<std::uint32_t>(pixels_.size());
  std::uint8_t header[kFileHeaderSize + kMaskedInfoHeaderSize] = {};
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
  Put32(info + 16, bitFields ? kBitFields : kUncompressed);
  Put32(info + 32, static_cast<std::uint32_t>(tableBytes / sizeof(TRGBQuad)));
  if (bitFields)
    for (std::size_t i = 0; i < kMasks565.size(); ++i) Put32(info + kInfoHeaderSize + 4 * i, kMasks565[i]);
  stream.WriteBuffer(header, kFileHeaderSize + infoBytes);
  stream.WriteBuffer(colorTable_.data(), tableBytes);
  for (int r = height_ - 1; r >= 0; --r) stream.WriteBuffer(ScanLine(r), static_cast<std::size_t>(stride_));
}
