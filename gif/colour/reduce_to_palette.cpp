#include "gif/colour/reduce_to_palette.h"

#include "gif/colour/dib.h"
#include "gif/colour/dither_engine.h"
#include "gif/colour/fast_color_lookup.h"
#include "gif/colour/fixed_lookups.h"
#include "gif/colour/fixed_palettes.h"
#include "gif/colour/floyd_steinberg_ditherer.h"
#include "gif/colour/kernel_ditherers.h"
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
    case TReductionMethod::System20: return BuildSystemPalette();
    case TReductionMethod::Halftone256: return BuildHalftonePalette();
    case TReductionMethod::SystemGray4: return BuildSystemGrayPalette();
    case TReductionMethod::Monochrome: return BuildMonochromePalette();
    case TReductionMethod::GrayScale256: return BuildGrayPalette();
    case TReductionMethod::WebCube216: return BuildWebCubePalette();
    case TReductionMethod::Optimized:
      if (paletteBits < 0 || paletteBits > kMaxPaletteBits) throw GIFException("Palette bits out of range");
      return BuildOptimizedPalette(reader, 1 << paletteBits, kColorBits, false);
    case TReductionMethod::OptimizedSystem:
      return BuildOptimizedPaletteFromBitmap(source, kSystemFramedColors, kColorBits, true);
    case TReductionMethod::CustomPalette:
      return customPalette ? std::make_unique<TPalette>(*customPalette) : nullptr;
    default: return nullptr;
  }
}

std::unique_ptr<TColorLookup> CreateLookup(TReductionMethod method, const TPalette* palette) {
  switch (method) {
    case TReductionMethod::Monochrome: return std::make_unique<TMonochromeLookup>();
    case TReductionMethod::GrayScale256: return std::make_unique<TGrayScaleLookup>();
    case TReductionMethod::WebCube216: return std::make_unique<TNetscapeColorLookup>();
    default: return std::make_unique<TFastColorLookup>(palette);
  }
}

std::unique_ptr<TDitherEngine> CreateWalker(TDitherMethod dither, int width, TColorLookup& lookup) {
  switch (dither) {
    case TDitherMethod::Nearest: return std::make_unique<TDitherEngine>(width, lookup);
    case TDitherMethod::FloydSteinberg: return std::make_unique<TFloydSteinbergDitherer>(width, lookup);
    case TDitherMethod::Stucki: return std::make_unique<TStuckiDitherer>(width, lookup);
    case TDitherMethod::Sierra: return std::make_unique<TSierraDitherer>(width, lookup);
    case TDitherMethod::JaJuNi: return std::make_unique<TJaJuNiDitherer>(width, lookup);
    case TDitherMethod::SteveArche: return std::make_unique<TSteveArcheDitherer>(width, lookup);
    case TDitherMethod::Burkes: return std::make_unique<TBurkesDitherer>(width, lookup);
    default: return nullptr;
  }
}

// Serpentine for every walker, Nearest included: the fast lookup's cache keeps the first
// answer per cell, so even plain mapping depends on this order.
void WalkRows(TDIBReader& reader, TDIBWriter& writer, TDitherEngine& walker, int height) {
  for (int y = 0; y < height; ++y) {
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

}  // namespace

std::unique_ptr<TBitmap> ReduceToPalette(TBitmap& source, TReductionMethod method, TDitherMethod dither,
                                         int paletteBits, const TPalette* customPalette) {
  auto result = std::make_unique<TBitmap>();
  if (method == TReductionMethod::None) {
    *result = source;
    result->SetPixelFormat(pf24bit);
    return result;
  }
  const int width = source.Width();
  const int height = source.Height();
  if (std::int64_t{width} * height > kLargePicturePixels) result->SetPixelFormat(pf1bit);

  TDIBReader reader(source, pf24bit);
  const TPaletteHandle palette = BuildPalette(method, reader, source, paletteBits, customPalette);
  // An unknown method builds no palette; CustomPalette without one ends at the lookup.
  if (!palette && method != TReductionMethod::CustomPalette) return result;
  const std::unique_ptr<TColorLookup> lookup = CreateLookup(method, palette.get());
  if (lookup->ColorCount() == 0) return result;
  const std::unique_ptr<TDitherEngine> walker = CreateWalker(dither, width, *lookup);
  if (!walker) return result;

  TDIBWriter writer(*result, pf8bit, width, height, palette.get());
  WalkRows(reader, writer, *walker, height);
  writer.Deliver();
  return result;
}
