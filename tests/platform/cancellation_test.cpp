// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/cancellation.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <thread>

namespace {

TEST(CancellationTest, AScopeStopsItsOwnThreadOnlyAndTheOuterOneComesBack) {
  EXPECT_NO_THROW(CheckCancelled());  // no run, no stop
  bool stop = false;
  const TCancelScope outer([&] { return stop; });
  EXPECT_NO_THROW(CheckCancelled());
  stop = true;
  EXPECT_THROW(CheckCancelled(), ERunCancelled);
  std::thread([] { EXPECT_NO_THROW(CheckCancelled()); }).join();
  {
    const TCancelScope inner([] { return false; });
    EXPECT_NO_THROW(CheckCancelled());
  }
  EXPECT_THROW(CheckCancelled(), ERunCancelled);
}

}  // namespace
