#pragma once
// What the benchmark programs share: a scratch folder, a pages-per-second counter and a
// main that gives them the application object text drawing needs.
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <sys/resource.h>

#include <QGuiApplication>
#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <string>

// A folder of its own for one measurement inside `parent`, removed afterwards.
class TScratch {
public:
  explicit TScratch(const std::filesystem::path& parent = std::filesystem::temp_directory_path()) {
    std::string name = (parent / "stronix-bench-XXXXXX").string();
    path_ = ::mkdtemp(name.data());
  }
  ~TScratch() { std::filesystem::remove_all(path_); }
  TScratch(const TScratch&) = delete;
  TScratch& operator=(const TScratch&) = delete;
  const std::filesystem::path& Path() const { return path_; }

private:
  std::filesystem::path path_;
};

// Files written by every iteration, and pages per second.
inline void CountFiles(benchmark::State& state, double files) {
  state.counters["files"] = files;
  state.counters["pages/s"] =
      benchmark::Counter(files * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

// Peak memory of the process so far, in megabytes.
inline double PeakMegabytes() {
  rusage usage{};
  ::getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// The whole job scripted with Pillow (shared/peers, Debian's python3-pil): `book` into a
// scratch folder inside `parent`, counted like ours.
inline void RunPillowPeer(benchmark::State& state, const std::string& book,
                          const std::filesystem::path& parent = std::filesystem::temp_directory_path()) {
  if (std::system("/usr/bin/python3 -c 'import PIL' 2>/dev/null") != 0) {
    state.SkipWithError("python3-pil is missing: apt-get install -y python3-pil");
    return;
  }
  const std::filesystem::path peer = std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() /
                                     "shared" / "peers" / "book2gif_pillow.py";
  const TScratch scratch(parent);
  const std::string out = (scratch.Path() / "out").string();
  const std::string command = "/usr/bin/python3 '" + peer.string() + "' '" + book + "' '" + out + "' >/dev/null";
  for (auto _ : state)
    if (std::system(command.c_str()) != 0) state.SkipWithError("the peer script failed");
  CountFiles(state, static_cast<double>(std::distance(std::filesystem::directory_iterator(out),
                                                      std::filesystem::directory_iterator())));
}

// A benchmark program's main: text is measured and drawn off screen.
#define STRONIX_BENCHMARK_MAIN()                                  \
  int main(int argc, char** argv) {                               \
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);                  \
    QGuiApplication application(argc, argv);                      \
    benchmark::Initialize(&argc, argv);                           \
    benchmark::RunSpecifiedBenchmarks();                          \
    benchmark::Shutdown();                                        \
    return 0;                                                     \
  }
