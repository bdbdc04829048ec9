// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A folder watched (inotify) for being opened to be listed, so that a test waits on what the
// code does in the folder rather than on the clock.
#include <string>

class TFolderWatch {
public:
  explicit TFolderWatch(const std::string& folder);
  ~TFolderWatch();
  TFolderWatch(const TFolderWatch&) = delete;
  TFolderWatch& operator=(const TFolderWatch&) = delete;

  // Waits until the folder has been listed since the last look; false only when nothing
  // came for so long (10 s) that the code under test cannot have been about to.
  bool WaitForListing();
  // How often the folder has been listed since the last look, without waiting: the
  // system queues each event as the call that causes it is made.
  int Listings();

private:
  // The listings queued once something comes or `timeoutMs` passes.
  int Take(int timeoutMs);

  int fd_;
};
