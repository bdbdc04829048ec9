// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/bitmap.h"

#include <algorithm>
#include <bit>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <utility>

#include "platform/exceptions.h"

int BitsPerPixel(TPixelFormat format) {
  switch (format) {
    case pf1bit:
      return 1;
    case pf4bit:
      return 4;
    case pf8bit:
      return 8;
    case pf15bit:
    case pf16bit:
      return 16;
    case pf24bit:
      return 24;
    default:
      return 32;
  }
}

bool IsIndexed(TPixelFormat format) { return format == pf1bit || format == pf4bit || format == pf8bit; }

namespace {

// Rows are padded to whole 32-bit words, as device-independent bitmaps store them.
int StrideFor(int width, TPixelFormat format) {
  const std::int64_t stride = ((std::int64_t{width} * BitsPerPixel(format) + 31) & ~std::int64_t{31}) / 8;
  if (stride > INT_MAX) throw EOutOfResources("Out of system resources");
  return static_cast<int>(stride);
}

struct Rgb {
  std::uint8_t r, g, b;
};

std::uint8_t Expand5(unsigned v) { return static_cast<std::uint8_t>((v << 3) | (v >> 2)); }
std::uint8_t Expand6(unsigned v) { return static_cast<std::uint8_t>((v << 2) | (v >> 4)); }

int IndexAt(const std::uint8_t* row, int x, TPixelFormat format) {
  switch (format) {
    case pf1bit:
      return (row[x >> 3] >> (7 - (x & 7))) & 1;
    case pf4bit:
      return (x & 1) ? (row[x >> 1] & 0x0F) : (row[x >> 1] >> 4);
    default:
      return row[x];
  }
}

void SetIndexAt(std::uint8_t* row, int x, TPixelFormat format, int index) {
  switch (format) {
    case pf1bit: {
      const auto bit = static_cast<std::uint8_t>(0x80 >> (x & 7));
      row[x >> 3] = static_cast<std::uint8_t>(index ? (row[x >> 3] | bit) : (row[x >> 3] & ~bit));
      break;
    }
    case pf4bit:
      row[x >> 1] = static_cast<std::uint8_t>((x & 1) ? ((row[x >> 1] & 0xF0) | (index & 0x0F))
                                                      : ((row[x >> 1] & 0x0F) | (index << 4)));
      break;
    default:
      row[x] = static_cast<std::uint8_t>(index);
  }
}

// Decodes one row of any format into colours. The switch sits outside the pixel loops
// because the page raster is converted on every reduction.
void DecodeRow(const std::uint8_t* row, int width, TPixelFormat format, const std::vector<TRGBQuad>& table,
               Rgb* out) {
  switch (format) {
    case pf1bit:
    case pf4bit:
    case pf8bit:
      for (int x = 0; x < width; ++x) {
        const auto i = static_cast<std::size_t>(IndexAt(row, x, format));
        out[x] = i < table.size() ? Rgb{table[i].red, table[i].green, table[i].blue} : Rgb{0, 0, 0};
      }
      break;
    case pf15bit:
      for (int x = 0; x < width; ++x) {
        const unsigned v = row[2 * x] | (row[2 * x + 1] << 8);
        out[x] = {Expand5((v >> 10) & 31), Expand5((v >> 5) & 31), Expand5(v & 31)};
      }
      break;
    case pf16bit:
      for (int x = 0; x < width; ++x) {
        const unsigned v = row[2 * x] | (row[2 * x + 1] << 8);
        out[x] = {Expand5((v >> 11) & 31), Expand6((v >> 5) & 63), Expand5(v & 31)};
      }
      break;
    case pf24bit:
      for (int x = 0; x < width; ++x) out[x] = {row[3 * x + 2], row[3 * x + 1], row[3 * x]};
      break;
    default:
      for (int x = 0; x < width; ++x) out[x] = {row[4 * x + 2], row[4 * x + 1], row[4 * x]};
  }
}

// Encodes colours into one row of a true-colour format.
void EncodeRow(std::uint8_t* row, int width, TPixelFormat format, const Rgb* in) {
  switch (format) {
    case pf15bit:
    case pf16bit: {
      const bool is565 = format == pf16bit;
      for (int x = 0; x < width; ++x) {
        const Rgb c = in[x];
        const unsigned v = is565 ? ((c.r >> 3) << 11) | ((c.g >> 2) << 5) | (c.b >> 3)
                                 : ((c.r >> 3) << 10) | ((c.g >> 3) << 5) | (c.b >> 3);
        row[2 * x] = static_cast<std::uint8_t>(v);
        row[2 * x + 1] = static_cast<std::uint8_t>(v >> 8);
      }
      break;
    }
    case pf24bit:
      for (int x = 0; x < width; ++x) {
        row[3 * x] = in[x].b;
        row[3 * x + 1] = in[x].g;
        row[3 * x + 2] = in[x].r;
      }
      break;
    default:
      for (int x = 0; x < width; ++x) {
        row[4 * x] = in[x].b;
        row[4 * x + 1] = in[x].g;
        row[4 * x + 2] = in[x].r;
        row[4 * x + 3] = 0;
      }
  }
}

int NearestIndex(const std::vector<TRGBQuad>& table, Rgb c) {
  int best = 0;
  int bestDistance = INT_MAX;
  for (std::size_t i = 0; i < table.size(); ++i) {
    const int d =
        std::abs(table[i].red - c.r) + std::abs(table[i].green - c.g) + std::abs(table[i].blue - c.b);
    if (d < bestDistance) {
      bestDistance = d;
      best = static_cast<int>(i);
    }
  }
  return best;
}

// Packs a row of 32-bit pixels (blue, green, red, unused) into 24 bits; on a little-endian
// machine four pixels at a time: four words in, three words out, each stored on its own.
void DropUnusedBytes(const std::uint8_t* in, std::uint8_t* out, int width) {
  int x = 0;
  for (; std::endian::native == std::endian::little && x + 4 <= width; x += 4, in += 16, out += 12) {
    std::uint32_t p0, p1, p2, p3;
    std::memcpy(&p0, in, 4);
    std::memcpy(&p1, in + 4, 4);
    std::memcpy(&p2, in + 8, 4);
    std::memcpy(&p3, in + 12, 4);
    const std::uint32_t w0 = (p0 & 0xFFFFFF) | p1 << 24;
    const std::uint32_t w1 = (p1 >> 8 & 0xFFFF) | p2 << 16;
    const std::uint32_t w2 = (p2 >> 16 & 0xFF) | p3 << 8;
    std::memcpy(out, &w0, 4);
    std::memcpy(out + 4, &w1, 4);
    std::memcpy(out + 8, &w2, 4);
  }
  for (; x < width; ++x, in += 4, out += 3) std::memcpy(out, in, 3);
}

std::vector<TRGBQuad> DefaultColorTable(TPixelFormat format) {
  if (format == pf1bit) return {{0, 0, 0, 0}, {255, 255, 255, 0}};
  // A grey ramp: every indexed depth gets evenly spaced greys.
  const int n = 1 << BitsPerPixel(format);
  std::vector<TRGBQuad> table(static_cast<std::size_t>(n));
  for (int i = 0; i < n; ++i) {
    const auto v = static_cast<std::uint8_t>(i * 255 / (n - 1));
    table[static_cast<std::size_t>(i)] = {v, v, v, 0};
  }
  return table;
}

}  // namespace

TBitmap::TBitmap(int width, int height, TPixelFormat format) : format_(format) { SetSize(width, height); }

TBitmap::TBitmap(const TBitmap& other) : TGraphic() { *this = other; }

TBitmap& TBitmap::operator=(const TBitmap& other) {
  if (this == &other) return *this;
  width_ = other.width_;
  height_ = other.height_;
  format_ = other.format_;
  stride_ = other.stride_;
  pixels_ = other.pixels_;
  colorTable_ = other.colorTable_;
  Transparent = other.Transparent;
  mask_ = other.mask_ ? std::make_unique<TBitmap>(*other.mask_) : nullptr;
  return *this;
}

TBitmap::TBitmap(TBitmap&& other) noexcept : TGraphic() { MoveFrom(other); }

TBitmap& TBitmap::operator=(TBitmap&& other) noexcept {
  if (this != &other) MoveFrom(other);
  return *this;
}

void TBitmap::MoveFrom(TBitmap& other) noexcept {
  width_ = std::exchange(other.width_, 0);
  height_ = std::exchange(other.height_, 0);
  format_ = other.format_;
  stride_ = std::exchange(other.stride_, 0);
  pixels_ = std::move(other.pixels_);
  other.pixels_.clear();
  colorTable_ = std::move(other.colorTable_);
  other.colorTable_.clear();
  Transparent = other.Transparent;
  mask_ = std::move(other.mask_);
}

TBitmap::~TBitmap() = default;

void TBitmap::AssignFrom(TPersistent* source) {
  if (const auto* bitmap = dynamic_cast<TBitmap*>(source)) {
    *this = *bitmap;
    NotifyChanged();
    return;
  }
  TPersistent::AssignFrom(source);
}

void TBitmap::SetSize(int width, int height) {
  width_ = std::max(width, 0);
  height_ = std::max(height, 0);
  Allocate();
}

void TBitmap::Allocate() {
  stride_ = StrideFor(width_, format_);
  pixels_.assign(static_cast<std::size_t>(stride_) * static_cast<std::size_t>(height_), 0);
}

std::uint8_t* TBitmap::ScanLine(int y) {
  if (y < 0 || y >= height_) throw EScanLineOutOfRange();
  return pixels_.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(stride_);
}

const std::uint8_t* TBitmap::ScanLine(int y) const { return const_cast<TBitmap*>(this)->ScanLine(y); }

void TBitmap::SetColorTable(std::vector<TRGBQuad> table) {
  if (table.size() > 256) table.resize(256);
  colorTable_ = std::move(table);
}

TPaletteHandle TBitmap::CreatePalette() const {
  if (!IsIndexed(format_)) return nullptr;
  std::vector<TPaletteEntry> entries;
  entries.reserve(colorTable_.size());
  for (const auto& q : colorTable_) entries.push_back({q.red, q.green, q.blue, 0});
  return std::make_unique<TPalette>(std::move(entries));
}

void TBitmap::SetMask(std::unique_ptr<TBitmap> mask) { mask_ = std::move(mask); }

void TBitmap::SetPixelFormat(TPixelFormat format) {
  if (format == format_) return;
  // Build the converted picture aside so that a failure leaves this bitmap untouched.
  const int stride = StrideFor(width_, format);
  std::vector<std::uint8_t> pixels(static_cast<std::size_t>(stride) * static_cast<std::size_t>(height_), 0);
  std::vector<TRGBQuad> table = colorTable_;
  auto target = [&](int y) {
    return pixels.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(stride);
  };

  if (IsIndexed(format) && IsIndexed(format_) && BitsPerPixel(format) >= BitsPerPixel(format_)) {
    for (int y = 0; y < height_; ++y)
      for (int x = 0; x < width_; ++x) SetIndexAt(target(y), x, format, IndexAt(ScanLine(y), x, format_));
  } else if (BitsPerPixel(format_) == 32 && format == pf24bit) {
    // Every page takes this road on its way to the GIF writer.
    for (int y = 0; y < height_; ++y) DropUnusedBytes(ScanLine(y), target(y), width_);
  } else {
    std::vector<Rgb> colors(static_cast<std::size_t>(width_));
    if (IsIndexed(format)) {
      if (table.empty() || table.size() > (1u << BitsPerPixel(format))) table = DefaultColorTable(format);
    } else {
      table.clear();
    }
    for (int y = 0; y < height_; ++y) {
      DecodeRow(ScanLine(y), width_, format_, colorTable_, colors.data());
      if (IsIndexed(format)) {
        for (int x = 0; x < width_; ++x)
          SetIndexAt(target(y), x, format, NearestIndex(table, colors[static_cast<std::size_t>(x)]));
      } else {
        EncodeRow(target(y), width_, format, colors.data());
      }
    }
  }
  format_ = format;
  stride_ = stride;
  pixels_ = std::move(pixels);
  colorTable_ = std::move(table);
}
