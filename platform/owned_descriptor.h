// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A file descriptor closed when its owner goes, however a reading or writing ends.
#include <unistd.h>

class TOwnedDescriptor {
public:
  // Takes `fd`; a negative one owns nothing.
  explicit TOwnedDescriptor(int fd) : fd_(fd) {}
  ~TOwnedDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  TOwnedDescriptor(const TOwnedDescriptor&) = delete;
  TOwnedDescriptor& operator=(const TOwnedDescriptor&) = delete;

  int Fd() const { return fd_; }

private:
  int fd_;
};
