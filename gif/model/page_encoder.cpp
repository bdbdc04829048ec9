// SPDX-License-Identifier: GPL-3.0-or-later
#include "gif/model/page_encoder.h"

#include <array>
#include <cstring>

#include "gif/colour/cube_rows.h"
#include "gif/colour/fixed_palettes.h"
#include "gif/encode/encoder_factory.h"
#include "gif/encode/gif_constants.h"
#include "gif/encode/lzw_encoder.h"
#include "gif/model/byte_order.h"
#include "gif/model/color_map.h"
#include "gif/model/image.h"
#include "gif/model/sub_image.h"
#include "platform/bitmap.h"
#include "platform/stream.h"

namespace {

// The reduced bitmap always carries a full table, the palette's colours and then black, and
// the frame takes all of it, unsorted: the cube's 216 colours go out as 256 entries of 8 bits.
constexpr int kTableColors = 256;
constexpr int kTableBits = 8;
static_assert(1 << (kTableBits - 1) < kTableColors && kTableColors <= 1 << kTableBits);
// Larger pictures take the image's road: the reduction has a way of its own for them, and
// the stream's sizes are 16 bits.
constexpr long long kLargestDirectPixels = 500000;
constexpr int kLargestSide = 0xFFFF;
constexpr std::size_t kScreenDescriptorSize = 13;
constexpr std::size_t kImageDescriptorSize = 10;
constexpr std::uint64_t kEveryByte = 0x0101010101010101u;

// Appends everything written to it to a byte buffer that outlives it.
class TAppendStream final : public TStream {
public:
  explicit TAppendStream(std::vector<std::uint8_t>& bytes) : bytes_(bytes) {}
  std::size_t Write(const void* data, std::size_t count) override {
    const auto* p = static_cast<const std::uint8_t*>(data);
    bytes_.insert(bytes_.end(), p, p + count);
    return count;
  }

private:
  std::vector<std::uint8_t>& bytes_;
};

// A full table of kTableColors entries: `colours` first, black after them.
void FillColorTable(std::vector<std::uint8_t>& table, const TPalette& colours) {
  table.assign(3 * kTableColors, 0);
  for (int k = 0; k < colours.Count(); ++k) {
    const TPaletteEntry& e = colours[k];
    std::uint8_t* rgb = &table[static_cast<std::size_t>(3 * k)];
    rgb[0] = e.red;
    rgb[1] = e.green;
    rgb[2] = e.blue;
  }
}

}  // namespace

TPageEncoder::TPageEncoder(TPageColors colors)
    : colors_(colors),
      // Compact pages are parsed for size; the default pages keep their bytes.
      lzw_(colors == TPageColors::UsedOnly ? std::make_unique<TLZWEncoder>(TLZWEncoder::TDictionary::Fitted,
                                                                           TLZWEncoder::TParse::Lookahead)
                                           : CreateEncoder(kCompressLZW)) {
  FillColorTable(colorTable_, *BuildWebCubePalette());
}

TPageEncoder::~TPageEncoder() = default;

void TPageEncoder::Encode(const TBitmap& page, TStream& out) {
  const std::vector<std::uint8_t>& bytes = Encode(page);
  out.WriteBuffer(bytes.data(), bytes.size());
}

const std::vector<std::uint8_t>& TPageEncoder::Encode(const TBitmap& page) {
  bytes_.clear();
  if (TakesDirectly(page))
    EncodeDirectly(page);
  else
    EncodeThroughImage(page);
  return bytes_;
}

bool TPageEncoder::TakesDirectly(const TBitmap& page) const {
  const TGIFImageDefaults& defaults = GIFImageDefaults;
  return BitsPerPixel(page.PixelFormat()) == 32 && !page.Empty() && page.Width() <= kLargestSide &&
         page.Height() <= kLargestSide &&
         static_cast<long long>(page.Width()) * page.Height() <= kLargestDirectPixels &&
         !(page.Transparent && page.Mask()) && defaults.ReductionMethod == TReductionMethod::WebCube216 &&
         defaults.DitherMethod == TDitherMethod::Nearest && defaults.CompressionMethod != kCompressRLE;
}

void TPageEncoder::EncodeThroughImage(const TBitmap& page) {
  // The import converts its source in place: it gets a copy.
  TBitmap copy(page);
  TGIFImage image;
  image.AssignFrom(&copy);
  if (colors_ == TPageColors::UsedOnly && TakeFrame(image)) {
    WriteFrame(page.Width(), page.Height(), KeepUsedColors(frameTable_));
    return;
  }
  TAppendStream stream(bytes_);
  image.SaveToStream(stream);
}

bool TPageEncoder::TakeFrame(const TGIFImage& image) {
  // Only a plain frame, as a page makes: one, opaque, not interlaced, coloured by a table.
  if (image.Images().Count() != 1) return false;
  const TGIFSubImage& frame = image.Images()[0];
  if (frame.Empty() || frame.Extensions().Count() > 0 || frame.IsInterlaced() || frame.Left() != 0 ||
      frame.Top() != 0)
    return false;
  const TPaletteHandle colours = frame.EffectiveColorMap().ExportSystemPalette();
  if (!colours) return false;
  FillColorTable(frameTable_, *colours);
  indices_.assign(frame.Pixels().begin(), frame.Pixels().end());
  return true;
}

void TPageEncoder::MapToCube(const TBitmap& page) {
  const int width = page.Width();
  const int height = page.Height();
  indices_.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
  // A page is mostly its background, which its corner pixel nearly always shows.
  std::uint32_t corner = 0;
  std::memcpy(&corner, page.ScanLine(0), sizeof corner);
  const TCubeRowMapper mapper(corner);
  for (int y = 0; y < height; ++y)
    mapper.MapRow(page.ScanLine(y),
                  indices_.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width), width);
}

int TPageEncoder::KeepUsedColors(const std::vector<std::uint8_t>& table) {
  std::array<std::int16_t, 256> number;
  number.fill(-1);
  usedTable_.clear();
  int used = 0;
  const auto renumber = [&](std::uint8_t& pixel) {
    std::int16_t& n = number[pixel];
    if (n < 0) {
      n = static_cast<std::int16_t>(used++);
      const auto rgb = table.begin() + 3 * pixel;
      usedTable_.insert(usedTable_.end(), rgb, rgb + 3);
    }
    pixel = static_cast<std::uint8_t>(n);
  };
  // Most of a page is its background, the first pixel: it becomes 0, eight pixels at a time.
  std::uint8_t* pixels = indices_.data();
  const std::size_t count = indices_.size();
  const std::uint64_t plain = pixels[0] * kEveryByte;
  renumber(pixels[0]);
  constexpr std::uint64_t kPlainRenumbered = 0;
  std::size_t i = 1;
  for (; i + sizeof plain <= count; i += sizeof plain) {
    std::uint64_t word = 0;
    std::memcpy(&word, pixels + i, sizeof word);
    if (word == plain)
      std::memcpy(pixels + i, &kPlainRenumbered, sizeof word);
    else
      for (std::size_t b = 0; b < sizeof word; ++b) renumber(pixels[i + b]);
  }
  for (; i < count; ++i) renumber(pixels[i]);
  usedTable_.resize(static_cast<std::size_t>(3 << IndexBitsFor(used)), 0);
  return used;
}

void TPageEncoder::EncodeDirectly(const TBitmap& page) {
  MapToCube(page);
  WriteFrame(page.Width(), page.Height(), colors_ == TPageColors::UsedOnly ? KeepUsedColors(colorTable_) : 0);
}

void TPageEncoder::WriteFrame(int pageWidth, int pageHeight, int usedColors) {
  const bool usedOnly = usedColors > 0;
  const int tableColors = usedOnly ? usedColors : kTableColors;
  const int tableBits = usedOnly ? IndexBitsFor(tableColors) : kTableBits;
  const std::vector<std::uint8_t>& table = usedOnly ? usedTable_ : colorTable_;
  const auto width = static_cast<std::uint16_t>(pageWidth);
  const auto height = static_cast<std::uint16_t>(pageHeight);

  // The logical screen is the frame's size. There is no global table: the packed fields
  // still carry the resolution and size code of the largest table, the frame's.
  std::uint8_t screen[kScreenDescriptorSize] = {};
  std::memcpy(screen, gif::kSignature, 3);
  std::memcpy(screen + 3, gif::kVersionText[gif::kVersion87a], 3);
  detail::PutLE16(screen + 6, width);
  detail::PutLE16(screen + 8, height);
  screen[10] = static_cast<std::uint8_t>((((tableBits - 1) * 16) & gif::kScreenResolutionMask) |
                                         ((tableBits - 1) & gif::kScreenSizeMask));

  std::uint8_t descriptor[kImageDescriptorSize] = {gif::kImageSeparator};
  detail::PutLE16(descriptor + 5, width);
  detail::PutLE16(descriptor + 7, height);
  descriptor[9] = static_cast<std::uint8_t>(gif::kImageLocalTable | ((tableBits - 1) & gif::kImageSizeMask));

  TAppendStream stream(bytes_);
  stream.Write(screen, sizeof screen);
  stream.Write(descriptor, sizeof descriptor);
  stream.Write(table.data(), table.size());
  lzw_->Encode(stream, tableBits, tableColors, indices_.data(), false, height, width);
  stream.Write(&gif::kTrailer, 1);
}
