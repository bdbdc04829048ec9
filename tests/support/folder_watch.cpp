// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/folder_watch.h"

#include <poll.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>

namespace {

// Only a guard against a fault that would otherwise hang the test.
constexpr int kGuardMs = 10'000;

}  // namespace

TFolderWatch::TFolderWatch(const std::string& folder) : fd_(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {
  ::inotify_add_watch(fd_, folder.c_str(), IN_OPEN);
}

TFolderWatch::~TFolderWatch() { ::close(fd_); }

bool TFolderWatch::WaitForListing() {
  for (;;) {
    const int listings = Take(kGuardMs);
    if (listings > 0) return true;
    if (listings < 0) return false;
  }
}

int TFolderWatch::Listings() { return std::max(Take(0), 0); }

int TFolderWatch::Take(int timeoutMs) {
  pollfd ready{fd_, POLLIN, 0};
  if (::poll(&ready, 1, timeoutMs) <= 0) return timeoutMs > 0 ? -1 : 0;
  int listings = 0;
  alignas(inotify_event) char buffer[4096];
  for (ssize_t size; (size = ::read(fd_, buffer, sizeof buffer)) > 0;) {
    for (const char* at = buffer; at < buffer + size;) {
      inotify_event event;
      std::memcpy(&event, at, sizeof event);
      // The folder itself (no name) opened: a listing; a file opened in it is named.
      if ((event.mask & IN_OPEN) && event.len == 0) ++listings;
      at += sizeof event + event.len;
    }
  }
  return listings;
}
