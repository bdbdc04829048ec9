// The whole job on the King James Bible (5 802 pages): our run with one and two page
// workers beside the same job scripted with Pillow, on tmpfs and on the disk, in one run.
// The Bible comes from Debian's bible-kjv (`bible`); without it a book of the same size is
// made from the sample. The peer needs python3-pil.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <memory>
#include <string>
#include <vector>

#include "app/main_state.h"
#include "bench/bench_support.h"

namespace {

namespace fs = std::filesystem;

const fs::path kSourceRoot = fs::path(__FILE__).parent_path().parent_path();
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


void BM_Bible(benchmark::State& state) {
  int files = 0;
  for (auto _ : state) {
    TMainState main;
    main.LoadTextFile(BiblePath());
    main.Settings().targetFolder = FreshFolder(kPlaces[state.range(1)]).string() + "/";
    main.Settings().jobs = static_cast<int>(state.range(0));
    files = main.Generate().filesWritten;
  }
  CountFiles(state, files);
  state.counters["peak_MB"] = PeakMegabytes();
}
BENCHMARK(BM_Bible)
    ->ArgNames({"jobs", "disk"})
    ->ArgsProduct({{1, 2}, {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->UseRealTime();

void BM_BiblePillowPeer(benchmark::State& state) {
  RunPillowPeer(state, BiblePath(), FreshFolder(kPlaces[state.range(0)]));
}
BENCHMARK(BM_BiblePillowPeer)->ArgName("disk")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

}  // namespace

STRONIX_BENCHMARK_MAIN()
