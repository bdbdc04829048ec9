// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/descriptor_io.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <pthread.h>
#include <unistd.h>

#include <atomic>
#include <csignal>
#include <thread>

#include "platform/exceptions.h"

namespace {

std::atomic<int> signalsSeen = 0;

// A read that waits on a pipe is cut short by signals until the read has seen one; then
// the byte it waits for comes, and the read returns it.
TEST(DescriptorIoTest, AReadCutShortByASignalIsTriedAgain) {
  int pipeEnds[2];
  ASSERT_EQ(::pipe(pipeEnds), 0);
  struct sigaction interrupting {
  }, old{};
  interrupting.sa_handler = [](int) {};  // no SA_RESTART: the read ends with EINTR
  ASSERT_EQ(::sigaction(SIGUSR1, &interrupting, &old), 0);
  const pthread_t reader = ::pthread_self();
  std::thread writer([&] {
    while (signalsSeen == 0) {
      ::pthread_kill(reader, SIGUSR1);
      std::this_thread::yield();
    }
    EXPECT_EQ(::write(pipeEnds[1], "x", 1), 1);
  });
  char byte = 0;
  EXPECT_EQ(ReadRetrying(pipeEnds[0], &byte, 1, [] { ++signalsSeen; }), 1);
  writer.join();
  EXPECT_EQ(byte, 'x');
  EXPECT_GE(signalsSeen, 1);
  ::sigaction(SIGUSR1, &old, nullptr);
  ::close(pipeEnds[0]);
  ::close(pipeEnds[1]);
}

TEST(DescriptorIoTest, AWriteThatCannotBeDoneNamesTheFile) {
  const int full = ::open("/dev/full", O_WRONLY | O_CLOEXEC);
  if (full < 0) GTEST_SKIP() << "no /dev/full";
  EXPECT_THROW(WriteAll(full, "page", "0001.gif"), EFWriteError);
  ::close(full);
}

}  // namespace
