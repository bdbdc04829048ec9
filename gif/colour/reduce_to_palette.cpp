// SPDX-License-Identifier: GPL-3.0-or-later
#include "gif/colour/reduce_to_palette.h"

#include "gif/colour/dib.h"
#include "gif/colour/dither_engine.h"
#include "gif/colour/ditherer_factory.h"
#include "gif/colour/fast_color_lookup.h"
#include "gif/colour/fixed_lookups.h"
#include "gif/colour/fixed_palettes.h"
#include "gif/colour/optimized_palette.h"
#include "platform/exceptions.h"

namespace {

constexpr std::int64_t kLargePicturePixels = 500000;
constexpr int kMaxPaletteBits = 8;
constexpr int kColorBits = 8;
constexpr int kSystemFramedColors = 256;

TPaletteHandle BuildPalette(TReductionMethod method, TDIBReader& reader, TBitmap& source, int paletteBits,
                            const TPalette* customPalette) {
  switch (method) {
    case TReductionMethod::System20:
      return BuildSystemPalette();
    case TReductionMethod::Halftone256:
      return BuildHalftonePalette();
    case TReductionMethod::SystemGray4:
      return BuildSystemGrayPalette();
    case TReductionMethod::Monochrome:
      return BuildMonochromePalette();
    case TReductionMethod::GrayScale256:
      return BuildGrayPalette();
    case TReductionMethod::WebCube216:
      return BuildWebCubePalette();
    case TReductionMethod::Optimized:
      // Bits out of range ask for no colours, which the optimized palette refuses.
      return BuildOptimizedPalette(reader,
                                   paletteBits >= 0 && paletteBits <= kMaxPaletteBits ? 1 << paletteBits : 0,
                                   kColorBits, false);
    case TReductionMethod::OptimizedSystem:
      return BuildOptimizedPaletteFromBitmap(source, kSystemFramedColors, kColorBits, true);
    case TReductionMethod::CustomPalette:
      return customPalette ? std::make_unique<TPalette>(*customPalette) : nullptr;
    default:
      return nullptr;
  }
}

// Serpentine for every walker, Nearest included: the fast lookup's cache keeps the first
// answer per cell, so even plain mapping depends on this order.
template <class Walker>
void WalkRows(TDIBReader& reader, TDIBWriter& writer, Walker& walker) {
  for (int y = 0; y < reader.Height(); ++y) {
    const std::uint8_t* source = reader.RowPointer(y);
    std::uint8_t* target = writer.RowPointer(y);
    for (int x = walker.CurrentColumn(); x >= 0 && x < walker.RowWidth(); x = walker.CurrentColumn()) {
      const std::uint8_t* pixel = source + 3 * static_cast<std::size_t>(x);
      std::uint8_t red, green, blue;
      target[x] = walker.DitherPixel(pixel[2], pixel[1], pixel[0], red, green, blue);
    }
    walker.EndRow();
  }
}

// Nearest mapping through a lookup whose answers do not depend on the order of the
// questions: the serpentine walk would give the same indices, so each row is mapped in
// one straight pass the compiler can keep tight. This is the page path.
template <class Lookup>
void MapRowsInOrder(TDIBReader& reader, TDIBWriter& writer, Lookup& lookup) {
  const int width = reader.Width();
  for (int y = 0; y < reader.Height(); ++y) {
    const std::uint8_t* pixel = reader.RowPointer(y);
    std::uint8_t* target = writer.RowPointer(y);
    for (int x = 0; x < width; ++x, pixel += 3) {
      std::uint8_t red, green, blue;
      target[x] = lookup.Lookup::MapColor(pixel[2], pixel[1], pixel[0], red, green, blue);
    }
  }
}

template <class Walk>
void WriteResult(TBitmap& result, TDIBReader& reader, const TPalette* palette, Walk&& walk) {
  TDIBWriter writer(result, pf8bit, reader.Width(), reader.Height(), palette);
  walk(writer);
  writer.Deliver();
}

// Leaves `result` empty when the lookup has no colours or the dither value is unknown.
template <class Lookup>
void MapThrough(TBitmap& result, TDIBReader& reader, const TPalette* palette, Lookup& lookup,
                TDitherMethod dither) {
  if (lookup.ColorCount() == 0) return;
  if (dither == TDitherMethod::Nearest) {
    if constexpr (requires { Lookup::kOrderFree; }) {
      WriteResult(result, reader, palette,
                  [&](TDIBWriter& writer) { MapRowsInOrder(reader, writer, lookup); });
    } else {
      TBoundDitherEngine<Lookup> walker(reader.Width(), lookup);
      WriteResult(result, reader, palette, [&](TDIBWriter& writer) { WalkRows(reader, writer, walker); });
    }
    return;
  }
  if (const auto ditherer = CreateDitherer(dither, reader.Width(), lookup))
    WriteResult(result, reader, palette, [&](TDIBWriter& writer) { WalkRows(reader, writer, *ditherer); });
}

}  // namespace

std::unique_ptr<TBitmap> ReduceToPalette(TBitmap& source, TReductionMethod method, TDitherMethod dither,
                                         int paletteBits, const TPalette* customPalette) {
  auto result = std::make_unique<TBitmap>();
  if (method == TReductionMethod::None) {
    *result = source;
    result->SetPixelFormat(pf24bit);
    return result;
  }
  if (std::int64_t{source.Width()} * source.Height() > kLargePicturePixels) result->SetPixelFormat(pf1bit);

  TDIBReader reader(source, pf24bit);
  const TPaletteHandle palette = BuildPalette(method, reader, source, paletteBits, customPalette);
  auto map = [&](auto&& lookup) { MapThrough(*result, reader, palette.get(), lookup, dither); };
  switch (method) {
    case TReductionMethod::Monochrome:
      map(TMonochromeLookup());
      break;
    case TReductionMethod::GrayScale256:
      map(TGrayScaleLookup());
      break;
    case TReductionMethod::WebCube216:
      map(TNetscapeColorLookup());
      break;
    default:
      // An unknown method builds no palette; CustomPalette without one has no colours.
      if (palette || method == TReductionMethod::CustomPalette) map(TFastColorLookup(palette.get()));
  }
  return result;
}
