// SPDX-License-Identifier: GPL-3.0-or-later
// Reduction throughput on a 480 x 272 page of text-like content.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "bench/text_raster.h"
#include "gif/colour/reduce_to_palette.h"
#include "platform/bitmap.h"

namespace {

constexpr int kPixels = kTextRasterWidth * kTextRasterHeight;

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
