// Reduction throughput on a 480 x 272 page of text-like content.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "gif/colour/reduce_to_palette.h"
#include "platform/bitmap.h"

namespace {

constexpr int kWidth = 480;
constexpr int kHeight = 272;
constexpr int kPixels = kWidth * kHeight;

// Dark glyph strokes with a few grey edge pixels on white, in lines of 16 rows.
TBitmap TextPage(TPixelFormat format) {
  TBitmap page(kWidth, kHeight, pf24bit);
  std::uint32_t seed = 12345;
  for (int y = 0; y < kHeight; ++y) {
    std::uint8_t* row = page.ScanLine(y);
    for (int x = 0; x < kWidth; ++x) {
      seed = seed * 1103515245u + 12345u;
      const int roll = static_cast<int>((seed >> 16) % 100);
      const bool inLine = y % 16 >= 2 && y % 16 < 14 && x >= 8 && x < kWidth - 8;
      std::uint8_t v = 255;
      if (inLine && roll < 18)
        v = 0;
      else if (inLine && roll < 24)
        v = static_cast<std::uint8_t>(64 + roll * 5);
      row[3 * x] = row[3 * x + 1] = row[3 * x + 2] = v;
    }
  }
  page.SetPixelFormat(format);
  return page;
}

void ReportPerPixel(benchmark::State& state) {
  state.counters["per_pixel"] = benchmark::Counter(static_cast<double>(state.iterations()) * kPixels,
                                                   benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// A page already in 24 bits: every page after the first, since the reduction leaves the
// raster converted.
void Reduce(benchmark::State& state, TReductionMethod method, TDitherMethod dither) {
  TBitmap page = TextPage(pf24bit);
  for (auto _ : state) benchmark::DoNotOptimize(ReduceToPalette(page, method, dither, 8, nullptr));
  ReportPerPixel(state);
}

// The first page: the raster still in the display's 32-bit format.
void ReduceDevicePage(benchmark::State& state) {
  const TBitmap original = TextPage(pfDevice);
  for (auto _ : state) {
    state.PauseTiming();
    TBitmap page = original;
    state.ResumeTiming();
    benchmark::DoNotOptimize(
        ReduceToPalette(page, TReductionMethod::WebCube216, TDitherMethod::Nearest, 8, nullptr));
  }
  ReportPerPixel(state);
}

void WebCubeNearest(benchmark::State& state) {
  Reduce(state, TReductionMethod::WebCube216, TDitherMethod::Nearest);
}
void OptimizedFloydSteinberg(benchmark::State& state) {
  Reduce(state, TReductionMethod::Optimized, TDitherMethod::FloydSteinberg);
}
void GrayScaleNearest(benchmark::State& state) {
  Reduce(state, TReductionMethod::GrayScale256, TDitherMethod::Nearest);
}

}  // namespace

BENCHMARK(WebCubeNearest)->Unit(benchmark::kMicrosecond);
BENCHMARK(ReduceDevicePage)->Unit(benchmark::kMicrosecond);
BENCHMARK(OptimizedFloydSteinberg)->Unit(benchmark::kMicrosecond);
BENCHMARK(GrayScaleNearest)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
