// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/run/page_pipeline.h"

#include <algorithm>
#include <condition_variable>
#include <exception>
#include <map>
#include <mutex>
#include <thread>

namespace {

// The shared state of one pipeline run.
class TPipeline {
public:
  TPipeline(int count, int workers) : count_(count), window_(4 * workers) {}

  // A worker's loop: takes the next page number, waits while too many pages are ahead of
  // the delivery, makes the page and files it.
  void Work(const TPageMaker& make) {
    for (;;) {
      int index = 0;
      {
        std::unique_lock lock(mutex_);
        ++waitingForSpace_;
        space_.wait(lock, [&] { return stopped_ || next_ >= count_ || next_ < delivered_ + window_; });
        --waitingForSpace_;
        if (stopped_ || next_ >= count_) return;
        index = next_++;
      }
      bool awaited = false;
      try {
        TPageBytes page = make(index);
        const std::lock_guard lock(mutex_);
        done_.emplace(index, std::move(page));
        awaited = index == awaited_;
      } catch (...) {
        const std::lock_guard lock(mutex_);
        if (!failure_) failure_ = std::current_exception();
        stopped_ = true;
        awaited = true;
        space_.notify_all();
      }
      // Waking the delivery costs a switch between threads: only for the page it waits for.
      if (awaited) ready_.notify_one();
    }
  }

  // The next page in order, or the first worker failure.
  TPageBytes Take(int index) {
    std::unique_lock lock(mutex_);
    awaited_ = index;
    ready_.wait(lock, [&] { return failure_ || done_.contains(index); });
    awaited_ = -1;
    if (failure_) std::rethrow_exception(failure_);
    auto node = done_.extract(index);
    delivered_ = index + 1;
    if (waitingForSpace_ > 0) space_.notify_all();
    return std::move(node.mapped());
  }

  void Stop() {
    const std::lock_guard lock(mutex_);
    stopped_ = true;
    space_.notify_all();
  }

private:
  const int count_;
  const int window_;
  std::mutex mutex_;
  std::condition_variable space_, ready_;
  int next_ = 0, delivered_ = 0;
  int awaited_ = -1;         // the page the delivery waits for
  int waitingForSpace_ = 0;  // workers waiting for a page to be delivered
  bool stopped_ = false;
  std::exception_ptr failure_;
  std::map<int, TPageBytes> done_;
};

// Joins every worker, also when the delivery fails.
class TWorkers {
public:
  explicit TWorkers(TPipeline& pipeline) : pipeline_(pipeline) {}
  ~TWorkers() {
    pipeline_.Stop();
    for (auto& thread : threads_) thread.join();
  }
  TWorkers(const TWorkers&) = delete;
  TWorkers& operator=(const TWorkers&) = delete;
  void Start(TPageMaker make) {
    threads_.emplace_back([this, make = std::move(make)] { pipeline_.Work(make); });
  }

private:
  TPipeline& pipeline_;
  std::vector<std::thread> threads_;
};

}  // namespace

void RunPagePipeline(int count, int workers, const std::function<TPageMaker()>& makeMaker,
                     const std::function<void(int index, TPageBytes&& page)>& deliver) {
  if (count <= 0) return;
  if (workers <= 1) {
    const TPageMaker make = makeMaker();
    for (int index = 0; index < count; ++index) deliver(index, make(index));
    return;
  }
  TPipeline pipeline(count, workers);
  TWorkers threads(pipeline);
  for (int w = 0; w < workers; ++w) threads.Start(makeMaker());
  for (int index = 0; index < count; ++index) deliver(index, pipeline.Take(index));
}

int PageWorkerCount(int requested, int pages) {
  const int cores = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
  return std::clamp(requested > 0 ? requested : cores, 1, std::max(1, pages));
}
