// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/safe_file_stream.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "platform/exceptions.h"
#include "platform/system_calls.h"

namespace {

std::string FolderOf(const std::string& path) {
  const auto slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// Read once: umask can only be read by setting it, and a run creates thousands of files.
mode_t ProcessUmask() {
  static const mode_t mask = [] {
    const mode_t current = ::umask(0);
    ::umask(current);
    return current;
  }();
  return mask;
}

// Large enough that a page goes to the file in one write.
constexpr std::size_t kBufferSize = 64 * 1024;

}  // namespace

TSafeFileStream::TSafeFileStream(std::string path) : path_(std::move(path)) {
  const auto slash = path_.rfind('/');
  const std::string name = slash == std::string::npos ? path_ : path_.substr(slash + 1);
  tempPath_ = FolderOf(path_) + "." + name + ".XXXXXX";
  const int fd = ::mkstemp(tempPath_.data());
  if (fd < 0) throw EFCreateError(path_, errno);
  // mkstemp makes the file private; give it the permissions a plain create would, or
  // refuse it, since a file no one else may read is not what was asked for.
  const bool opened = SystemCalls().fchmod(fd, 0666 & ~ProcessUmask()) == 0 && (file_ = ::fdopen(fd, "wb"));
  if (!opened) {
    const int error = errno;
    ::close(fd);
    ::unlink(tempPath_.c_str());
    throw EFCreateError(path_, error);
  }
  std::setvbuf(file_, nullptr, _IOFBF, kBufferSize);
}

TSafeFileStream::~TSafeFileStream() { Discard(); }

std::size_t TSafeFileStream::Write(const void* data, std::size_t count) {
  return file_ ? std::fwrite(data, 1, count, file_) : 0;
}

void TSafeFileStream::Commit() {
  if (!file_) throw EWriteError();
  // On the disk before its name: a crash after the rename must not leave an empty file
  // where the old one stood.
  const bool failed =
      std::ferror(file_) != 0 || std::fflush(file_) != 0 || SystemCalls().fsync(::fileno(file_)) != 0;
  int error = errno;
  const bool closeFailed = std::fclose(file_) != 0;
  if (!failed) error = errno;
  file_ = nullptr;
  if (failed || closeFailed) {
    Discard();
    throw EWriteError(error);
  }
  if (std::rename(tempPath_.c_str(), path_.c_str()) != 0) {
    const int renameError = errno;
    Discard();
    throw EFCreateError(path_, renameError);
  }
  tempPath_.clear();
}

void TSafeFileStream::Discard() noexcept {
  if (file_) {
    std::fclose(file_);
    file_ = nullptr;
  }
  if (!tempPath_.empty()) {
    ::unlink(tempPath_.c_str());
    tempPath_.clear();
  }
}
