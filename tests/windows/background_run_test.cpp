// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/windows/background_run.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <algorithm>
#include <stdexcept>
#include <thread>

#include "window_test_support.h"

namespace {

TEST(BackgroundRunTest, ReportsProgressInOrderAndEndsOnTheCallersThread) {
  TBackgroundRun run([](TRunMonitor& monitor) {
    for (int page = 1; page <= 1000; ++page) monitor.PageDone(page, 1000);
  });
  QList<int> seen;
  QObject::connect(&run, &TBackgroundRun::Progress, [&](int done, int total) {
    EXPECT_EQ(total, 1000);
    EXPECT_EQ(QThread::currentThread(), qApp->thread());
    seen.append(done);
  });
  QSignalSpy ended(&run, &TBackgroundRun::Ended);
  // The worker queues its last report before its end, and both come to this thread in order.
  ASSERT_TRUE(ended.wait(10'000));
  ASSERT_FALSE(seen.isEmpty());
  EXPECT_EQ(seen.back(), 1000);
  EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));
  EXPECT_FALSE(run.Error());
}

TEST(BackgroundRunTest, AFailureOfTheWorkIsKeptForTheCaller) {
  TBackgroundRun run([](TRunMonitor&) { throw std::runtime_error("Stream write error"); });
  QSignalSpy ended(&run, &TBackgroundRun::Ended);
  ASSERT_TRUE(ended.wait(10'000));
  ASSERT_TRUE(run.Error());
  EXPECT_THROW(std::rethrow_exception(run.Error()), std::runtime_error);
}

TEST(BackgroundRunTest, DestroyingARunCancelsItAndWaitsForTheWorker) {
  bool stopped = false;
  {
    TBackgroundRun run([&](TRunMonitor& monitor) {
      while (!monitor.CancelRequested()) std::this_thread::yield();
      stopped = true;
    });
  }
  EXPECT_TRUE(stopped);
}

}  // namespace
