// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

namespace {

std::string_view KindOf(mode_t mode) {
  if (S_ISFIFO(mode)) return "a FIFO";
  if (S_ISSOCK(mode)) return "a socket";
  return "a device";
}

}  // namespace

ENotRegularFile::ENotRegularFile(std::string_view path, std::string_view kind)
    : ENotRegularFile(FormatMessage("%s is %s, not a regular file", {path, kind}), kind) {}

ENotRegularFile::ENotRegularFile(TMessage message, std::string_view kind)
    : Exception(std::move(message)), kind_(kind) {}

TRegularFile::TRegularFile(const std::string& path)
    // Non-blocking, so that a FIFO without a writer is refused rather than waited on.
    : fd_(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK)) {
  if (fd_ < 0) throw EFOpenError(path, errno);
  struct stat status {};
  const int error = ::fstat(fd_, &status) != 0 ? errno : S_ISDIR(status.st_mode) ? EISDIR : 0;
  if (error != 0 || !S_ISREG(status.st_mode)) {
    ::close(fd_);
    if (error != 0) throw EFOpenError(path, error);
    throw ENotRegularFile(path, KindOf(status.st_mode));
  }
  ::fcntl(fd_, F_SETFL, ::fcntl(fd_, F_GETFL) & ~O_NONBLOCK);
  size_ = static_cast<std::size_t>(status.st_size);
}

TRegularFile::~TRegularFile() {
  if (fd_ >= 0) ::close(fd_);
}

TRegularFile::TRegularFile(TRegularFile&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), size_(other.size_) {}

int TRegularFile::Release() { return std::exchange(fd_, -1); }
