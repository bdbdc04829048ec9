// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/pictures/picture_page.h"

#include <algorithm>
#include <cstring>
#include <unordered_map>

#include "app/pictures/page_palette.h"
#include "gif/colour/ditherer_factory.h"
#include "gif/colour/exact_color_lookup.h"
#include "gif/model/image.h"
#include "platform/bitmap.h"
#include "platform/stream.h"

namespace pictures {

namespace {

constexpr int kPixelBytes = 4;

TPackedColour PixelAt(const TBitmap& page, int x, int y) {
  const std::uint8_t* p = page.ScanLine(y) + static_cast<std::size_t>(x) * kPixelBytes;
  return static_cast<TPackedColour>(p[2] << 16 | p[1] << 8 | p[0]);
}

// The pictures' places on `page`, clipped to it; the whole page when none is given.
std::vector<QRect> PicturePlaces(const TBitmap& page, std::span<const QRect> pictures) {
  const QRect whole(0, 0, page.Width(), page.Height());
  if (pictures.empty()) return {whole};
  std::vector<QRect> places;
  for (const QRect& r : pictures)
    if (const QRect clipped = r & whole; !clipped.isEmpty()) places.push_back(clipped);
  return places;
}

// One flag per pixel, rows from the top: inside a picture.
std::vector<bool> PictureMask(const TBitmap& page, const std::vector<QRect>& places) {
  std::vector<bool> mask(static_cast<std::size_t>(page.Width()) * static_cast<std::size_t>(page.Height()));
  for (const QRect& r : places)
    for (int y = r.top(); y <= r.bottom(); ++y)
      std::fill_n(mask.begin() + static_cast<std::ptrdiff_t>(y) * page.Width() + r.left(), r.width(), true);
  return mask;
}

// The colours outside the pictures, the most used first (the lower colour on ties).
std::vector<TPackedColour> PageColours(const TBitmap& page, const std::vector<bool>& mask) {
  std::unordered_map<TPackedColour, long long> uses;
  std::size_t i = 0;
  for (int y = 0; y < page.Height(); ++y)
    for (int x = 0; x < page.Width(); ++x, ++i)
      if (!mask[i]) ++uses[PixelAt(page, x, y)];
  std::vector<std::pair<TPackedColour, long long>> counted(uses.begin(), uses.end());
  std::sort(counted.begin(), counted.end(), [](const auto& a, const auto& b) {
    return a.second != b.second ? a.second > b.second : a.first < b.first;
  });
  std::vector<TPackedColour> colours;
  for (const auto& [colour, count] : counted) colours.push_back(colour);
  return colours;
}

std::vector<TPackedColour> PictureColours(const TBitmap& page, const std::vector<QRect>& places) {
  std::vector<TPackedColour> colours;
  for (const QRect& r : places)
    for (int y = r.top(); y <= r.bottom(); ++y)
      for (int x = r.left(); x <= r.right(); ++x) colours.push_back(PixelAt(page, x, y));
  return colours;
}

// Indices outside the pictures: a page colour with an entry keeps it exactly; a shade
// without one takes its nearest page colour, undithered.
void MapPageColours(const TBitmap& page, const std::vector<bool>& mask, const TPagePalette& palette,
                    TBitmap& indexed) {
  std::unordered_map<TPackedColour, std::uint8_t> exact;
  for (int i = 0; i < palette.pageColours; ++i) {
    const TPaletteEntry& e = palette.entries[static_cast<std::size_t>(i)];
    exact.emplace(static_cast<TPackedColour>(e.red << 16 | e.green << 8 | e.blue),
                  static_cast<std::uint8_t>(i));
  }
  const TPalette pageOnly(
      std::vector<TPaletteEntry>(palette.entries.begin(), palette.entries.begin() + palette.pageColours));
  TExactColorLookup nearest(&pageOnly);
  std::size_t i = 0;
  for (int y = 0; y < page.Height(); ++y) {
    std::uint8_t* row = indexed.ScanLine(y);
    for (int x = 0; x < page.Width(); ++x, ++i) {
      if (mask[i]) continue;
      const TPackedColour c = PixelAt(page, x, y);
      if (const auto found = exact.find(c); found != exact.end()) {
        row[x] = found->second;
      } else {
        std::uint8_t r, g, b;
        row[x] = nearest.MapColor(c >> 16 & 0xFF, c >> 8 & 0xFF, c & 0xFF, r, g, b);
      }
    }
  }
}

// Each picture dithered on its own, serpentine, in the pictures' colours alone: the page's
// would sprinkle the picture with dots of paper and ink.
void MapPictures(const TBitmap& page, const std::vector<QRect>& places, const TPagePalette& palette,
                 TDitherMethod dither, TBitmap& indexed) {
  const TPalette colours(
      std::vector<TPaletteEntry>(palette.entries.begin() + palette.pageColours, palette.entries.end()));
  TExactColorLookup lookup(&colours);
  if (lookup.ColorCount() == 0) return;
  const auto first = static_cast<std::uint8_t>(palette.pageColours);
  for (const QRect& r : places) {
    const auto walker = CreateDitherer(dither, r.width(), lookup);
    if (!walker) continue;
    for (int y = r.top(); y <= r.bottom(); ++y) {
      std::uint8_t* row = indexed.ScanLine(y) + r.left();
      const std::uint8_t* source = page.ScanLine(y) + static_cast<std::size_t>(r.left()) * kPixelBytes;
      for (int x = walker->CurrentColumn(); x >= 0 && x < r.width(); x = walker->CurrentColumn()) {
        const std::uint8_t* p = source + static_cast<std::size_t>(x) * kPixelBytes;
        std::uint8_t red, green, blue;
        row[x] = static_cast<std::uint8_t>(first + walker->DitherPixel(p[2], p[1], p[0], red, green, blue));
      }
      walker->EndRow();
    }
  }
}

}  // namespace

std::vector<std::uint8_t> EncodePicturePage(const TBitmap& page, const TPictureColors& settings,
                                            std::span<const QRect> pictures) {
  TBitmap source(page);
  if (BitsPerPixel(source.PixelFormat()) != 32) source.SetPixelFormat(pf32bit);
  const int colors = std::clamp(settings.colors, kMinPictureColors, kMaxPictureColors);
  const std::vector<QRect> places = PicturePlaces(source, pictures);
  const std::vector<bool> mask = PictureMask(source, places);
  const TPagePalette palette =
      BuildPagePalette(PageColours(source, mask), PictureColours(source, places), colors);

  TBitmap indexed(source.Width(), source.Height(), pf8bit);
  std::vector<TRGBQuad> table;
  for (const TPaletteEntry& e : palette.entries) table.push_back({e.blue, e.green, e.red, 0});
  indexed.SetColorTable(std::move(table));
  MapPageColours(source, mask, palette, indexed);
  MapPictures(source, places, palette, settings.dither, indexed);

  TGIFImage image;
  image.AssignFrom(&indexed);
  TMemoryStream stream;
  image.SaveToStream(stream);
  return stream.Bytes();
}

}  // namespace pictures
