// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/descriptor_io.h"

#include <unistd.h>

#include <cerrno>

#include "platform/exceptions.h"

ssize_t ReadRetrying(int fd, void* buffer, std::size_t size, void (*onSignal)()) {
  for (;;) {
    const ssize_t count = ::read(fd, buffer, size);
    if (count >= 0 || errno != EINTR) return count;
    if (onSignal) onSignal();
  }
}

void WriteAll(int fd, std::string_view bytes, const std::string& shownPath) {
  while (!bytes.empty()) {
    const ssize_t count = ::write(fd, bytes.data(), bytes.size());
    if (count < 0 && errno == EINTR) continue;
    if (count <= 0) throw EFWriteError(shownPath, count < 0 ? errno : ENOSPC);
    bytes.remove_prefix(static_cast<std::size_t>(count));
  }
}
