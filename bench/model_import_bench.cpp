// SPDX-License-Identifier: GPL-3.0-or-later
// Frame import of a page as the conversion run does it: the raster in the display's
// format, reduced to the web cube and taken into a one-frame image.
#include <benchmark/benchmark.h>

#include "bench/text_raster.h"
#include "gif/model/image.h"

namespace {

void ImportPage(benchmark::State& state) {
  const TBitmap original = TextPage(pfDevice);
  for (auto _ : state) {
    state.PauseTiming();
    TBitmap page = original;
    state.ResumeTiming();
    TGIFImage image;
    image.AssignFrom(&page);
    benchmark::DoNotOptimize(image);
  }
  state.counters["per_pixel"] =
      benchmark::Counter(static_cast<double>(state.iterations()) * kTextRasterWidth * kTextRasterHeight,
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

}  // namespace

BENCHMARK(ImportPage)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
