// SPDX-License-Identifier: GPL-3.0-or-later
// Import of a bitmap into a frame: indexed rasters are taken over, every other raster is
// first reduced to 8 bits with the owning image's settings.
#include <algorithm>
#include <array>
#include <memory>
#include <string>

#include "gif/colour/dib.h"
#include "gif/colour/reduce_to_palette.h"
#include "gif/model/graphic_control_extension.h"
#include "gif/model/image.h"
#include "gif/model/sub_image.h"
#include "platform/exceptions.h"

namespace {

constexpr std::string_view kConverting = "Converting...";
constexpr int kProgressRowStep = 32;

// Remembers the last colours met in a 24-bit raster, so that runs of one colour do not
// search the colour map. It changes only the speed, never the result.
class TColorCache {
public:
  // The cached index of `color`, or -1. Searches from the last-used slot backwards.
  int Find(TColor color) {
    for (int i = 0, slot = last_; i < kSlots; ++i, slot = (slot + kSlots - 1) % kSlots) {
      if (slots_[slot].index < 0) break;
      if (slots_[slot].color == color) {
        last_ = slot;
        return slots_[slot].index;
      }
    }
    return -1;
  }
  void Store(TColor color, int index) {
    last_ = (last_ + 1) % kSlots;
    slots_[last_] = {color, index};
  }

private:
  static constexpr int kSlots = 8;
  struct Slot {
    TColor color = 0;
    int index = -1;
  };
  std::array<Slot, kSlots> slots_{};
  int last_ = 0;
};

}  // namespace

void TGIFSubImage::ImportBitmap(TBitmap& source) {
  // Checked before anything changes: a larger size would be cut to 16 bits in the stream.
  if (source.Width() > gif::kMaxDimension || source.Height() > gif::kMaxDimension)
    throw GIFException(FormatMessage("A GIF picture is at most 65535 pixels wide and high, not %s x %s",
                                     {std::to_string(source.Width()), std::to_string(source.Height())}));
  Reset();
  if (source.Empty()) return;
  SetWidth(source.Width());
  SetHeight(source.Height());

  TPixelFormat format = source.PixelFormat();
  if (IsIndexed(format)) {
    SetBitmapCache(std::make_unique<TBitmap>(source));
  } else {
    TGIFImage& image = Image();
    SetBitmapCache(
        ReduceToPalette(source, image.ReductionMethod, image.DitherMethod, image.PaletteBits, nullptr));
    format = bitmapCache_->PixelFormat();
  }
  // An unknown method or dither value, or a palette without colours, reduces to nothing:
  // there are no rows to read.
  if (bitmapCache_->Empty()) throw GIFException("Color reduction produced no image");

  AllocatePixels();
  TGIFImage& image = Image();
  image.ReportProgress(this, TProgressStage::Starting, 0, false, {}, kConverting);
  try {
    if (!IsIndexed(format) && format != pf24bit) format = pf24bit;
    TDIBReader reader(*bitmapCache_, format);
    switch (format) {
      case pf1bit:
        ImportRows1(reader);
        break;
      case pf4bit:
        ImportRows4(reader);
        break;
      case pf8bit:
        ImportRows8(reader);
        break;
      default:
        ImportRows24(reader);
        break;
    }
    if (source.Transparent && source.Mask()) ApplyMask(*source.Mask());
  } catch (...) {
    image.ReportProgress(this, TProgressStage::Ending, 0, image.PaletteModified, {}, kConverting);
    throw;
  }
  image.ReportProgress(this, TProgressStage::Ending, 100, image.PaletteModified, {}, kConverting);
}

template <class RowImport>
void TGIFSubImage::ForEachImportRow(RowImport&& import) {
  for (int y = 0; y < height_; ++y) {
    if (y % kProgressRowStep == 0)
      Image().ReportProgress(this, TProgressStage::Running, PercentOf(y, height_), false, {}, kConverting);
    import(y, PixelRow(y));
  }
}

void TGIFSubImage::ImportRows8(TDIBReader& reader) {
  colorMap_.ImportFromDIB(*bitmapCache_);
  ForEachImportRow([&](int y, std::uint8_t* out) { std::copy_n(reader.RowPointer(y), width_, out); });
}

void TGIFSubImage::ImportRows4(TDIBReader& reader) {
  colorMap_.ImportSystemPalette(bitmapCache_->CreatePalette().get());
  ForEachImportRow([&](int y, std::uint8_t* out) {
    const std::uint8_t* row = reader.RowPointer(y);
    for (int x = 0; x < width_; ++x) out[x] = (x & 1) ? (row[x >> 1] & 0x0F) : (row[x >> 1] >> 4);
  });
}

void TGIFSubImage::ImportRows1(TDIBReader& reader) {
  colorMap_.ImportSystemPalette(bitmapCache_->CreatePalette().get());
  ForEachImportRow([&](int y, std::uint8_t* out) {
    const std::uint8_t* row = reader.RowPointer(y);
    for (int x = 0; x < width_; ++x) out[x] = (row[x >> 3] >> (7 - (x & 7))) & 1;
  });
}

void TGIFSubImage::ImportRows24(TDIBReader& reader) {
  TColorCache cache;
  ForEachImportRow([&](int y, std::uint8_t* out) {
    const std::uint8_t* row = reader.RowPointer(y);
    for (int x = 0; x < width_; ++x, row += 3) {
      const TColor color = row[2] | (row[1] << 8) | (TColor{row[0]} << 16);
      int index = cache.Find(color);
      if (index < 0) {
        index = colorMap_.AppendUnique(color);
        cache.Store(color, index);
      }
      out[x] = static_cast<std::uint8_t>(index);
    }
  });
}

void TGIFSubImage::ApplyMask(const TBitmap& mask) {
  colorMap_.OptimizeByUse();
  if (colorMap_.Count() == 0 || colorMap_.Count() == gif::kMaxColors) return;
  const int transparent = colorMap_.AppendColor(0x000000);

  // Reading converts the raster in place: work on a copy, the source stays as it is.
  TBitmap maskCopy(mask);
  TDIBReader reader(maskCopy, pf8bit);
  bool any = false;
  const int rows = std::min<int>(height_, maskCopy.Height());
  const int columns = std::min<int>(width_, maskCopy.Width());
  for (int y = 0; y < rows; ++y) {
    const std::uint8_t* in = reader.RowPointer(y);
    std::uint8_t* out = PixelRow(y);
    for (int x = 0; x < columns; ++x) {
      if (in[x] != 0) {
        out[x] = static_cast<std::uint8_t>(transparent);
        any = true;
      }
    }
  }
  if (!any) {
    colorMap_.RemoveAt(transparent);
    return;
  }
  auto control = std::make_unique<TGIFGraphicControlExtension>(*this);
  control->SetTransparent(true);
  control->SetTransparentColorIndex(transparent);
  extensions_.Add(std::move(control));
}
