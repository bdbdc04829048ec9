// SPDX-License-Identifier: GPL-3.0-or-later
// End-to-end book conversion: pages per second on a long book, the wrap of a 4.4 MB text,
// and peak memory; beside the same job scripted with Pillow, run in the same process. One
// page from text to GIF bytes, in a file or in memory: through the image model as every
// page went before, beside the page encoder.
// The peer needs Debian's python3-pil:  apt-get install -y python3-pil
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "app/delivery/staged_book.h"
#include "app/drawing/page_drawing.h"
#include "app/layout/line_list.h"
#include "app/layout/page_layout.h"
#include "app/layout/pagination.h"
#include "app/main_state.h"
#include "app/text/text_file.h"
#include "bench/bench_support.h"
#include "gif/model/image.h"
#include "gif/model/page_encoder.h"
#include "platform/directory.h"
#include "platform/safe_file_stream.h"
#include "platform/stream.h"

namespace {

namespace fs = std::filesystem;

const fs::path kSample = kSourceRoot / "samples" / "zegarmistrz.txt";

// The sample book repeated until it holds at least `bytes` bytes.
std::string LongBook(std::size_t bytes) {
  std::ostringstream sample;
  sample << std::ifstream(kSample, std::ios::binary).rdbuf();
  std::string book;
  while (book.size() < bytes) book += sample.str();
  return book;
}

std::string WriteBook(const TScratch& scratch, std::size_t bytes) {
  const std::string path = (scratch.Path() / "book.txt").string();
  std::ofstream(path, std::ios::binary) << LongBook(bytes);
  return path;
}

void BM_WrapBook(benchmark::State& state) {
  const auto text = std::make_shared<const std::string>(NormaliseLineBreaks(LongBook(4'400'000)));
  const TPageFont font;
  std::size_t lines = 0;
  for (auto _ : state) lines = TLineList(text, font).size();
  state.counters["MB"] = static_cast<double>(text->size()) / 1e6;
  state.counters["lines"] = static_cast<double>(lines);
}
BENCHMARK(BM_WrapBook)->Unit(benchmark::kMillisecond)->Iterations(5);

// Pages per second, one page per iteration.
void PageCounter(benchmark::State& state) {
  state.counters["pages/s"] =
      benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

// A page drawn by Qt alone (printer:0) or by the line printer a run draws with (printer:1).
void BM_DrawPage(benchmark::State& state) {
  TMainState main;
  TPageRaster raster;
  const TLineList lines = main.Memo().Lines();
  const TPageSpan page =
      Paginate(lines, ComputeLayout(main.Memo().Font().height).linesPerPage, false).front();
  const std::unique_ptr<TLinePrinter> printer = state.range(0) ? MakeLinePrinter(main.Memo()) : nullptr;
  for (auto _ : state) {
    ClearPage(raster, main.Memo());
    DrawPageLines(raster, main.Memo(), lines, page, printer.get());
  }
  PageCounter(state);
}
BENCHMARK(BM_DrawPage)->ArgName("printer")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The sample book's pages, drawn one after another on one raster, from the start again
// when the book ends: both page writers below get the same pages in the same order.
class TPageFeed {
public:
  TPageFeed() {
    main_.LoadTextFile(kSample.string());
    printer_ = MakeLinePrinter(main_.Memo());
    lines_ = main_.Memo().Lines();
    pages_ = Paginate(lines_, ComputeLayout(main_.Memo().Font().height).linesPerPage, false);
  }
  // Clears the raster and draws the next page on it.
  TPageRaster& NextPage() {
    ClearPage(raster_, main_.Memo());
    DrawPageLines(raster_, main_.Memo(), lines_, pages_[next_], printer_.get());
    next_ = (next_ + 1) % pages_.size();
    return raster_;
  }

private:
  TMainState main_;
  TPageRaster raster_;
  std::unique_ptr<TLinePrinter> printer_;  // as a run's page worker draws
  TLineList lines_;
  std::vector<TPageSpan> pages_;
  std::size_t next_ = 0;
};

// Where one page's GIF bytes go (the benchmark argument "sink"): kept in memory, as the
// run's page workers hand pages on; a file that appears whole, as WriteToFile writes it;
// one plain write of the whole file, as the run's staging folder takes a page.
enum TPageSink : int { kMemory = 0, kSafeFile = 1, kWholeFile = 2 };

// The page file every case writes again and again, in its scratch folder; a plain write goes
// through the folder held open, as a run's staging folder is.
constexpr const char* kPageName = "0001.gif";

void Deliver(benchmark::State& state, const TDirectory& folder, const std::string& path,
             const std::vector<std::uint8_t>& bytes) {
  if (state.range(0) == kWholeFile)
    WriteWholeFile(folder, kPageName, path, bytes.data(), bytes.size());
  else
    benchmark::DoNotOptimize(bytes.data());
}

// One page from text to GIF bytes as every page went before the page encoder: a fresh
// image imports the raster (turning it to 24 bits, so the next drawing turns it back) and
// writes itself.
void BM_PageThroughImage(benchmark::State& state) {
  TScratch scratch;
  const std::string path = (scratch.Path() / kPageName).string();
  const TDirectory folder(scratch.Path().string());
  TPageFeed feed;
  for (auto _ : state) {
    TPageRaster& raster = feed.NextPage();
    TGIFImage image;
    image.AssignFrom(&raster.Bitmap());
    if (state.range(0) == kSafeFile) {
      image.WriteToFile(path);
    } else {
      TMemoryStream stream;
      image.SaveToStream(stream);
      Deliver(state, folder, path, stream.Bytes());
    }
  }
  PageCounter(state);
}
BENCHMARK(BM_PageThroughImage)
    ->ArgName("sink")
    ->Arg(kSafeFile)
    ->Arg(kWholeFile)
    ->Arg(kMemory)
    ->Unit(benchmark::kMicrosecond);

// The same pages through one page encoder kept for the whole run, its bytes in one write.
void BM_PageThroughEncoder(benchmark::State& state) {
  TScratch scratch;
  const std::string path = (scratch.Path() / kPageName).string();
  const TDirectory folder(scratch.Path().string());
  TPageFeed feed;
  TPageEncoder encoder;
  for (auto _ : state) {
    TPageRaster& raster = feed.NextPage();
    if (state.range(0) == kSafeFile) {
      TSafeFileStream file(path);
      encoder.Encode(raster.Bitmap(), file);
      file.Commit();
    } else {
      TMemoryStream stream;
      encoder.Encode(raster.Bitmap(), stream);
      Deliver(state, folder, path, stream.Bytes());
    }
  }
  PageCounter(state);
}
BENCHMARK(BM_PageThroughEncoder)
    ->ArgName("sink")
    ->Arg(kSafeFile)
    ->Arg(kWholeFile)
    ->Arg(kMemory)
    ->Unit(benchmark::kMicrosecond);

// Book sizes: 1.2 MB makes about 2 170 pages, 4.4 MB about 7 940.
void BM_ConvertBook(benchmark::State& state) {
  TScratch scratch;
  const std::string book = WriteBook(scratch, static_cast<std::size_t>(state.range(0)));
  int files = 0;
  for (auto _ : state) {
    TMainState main;
    main.LoadTextFile(book);
    files = main.Generate().filesWritten;
  }
  CountFiles(state, files);
  state.counters["peak_MB"] = PeakMegabytes();
}
BENCHMARK(BM_ConvertBook)
    ->Arg(1'200'000)
    ->Arg(4'400'000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->UseRealTime();

void BM_PillowPeer(benchmark::State& state) {
  const TScratch scratch;
  RunPillowPeer(state, WriteBook(scratch, static_cast<std::size_t>(state.range(0))));
}
BENCHMARK(BM_PillowPeer)->Arg(1'200'000)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

}  // namespace

STRONIX_BENCHMARK_MAIN()
