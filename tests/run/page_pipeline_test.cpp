// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/run/page_pipeline.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <atomic>
#include <mutex>
#include <set>
#include <stdexcept>
#include <thread>
#include <vector>

namespace {

using testing::ElementsAreArray;
using testing::ThrowsMessage;

// A run of `count` pages on `workers` makers: what it delivered, on which threads the pages
// were made (the calling thread's among them), and how far making ran ahead of delivering.
struct TPipelineRun {
  std::vector<int> delivered;
  std::set<std::thread::id> makers;
  int furthestAhead = 0;
};

TPipelineRun RunPipeline(int count, int workers, int failingPage = -1) {
  TPipelineRun run;
  std::mutex mutex;
  std::atomic<int> deliveredCount = 0;
  const std::thread::id caller = std::this_thread::get_id();
  RunPagePipeline(
      count, workers,
      [&]() -> TPageMaker {
        return [&](int index) {
          if (index == failingPage) throw std::runtime_error("page " + std::to_string(index));
          const std::lock_guard lock(mutex);
          run.makers.insert(std::this_thread::get_id());
          run.furthestAhead = std::max(run.furthestAhead, index - deliveredCount.load());
          return TPageBytes{static_cast<std::uint8_t>(index % 256)};
        };
      },
      [&](int index, TPageBytes&& page) {
        EXPECT_EQ(std::this_thread::get_id(), caller) << "pages are delivered on the calling thread";
        EXPECT_EQ(page, TPageBytes{static_cast<std::uint8_t>(index % 256)});
        run.delivered.push_back(index);
        ++deliveredCount;
      });
  return run;
}

TEST(PagePipelineTest, EveryPageOnceInOrderFromAtMostTheMakersAskedFor) {
  for (const int workers : {1, 2, 4})
    for (const int count : {0, 1, 3, 200}) {
      SCOPED_TRACE(testing::Message() << workers << " makers, " << count << " pages");
      const TPipelineRun run = RunPipeline(count, workers);
      std::vector<int> all(static_cast<std::size_t>(count));
      for (int i = 0; i < count; ++i) all[static_cast<std::size_t>(i)] = i;
      EXPECT_THAT(run.delivered, ElementsAreArray(all));
      EXPECT_LE(run.makers.size(), static_cast<std::size_t>(workers));
      EXPECT_LE(run.furthestAhead, 4 * workers) << "only a bounded number of pages wait";
    }
}

TEST(PagePipelineTest, TheFirstFailurePassesOnOnceTheHelpersHaveStopped) {
  // The first page is the calling thread's own; later ones are mostly its helpers'.
  for (const int failing : {0, 1, 57})
    for (const int workers : {1, 2, 3}) {
      SCOPED_TRACE(testing::Message() << workers << " makers, page " << failing << " fails");
      EXPECT_THAT([&] { RunPipeline(100, workers, failing); },
                  ThrowsMessage<std::runtime_error>("page " + std::to_string(failing)));
    }
  // And a delivery that fails.
  EXPECT_THAT(
      [] {
        RunPagePipeline(
            100, 2, [] { return TPageMaker([](int) { return TPageBytes{1}; }); },
            [](int index, TPageBytes&&) {
              if (index == 10) throw std::runtime_error("card full");
            });
      },
      ThrowsMessage<std::runtime_error>("card full"));
}

}  // namespace
