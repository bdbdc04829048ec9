// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/pictures/picture_page.h"

#include <algorithm>

#include "gif/colour/dib.h"
#include "gif/colour/optimized_palette.h"
#include "gif/colour/reduce_to_palette.h"
#include "gif/model/image.h"
#include "platform/bitmap.h"
#include "platform/stream.h"

namespace pictures {

namespace {

// The octree's leaves at full depth: every bit of every channel counts.
constexpr int kColorBits = 8;

}  // namespace

std::vector<std::uint8_t> EncodePicturePage(const TBitmap& page, const TPictureColors& settings) {
  // The reduction converts its source in place: it works on a copy.
  TBitmap copy(page);
  const int colors = std::clamp(settings.colors, kMinPictureColors, kMaxPictureColors);
  TPaletteHandle palette;
  {
    TDIBReader reader(copy, pf24bit);
    palette = BuildOptimizedPalette(reader, colors, kColorBits, false);
  }
  const std::unique_ptr<TBitmap> reduced =
      ReduceToPalette(copy, TReductionMethod::CustomPalette, settings.dither, kColorBits, palette.get());
  // The reduction pads the table with black to 256 entries; the frame takes the palette alone.
  std::vector<TRGBQuad> table = reduced->ColorTable();
  table.resize(std::min(table.size(), static_cast<std::size_t>(palette->Count())));
  reduced->SetColorTable(std::move(table));

  TGIFImage image;
  image.AssignFrom(reduced.get());
  TMemoryStream stream;
  image.SaveToStream(stream);
  return stream.Bytes();
}

}  // namespace pictures
