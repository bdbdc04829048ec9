// SPDX-License-Identifier: GPL-3.0-or-later
// Compressor speed on a text page and a noisy frame, beside giflib's encoder on the
// same pixels, and the run-length compressor on the text page.
#include <benchmark/benchmark.h>
#include <gif_lib.h>

#include <algorithm>
#include <ctime>
#include <memory>
#include <stdexcept>
#include <utility>
#include <vector>

#include "gif/encode/lzw_encoder.h"
#include "gif/encode/rle_encoder.h"
#include "platform/stream.h"
#include "tests/gif/encode/text_page.h"

namespace {

using encode_test::kPageHeight;
using encode_test::kPageWidth;

struct Frame {
  std::vector<std::uint8_t> pixels;
  int colorCount;
};

// The frames a benchmark walks through, one an iteration. A run's pages all differ: with a
// single page encoded again and again, the processor would learn where every string of it
// ends, and the coding loop would look several times faster than it is on a book.
using TFrames = const Frame& (*)(std::size_t iteration);

const Frame& TextFrame(std::size_t iteration) {
  static const std::vector<Frame> pages = [] {
    constexpr std::uint32_t kPages = 64;
    std::vector<Frame> made;
    for (std::uint32_t page = 0; page < kPages; ++page)
      made.push_back({encode_test::TextPage(20240611u + page).Pixels(), 216});
    return made;
  }();
  return pages[iteration % pages.size()];
}
const Frame& NoisyFrame(std::size_t) {
  static const Frame frame{encode_test::NoisyFrame(), 256};
  return frame;
}

std::size_t EncodeWith(TGIFEncoder& encoder, const Frame& frame, TMemoryStream& sink) {
  sink.Clear();
  encoder.Encode(sink, 8, frame.colorCount, frame.pixels.data(), false, kPageHeight, kPageWidth);
  return sink.Size();
}

// Our side: one compressor per frame, as a picture is written.
template <typename Encoder>
std::size_t EncodeOurs(const Frame& frame, TMemoryStream& sink) {
  Encoder encoder;
  return EncodeWith(encoder, frame, sink);
}

int AppendToVector(GifFileType* gif, const GifByteType* bytes, int count) {
  auto* out = static_cast<std::vector<std::uint8_t>*>(gif->UserData);
  out->insert(out->end(), bytes, bytes + count);
  return count;
}

// giflib's side: a screen and image descriptor with a 256-entry table, then the rows.
std::size_t EncodeGiflib(const Frame& frame, std::vector<std::uint8_t>& sink) {
  sink.clear();
  int error = 0;
  GifFileType* gif = EGifOpen(&sink, AppendToVector, &error);
  if (!gif) throw std::runtime_error(GifErrorString(error));
  std::unique_ptr<ColorMapObject, void (*)(ColorMapObject*)> map(GifMakeMapObject(256, nullptr),
                                                                 GifFreeMapObject);
  bool ok = EGifPutScreenDesc(gif, kPageWidth, kPageHeight, 8, 0, nullptr) == GIF_OK &&
            EGifPutImageDesc(gif, 0, 0, kPageWidth, kPageHeight, false, map.get()) == GIF_OK;
  auto* row = const_cast<GifPixelType*>(frame.pixels.data());
  for (int y = 0; ok && y < kPageHeight; ++y, row += kPageWidth)
    ok = EGifPutLine(gif, row, kPageWidth) == GIF_OK;
  if (EGifCloseFile(gif, &error) != GIF_OK || !ok) throw std::runtime_error("giflib failed");
  return sink.size();
}

void SetCounters(benchmark::State& state, std::size_t bytes) {
  state.counters["output_bytes"] = static_cast<double>(bytes);
  state.SetItemsProcessed(state.iterations() * kPageWidth * kPageHeight);
}

// The machine is shared: with --benchmark_repetitions the fastest run is the one
// least disturbed by other work.
double Fastest(const std::vector<double>& values) { return *std::min_element(values.begin(), values.end()); }

// Microseconds, and the fastest of the repetitions beside their mean.
void InMicroseconds(benchmark::internal::Benchmark* benchmark) {
  benchmark->Unit(benchmark::kMicrosecond)->ComputeStatistics("min", Fastest);
}

template <typename Encoder>
void BM_Ours(benchmark::State& state, TFrames frames) {
  TMemoryStream sink;
  std::size_t bytes = 0;
  std::size_t next = 0;
  for (auto _ : state) benchmark::DoNotOptimize(bytes = EncodeOurs<Encoder>(frames(next++), sink));
  SetCounters(state, bytes);
}

void BM_Lzw(benchmark::State& state, TFrames frames) { BM_Ours<TLZWEncoder>(state, frames); }
void BM_Rle(benchmark::State& state, TFrames frames) { BM_Ours<TRLEEncoder>(state, frames); }

void BM_Giflib(benchmark::State& state, TFrames frames) {
  std::vector<std::uint8_t> sink;
  std::size_t bytes = 0;
  std::size_t next = 0;
  for (auto _ : state) benchmark::DoNotOptimize(bytes = EncodeGiflib(frames(next++), sink));
  SetCounters(state, bytes);
}

// The processor time of this thread: other work on the machine does not count.
double ThreadSeconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + 1e-9 * static_cast<double>(now.tv_nsec);
}

// Runs `ours` and `theirs` in turn on each frame, the next frame every iteration; their
// processor seconds per iteration. Who goes first alternates: the second finds the pixels
// the first has just read in the cache, which on a run of different pages is worth
// several percent.
template <typename Ours, typename Theirs>
std::pair<double, double> InTurn(benchmark::State& state, TFrames frames, Ours ours, Theirs theirs) {
  double oursTime = 0, theirsTime = 0;
  std::size_t next = 0;
  for (auto _ : state) {
    const Frame& frame = frames(next);
    const auto timed = [&frame](auto& run, double& total) {
      const double start = ThreadSeconds();
      run(frame);
      total += ThreadSeconds() - start;
    };
    if (next++ % 2 == 0) {
      timed(ours, oursTime);
      timed(theirs, theirsTime);
    } else {
      timed(theirs, theirsTime);
      timed(ours, oursTime);
    }
  }
  const double n = static_cast<double>(state.iterations());
  return {oursTime / n, theirsTime / n};
}

// Both encoders in turn on the same pixels; speedup = giflib's time / ours (above 1:
// ours is faster).
void BM_SpeedupOverGiflib(benchmark::State& state, TFrames frames) {
  TMemoryStream ours;
  std::vector<std::uint8_t> theirs;
  const auto [oursTime, theirsTime] = InTurn(
      state, frames, [&](const Frame& frame) { EncodeOurs<TLZWEncoder>(frame, ours); },
      [&](const Frame& frame) { EncodeGiflib(frame, theirs); });
  state.counters["ours_ms"] = 1e3 * oursTime;
  state.counters["giflib_ms"] = 1e3 * theirsTime;
  state.counters["speedup"] = theirsTime / oursTime;
}

// The floor the coding loop is held to: the same pixel walk doing nothing but one table
// lookup per pixel, each depending on the one before, as a dictionary walk does. The table
// has a column of 4096 codes per pixel value, the shape of the child table; the codes stay
// below 256, so that every lookup is met by the first-level cache.
class TOneLookupLoop {
public:
  TOneLookupLoop() : table_(256 * kColumn) {
    std::uint32_t seed = 1;
    for (auto& code : table_) code = static_cast<std::uint16_t>((seed = seed * 1103515245u + 12345u) >> 24);
  }
  unsigned Walk(const Frame& frame) const {
    unsigned state = 0;
    for (const std::uint8_t pixel : frame.pixels) state = table_[pixel * kColumn + state];
    return state;
  }

private:
  static constexpr std::size_t kColumn = 4096;
  std::vector<std::uint16_t> table_;
};

void BM_OneLookupLoop(benchmark::State& state, TFrames frames) {
  const TOneLookupLoop loop;
  std::size_t next = 0;
  for (auto _ : state) benchmark::DoNotOptimize(loop.Walk(frames(next++)));
  SetCounters(state, 0);
}

// Both in turn on the same pixels, with one compressor for every frame as the pages of a
// run are written; ratio = our time / the loop's (1: at the floor). The hash table alone
// is how every frame was compressed before the child table.
void BM_LzwOverOneLookupLoop(benchmark::State& state, TFrames frames, TLZWEncoder::TDictionary dictionary) {
  TMemoryStream ours;
  TLZWEncoder encoder(dictionary);
  const TOneLookupLoop loop;
  const auto [oursTime, loopTime] = InTurn(
      state, frames, [&](const Frame& frame) { EncodeWith(encoder, frame, ours); },
      [&](const Frame& frame) { benchmark::DoNotOptimize(loop.Walk(frame)); });
  state.counters["ours_ms"] = 1e3 * oursTime;
  state.counters["loop_ms"] = 1e3 * loopTime;
  state.counters["ratio"] = oursTime / loopTime;
}

BENCHMARK_CAPTURE(BM_Lzw, text_pages, TextFrame)->Apply(InMicroseconds);
BENCHMARK_CAPTURE(BM_Giflib, text_pages, TextFrame)->Apply(InMicroseconds);
BENCHMARK_CAPTURE(BM_Rle, text_pages, TextFrame)->Apply(InMicroseconds);
BENCHMARK_CAPTURE(BM_Lzw, noisy, NoisyFrame)->Apply(InMicroseconds);
BENCHMARK_CAPTURE(BM_Giflib, noisy, NoisyFrame)->Apply(InMicroseconds);
BENCHMARK_CAPTURE(BM_OneLookupLoop, text_pages, TextFrame)->Apply(InMicroseconds);
BENCHMARK_CAPTURE(BM_LzwOverOneLookupLoop, text_pages, TextFrame, TLZWEncoder::TDictionary::Fitted)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_LzwOverOneLookupLoop, text_pages_hash_table, TextFrame, TLZWEncoder::TDictionary::Hashed)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_SpeedupOverGiflib, text_pages, TextFrame)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_SpeedupOverGiflib, noisy, NoisyFrame)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
