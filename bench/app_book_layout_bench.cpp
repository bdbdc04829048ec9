// SPDX-License-Identifier: GPL-3.0-or-later
// The King James Bible as an EPUB (Debian's bible-kjv text, a chapter per book, made with
// pandoc) converted with two page workers in the book layout, beside the classic layout, on
// a RAM disk; and the typesetting alone. Without bible or pandoc the benchmarks are skipped.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "app/main_state.h"
#include "app/run/book_layout.h"
#include "bench/bench_support.h"

namespace {

namespace fs = std::filesystem;

// The Bible as Markdown, a heading at each book ("Ge", "Ex", ...), a paragraph per verse,
// turned into an EPUB by pandoc once for every measurement. Empty when that cannot be done.
const std::string& BibleEpub() {
  static const TScratch scratch("/dev/shm");
  static const std::string path = [] {
    const fs::path text = scratch.Path() / "kjv.txt", markdown = scratch.Path() / "kjv.md";
    const fs::path epub = scratch.Path() / "kjv.epub";
    const std::string read = "bible -f 'Gen1:1-Rev22:21' >'" + text.string() + "' 2>/dev/null";
    if (std::system(read.c_str()) != 0) return std::string();
    std::ifstream verses(text);
    std::ofstream out(markdown);
    std::string verse, book;
    while (std::getline(verses, verse)) {
      const std::string name = verse.substr(0, verse.find_first_of("0123456789"));
      if (name != book) out << "\n# " << (book = name) << "\n\n";
      out << verse << "\n\n";
    }
    out.close();
    const std::string make = "pandoc '" + markdown.string() + "' -o '" + epub.string() +
                             "' --metadata title='The King James Bible' --metadata lang=en-US 2>/dev/null";
    return std::system(make.c_str()) == 0 ? epub.string() : std::string();
  }();
  return path;
}

// book: 0 the classic layout, 1 the book layout; large: 1 the book layout on a 960 × 544
// screen; two page workers.
void BM_BibleEpub(benchmark::State& state) {
  if (BibleEpub().empty()) return state.SkipWithError("no bible (bible-kjv) or pandoc");
  const bool book = state.range(0) != 0;
  std::vector<std::unique_ptr<TScratch>> folders;
  int files = 0;
  for (auto _ : state) {
    TMainState main;
    main.LoadTextFile(BibleEpub());
    main.Settings().targetFolder =
        folders.emplace_back(std::make_unique<TScratch>("/dev/shm"))->Path().string() + "/";
    main.Settings().jobs = 2;
    main.Settings().layout = book ? TLayoutKind::Book : TLayoutKind::Classic;
    if (state.range(1) != 0) main.Settings().screen = kScreenPresets[1];
    files = main.Generate().filesWritten;
  }
  CountFiles(state, files);
  state.counters["peak_MB"] = PeakMegabytes();
}
BENCHMARK(BM_BibleEpub)
    ->ArgNames({"book", "large"})
    ->Args({0, 0})
    ->Args({1, 0})
    ->Args({1, 1})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2)
    ->UseRealTime();

// The typesetting alone, the part of a book-layout run that one thread does before the
// page workers start.
void BM_BibleTypeset(benchmark::State& state) {
  if (BibleEpub().empty()) return state.SkipWithError("no bible (bible-kjv) or pandoc");
  TMainState main;
  main.LoadTextFile(BibleEpub());
  main.Settings().layout = TLayoutKind::Book;
  std::size_t pages = 0;
  const TConversionJob job = main.Job();
  for (auto _ : state) pages = TypesetForRun(job).pages.size();
  CountFiles(state, static_cast<double>(pages));
}
BENCHMARK(BM_BibleTypeset)->Unit(benchmark::kMillisecond)->Iterations(2)->UseRealTime();

}  // namespace

STRONIX_BENCHMARK_MAIN()
