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

  // A helper thread's loop: takes the next page number, waits while too many pages are
  // ahead of the delivery, makes the page and files it.
  void Work(const TPageMaker& make) {
    for (;;) {
      int index = 0;
      {
        std::unique_lock lock(mutex_);
        ++waitingForSpace_;
        space_.wait(lock, [&] { return stopped_ || next_ >= count_ || HasSpace(); });
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

  // The calling thread's loop: delivers the pages in order and, while the next one is still
  // being made, makes one itself. A separate delivery thread would be woken for nearly every
  // page, and each wake-up is a switch on a core that is making pages.
  void MakeAndDeliver(const TPageMaker& make,
                      const std::function<void(int index, TPageBytes&& page)>& deliver) {
    for (int index = 0; index < count_; ++index) {
      TPageBytes page;
      while (!TryTake(index, page)) {
        const int own = TakeOwnNumber();
        if (own < 0) {
          page = Take(index);
          break;
        }
        TPageBytes made = make(own);
        const std::lock_guard lock(mutex_);
        done_.emplace(own, std::move(made));
      }
      deliver(index, std::move(page));
    }
  }

  void Stop() {
    const std::lock_guard lock(mutex_);
    stopped_ = true;
    space_.notify_all();
  }

private:
  bool HasSpace() const { return next_ < delivered_ + window_; }

  // Page `index` into `page` when it is made; the first helper failure is raised.
  bool TryTake(int index, TPageBytes& page) {
    const std::lock_guard lock(mutex_);
    if (failure_) std::rethrow_exception(failure_);
    const auto found = done_.find(index);
    if (found == done_.end()) return false;
    page = std::move(found->second);
    done_.erase(found);
    Delivered(index);
    return true;
  }

  // Waits for page `index`, which a helper is making.
  TPageBytes Take(int index) {
    std::unique_lock lock(mutex_);
    awaited_ = index;
    ready_.wait(lock, [&] { return failure_ || done_.contains(index); });
    awaited_ = -1;
    if (failure_) std::rethrow_exception(failure_);
    auto node = done_.extract(index);
    Delivered(index);
    return std::move(node.mapped());
  }

  // The next page number for the calling thread, or -1 when none is left or the window is full.
  int TakeOwnNumber() {
    const std::lock_guard lock(mutex_);
    return next_ < count_ && HasSpace() ? next_++ : -1;
  }

  void Delivered(int index) {
    delivered_ = index + 1;
    if (waitingForSpace_ > 0) space_.notify_all();
  }

  const int count_;
  const int window_;
  std::mutex mutex_;
  std::condition_variable space_, ready_;
  int next_ = 0, delivered_ = 0;
  int awaited_ = -1;         // the page the delivery waits for
  int waitingForSpace_ = 0;  // helpers waiting for a page to be delivered
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
  const TPageMaker own = makeMaker();
  TWorkers helpers(pipeline);
  for (int w = 1; w < workers; ++w) helpers.Start(makeMaker());
  pipeline.MakeAndDeliver(own, deliver);
}

int PageWorkerCount(int requested, int pages) {
  const int cores = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
  return std::clamp(requested > 0 ? requested : cores, 1, std::max(1, pages));
}
