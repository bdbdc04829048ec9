// SPDX-License-Identifier: GPL-3.0-or-later
// The whole job on the King James Bible (5 802 pages): our run with one and two page
// workers, default and compact pages, beside the same job scripted with Pillow, on tmpfs
// and on the disk, in one run; and bytes per page beside gifsicle -O3 on the same pages.
// The Bible comes from Debian's bible-kjv (`bible`); without it a book of the same size is
// made from the sample. The peer needs python3-pil; the page sizes need gifsicle.
#include <benchmark/benchmark.h>
#include <gif_lib.h>

#include <QGuiApplication>
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "app/main_state.h"
#include "bench/bench_support.h"

namespace {

namespace fs = std::filesystem;

// Where the pages go (the benchmark argument "disk"): a RAM disk, or the disk /var/tmp is on.
const fs::path kPlaces[] = {"/dev/shm", "/var/tmp"};

// A fresh folder inside `parent`, removed only when the program ends: on ext4, creating
// files just after thousands were deleted costs several times more (the inode allocator
// steps over recently freed inodes), which would charge one case for its predecessor.
const fs::path& FreshFolder(const fs::path& parent) {
  static std::vector<std::unique_ptr<TScratch>> folders;
  return folders.emplace_back(std::make_unique<TScratch>(parent))->Path();
}

// The Bible as plain text, one verse a line, written once for every measurement.
const std::string& BiblePath() {
  static const TScratch scratch("/dev/shm");
  static const std::string path = [] {
    const std::string book = (scratch.Path() / "kjv.txt").string();
    const std::string command = "bible -f 'Gen1:1-Rev22:21' >'" + book + "' 2>/dev/null";
    if (std::system(command.c_str()) != 0 || fs::file_size(book) < 4'000'000) {
      std::ostringstream sample;
      sample << std::ifstream(kSourceRoot / "samples" / "zegarmistrz.txt", std::ios::binary).rdbuf();
      std::ofstream out(book, std::ios::binary | std::ios::trunc);
      for (std::size_t written = 0; written < 4'400'000; written += sample.str().size()) out << sample.str();
    }
    return book;
  }();
  return path;
}

// The peer's cost on each place, for the ratios of our runs after it.
TJobCost peerCost[std::size(kPlaces)];

void BM_BiblePillowPeer(benchmark::State& state) {
  const auto place = static_cast<std::size_t>(state.range(0));
  peerCost[place] = RunPillowPeer(state, BiblePath(), FreshFolder(kPlaces[place]));
}
BENCHMARK(BM_BiblePillowPeer)
    ->ArgName("disk")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->UseRealTime();

// x_peer: our pages per second over the peer's on the same place; x_peer_cpu: the peer's
// processor time per page over ours, all threads (absent when the peer did not run).
void BM_Bible(benchmark::State& state) {
  const auto place = static_cast<std::size_t>(state.range(1));
  int files = 0;
  const auto start = std::chrono::steady_clock::now();
  const double cpuStart = CpuSeconds(RUSAGE_SELF);
  for (auto _ : state) {
    TMainState main;
    main.LoadTextFile(BiblePath());
    main.Settings().targetFolder = FreshFolder(kPlaces[place]).string() + "/";
    main.Settings().jobs = static_cast<int>(state.range(0));
    main.Settings().compactPages = state.range(2) != 0;
    files = main.Generate().filesWritten;
  }
  const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
  const double pages = files * static_cast<double>(state.iterations());
  const TJobCost ours{pages / seconds.count(), 1e3 * (CpuSeconds(RUSAGE_SELF) - cpuStart) / pages};
  CountFiles(state, files);
  state.counters["peak_MB"] = PeakMegabytes();
  state.counters["cpu_ms/page"] = ours.cpuMsPerPage;
  if (peerCost[place].pagesPerSecond > 0) {
    state.counters["x_peer"] = ours.pagesPerSecond / peerCost[place].pagesPerSecond;
    state.counters["x_peer_cpu"] = peerCost[place].cpuMsPerPage / ours.cpuMsPerPage;
  }
}
BENCHMARK(BM_Bible)
    ->ArgNames({"jobs", "disk", "compact"})
    ->ArgsProduct({{1, 2}, {0, 1}, {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->UseRealTime();

// The GIF files in a folder, by name.
std::vector<fs::path> Pages(const fs::path& folder) {
  std::vector<fs::path> pages;
  for (const auto& entry : fs::directory_iterator(folder))
    if (entry.path().extension() == ".gif") pages.push_back(entry.path());
  std::ranges::sort(pages);
  return pages;
}

// Every pixel's red, green and blue as giflib decodes the file; empty when it cannot.
std::vector<std::uint8_t> DecodedRgb(const fs::path& file) {
  int error = 0;
  GifFileType* gif = DGifOpenFileName(file.c_str(), &error);
  std::vector<std::uint8_t> rgb;
  if (!gif) return rgb;
  if (DGifSlurp(gif) == GIF_OK && gif->ImageCount == 1) {
    const SavedImage& image = gif->SavedImages[0];
    const ColorMapObject* map = image.ImageDesc.ColorMap ? image.ImageDesc.ColorMap : gif->SColorMap;
    const auto count =
        static_cast<std::size_t>(image.ImageDesc.Width) * static_cast<std::size_t>(image.ImageDesc.Height);
    for (std::size_t i = 0; map && i < count; ++i) {
      const int index = image.RasterBits[i];
      if (index >= map->ColorCount) return {};
      const GifColorType& c = map->Colors[index];
      rgb.insert(rgb.end(), {c.Red, c.Green, c.Blue});
    }
  }
  DGifCloseFile(gif, &error);
  return rgb;
}

std::uintmax_t TotalBytes(const std::vector<fs::path>& pages) {
  std::uintmax_t total = 0;
  for (const auto& page : pages) total += fs::file_size(page);
  return total;
}

// Bytes per page: ours by default and compact, beside what gifsicle -O3 (a general GIF
// optimiser) makes of our default pages. compact_larger: compact pages larger than
// gifsicle's; rgb_differ: compact pages that do not show the default page's colours.
void BM_BibleBytes(benchmark::State& state) {
  if (std::system("gifsicle --version >/dev/null 2>&1") != 0) {
    state.SkipWithError("gifsicle is missing: apt-get install -y gifsicle");
    return;
  }
  fs::path folders[3];  // default, compact, optimised
  for (auto _ : state) {
    for (const bool compact : {false, true}) {
      TMainState main;
      main.LoadTextFile(BiblePath());
      folders[compact] = FreshFolder(kPlaces[0]);
      main.Settings().targetFolder = folders[compact].string() + "/";
      main.Settings().compactPages = compact;
      main.Generate();
    }
    folders[2] = FreshFolder(kPlaces[0]);
    fs::copy(folders[0], folders[2]);
    const std::string command =
        "cd '" + folders[2].string() + "' && ls | grep '\\.gif$' | xargs gifsicle -O3 --batch";
    if (std::system(command.c_str()) != 0) state.SkipWithError("gifsicle failed");
  }
  const std::vector<fs::path> pages[3] = {Pages(folders[0]), Pages(folders[1]), Pages(folders[2])};
  if (pages[0].size() != pages[1].size() || pages[0].size() != pages[2].size() || pages[0].empty()) {
    state.SkipWithError("the three folders do not hold the same pages");
    return;
  }
  int larger = 0, differ = 0;
  for (std::size_t i = 0; i < pages[0].size(); ++i) {
    larger += fs::file_size(pages[1][i]) > fs::file_size(pages[2][i]);
    const auto rgb = DecodedRgb(pages[1][i]);
    differ += rgb.empty() || rgb != DecodedRgb(pages[0][i]);
  }
  const auto n = static_cast<double>(pages[0].size());
  state.counters["files"] = n;
  state.counters["default_B"] = static_cast<double>(TotalBytes(pages[0])) / n;
  state.counters["compact_B"] = static_cast<double>(TotalBytes(pages[1])) / n;
  state.counters["gifsicle_O3_B"] = static_cast<double>(TotalBytes(pages[2])) / n;
  state.counters["compact_larger"] = larger;
  state.counters["rgb_differ"] = differ;
}
BENCHMARK(BM_BibleBytes)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

}  // namespace

STRONIX_BENCHMARK_MAIN()
