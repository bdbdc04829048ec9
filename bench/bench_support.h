// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the benchmark programs share: a scratch folder, a pages-per-second counter and a
// main that gives them the application object text drawing needs.
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <sys/resource.h>

#include <QGuiApplication>
#include <chrono>
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

// Processor seconds, all threads, of this process (RUSAGE_SELF) or of its finished children
// (RUSAGE_CHILDREN): less disturbed than the wall clock by other work on a shared machine.
inline double CpuSeconds(int who) {
  rusage usage{};
  ::getrusage(who, &usage);
  const auto seconds = [](const timeval& t) {
    return static_cast<double>(t.tv_sec) + 1e-6 * static_cast<double>(t.tv_usec);
  };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// What one job made and what it cost: pages per second of wall clock, processor
// milliseconds per page.
struct TJobCost {
  double pagesPerSecond = 0;
  double cpuMsPerPage = 0;
};

// The source folder, for the sample book and the peer.
inline const std::filesystem::path kSourceRoot = STRONIX_SOURCE_DIR;

// The Pillow script: shared/peers beside the repository, or beside the folder of work trees
// the repository is checked out in.
inline std::filesystem::path PillowPeerScript() {
  const std::filesystem::path& root = kSourceRoot;
  for (const auto& beside : {root.parent_path(), root.parent_path().parent_path()}) {
    const auto script = beside / "shared" / "peers" / "book2gif_pillow.py";
    if (std::filesystem::exists(script)) return script;
  }
  return {};
}

// The whole job scripted with Pillow (shared/peers, Debian's python3-pil): `book` into a
// scratch folder inside `parent`, counted like ours. Returns its cost, zero when it could
// not run.
inline TJobCost RunPillowPeer(benchmark::State& state, const std::string& book,
                              const std::filesystem::path& parent = std::filesystem::temp_directory_path()) {
  const std::filesystem::path peer = PillowPeerScript();
  if (peer.empty()) {
    state.SkipWithError("the peer script shared/peers/book2gif_pillow.py is missing");
    return {};
  }
  if (std::system("/usr/bin/python3 -c 'import PIL' 2>/dev/null") != 0) {
    state.SkipWithError("python3-pil is missing: apt-get install -y python3-pil");
    return {};
  }
  const TScratch scratch(parent);
  const std::string out = (scratch.Path() / "out").string();
  const std::string command =
      "/usr/bin/python3 '" + peer.string() + "' '" + book + "' '" + out + "' >/dev/null";
  const auto start = std::chrono::steady_clock::now();
  const double cpuStart = CpuSeconds(RUSAGE_CHILDREN);
  for (auto _ : state)
    if (std::system(command.c_str()) != 0) {
      state.SkipWithError("the peer script failed");
      return {};
    }
  const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
  const auto files = static_cast<double>(
      std::distance(std::filesystem::directory_iterator(out), std::filesystem::directory_iterator()));
  CountFiles(state, files);
  const double pages = files * static_cast<double>(state.iterations());
  const TJobCost cost{pages / seconds.count(), 1e3 * (CpuSeconds(RUSAGE_CHILDREN) - cpuStart) / pages};
  state.counters["cpu_ms/page"] = cost.cpuMsPerPage;
  return cost;
}

// A benchmark program's main: text is measured and drawn off screen.
#define STRONIX_BENCHMARK_MAIN()                 \
  int main(int argc, char** argv) {              \
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0); \
    QGuiApplication application(argc, argv);     \
    benchmark::Initialize(&argc, argv);          \
    benchmark::RunSpecifiedBenchmarks();         \
    benchmark::Shutdown();                       \
    return 0;                                    \
  }
