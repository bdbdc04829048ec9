// SPDX-License-Identifier: GPL-3.0-or-later
#include "gif/colour/dib.h"

#include <algorithm>
#include <climits>
#include <new>

#include "platform/exceptions.h"

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kInfoHeaderSize = 40;
constexpr std::size_t kTableEntries = 256;
constexpr std::size_t kTableEntrySize = 4;

void Put32(std::uint8_t* p, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}
void Put16(std::uint8_t* p, std::uint16_t v) {
  p[0] = static_cast<std::uint8_t>(v);
  p[1] = static_cast<std::uint8_t>(v >> 8);
}

}  // namespace

TDIBReader::TDIBReader(TBitmap& bitmap, TPixelFormat format) : TDIB(bitmap, format) {
  bitmap.SetPixelFormat(format);
}

std::uint8_t* TDIBReader::RowPointer(int row) { return Bitmap().ScanLine(row); }

TDIBWriter::TDIBWriter(TBitmap& target, TPixelFormat format, int width, int height, const TPalette* palette)
    : TDIB(target, format), palette_(palette), width_(width), height_(height) {
  if (format != pf8bit && format != pf24bit) throw GIFException("Unsupported PixelFormat");
  if (width < 1 || height < 1) throw GIFException("Invalid image dimensions");
}

void TDIBWriter::CreatePicture() {
  created_ = true;
  const bool indexed = PixelFormat() == pf8bit;
  const int bits = BitsPerPixel(PixelFormat());
  header_.assign(kInfoHeaderSize + (indexed ? kTableEntries * kTableEntrySize : 0), 0);
  std::uint8_t* info = header_.data();
  Put32(info, kInfoHeaderSize);
  Put32(info + 4, static_cast<std::uint32_t>(width_));
  Put32(info + 8, static_cast<std::uint32_t>(height_));  // positive: rows stored bottom-up
  Put16(info + 12, 1);
  Put16(info + 14, static_cast<std::uint16_t>(bits));
  if (indexed) {
    // The palette's colours first, as blue, green, red, 0; the rest of the 256 stay black.
    const std::vector<TPaletteEntry> entries = palette_ ? palette_->Entries() : std::vector<TPaletteEntry>{};
    std::uint8_t* table = info + kInfoHeaderSize;
    for (const TPaletteEntry& e : entries) {
      table[0] = e.blue;
      table[1] = e.green;
      table[2] = e.red;
      table += kTableEntrySize;
    }
    Put32(info + 32, kTableEntries);
    Put32(info + 36, static_cast<std::uint32_t>(entries.size()));
  }

  stride_ = static_cast<std::size_t>(((std::int64_t{width_} * bits + 31) & ~std::int64_t{31}) / 8);
  const std::uint64_t pixelBytes = std::uint64_t{stride_} * static_cast<std::uint64_t>(height_);
  try {
    // The BMP image it becomes records its size in 32 bits.
    if (kFileHeaderSize + header_.size() + pixelBytes > INT_MAX) throw std::bad_alloc();
    pixels_.assign(static_cast<std::size_t>(pixelBytes), 0);
  } catch (const std::bad_alloc&) {
    header_ = {};
    pixels_ = {};
    throw EOutOfMemory("Failed to allocate memory for GIF DIB");
  }
}

std::uint8_t* TDIBWriter::RowPointer(int row) {
  if (!created_) CreatePicture();
  if (pixels_.empty()) throw GIFException("Image has no DIB");
  if (row < 0 || row >= height_) throw EScanLineOutOfRange();
  return pixels_.data() + static_cast<std::size_t>(height_ - 1 - row) * stride_;
}

void TDIBWriter::WriteImage(TStream& stream) const {
  if (pixels_.empty()) return;
  std::uint8_t file[kFileHeaderSize] = {'B', 'M'};
  const std::size_t offset = kFileHeaderSize + header_.size();
  Put32(file + 2, static_cast<std::uint32_t>(offset + pixels_.size()));
  Put32(file + 10, static_cast<std::uint32_t>(offset));
  stream.WriteBuffer(file, sizeof file);
  stream.WriteBuffer(header_.data(), header_.size());
  stream.WriteBuffer(pixels_.data(), pixels_.size());
}

void TDIBWriter::Deliver() {
  if (pixels_.empty()) return;
  TMemoryStream stream;
  WriteImage(stream);
  stream.SetPosition(0);
  Bitmap().LoadFromStream(stream);
  header_ = {};
  pixels_ = {};
}
