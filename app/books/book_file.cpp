// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/books/book_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <utility>

#include "app/books/text_capacity.h"
#include "platform/cancellation.h"
#include "platform/descriptor_io.h"

namespace {

// The regular file's descriptor; its stated size in `size`.
int OpenBookFile(const std::string& path, std::size_t& size) {
  try {
    TRegularFile file(path);
    size = file.Size();
    return file.Release();
  } catch (const ENotRegularFile& e) {
    throw ENotRegularBookFile(path, e.Kind());
  }
}

}  // namespace

ENotRegularBookFile::ENotRegularBookFile(std::string_view path, std::string_view kind)
    : ENotRegularFile(
          FormatMessage("%s is %s, not a regular file; to pipe a book in, give - as its path", {path, kind}),
          kind) {}

TBookFile::TBookFile(const std::string& path) : TBookFile(path, -1, true) {
  fd_ = OpenBookFile(path, statedSize_);
}

TBookFile TBookFile::StandardInput() {
  TBookFile file(kStandardInputName, STDIN_FILENO, false);
  struct stat status {};
  if (::fstat(STDIN_FILENO, &status) == 0 && S_ISREG(status.st_mode))
    file.statedSize_ = static_cast<std::size_t>(status.st_size);
  return file;
}

TBookFile::TBookFile(std::string path, int fd, bool owned) : path_(std::move(path)), fd_(fd), owned_(owned) {}

TBookFile::TBookFile(TBookFile&& other) noexcept
    : path_(std::move(other.path_)),
      fd_(std::exchange(other.fd_, -1)),
      owned_(other.owned_),
      statedSize_(other.statedSize_) {}

TBookFile::~TBookFile() {
  if (owned_ && fd_ >= 0) ::close(fd_);
}

std::size_t TBookFile::ReadSome(char* buffer, std::size_t size) {
  CheckCancelled();
  // A signal also ends a read that waits: the run may have been asked to stop.
  const ssize_t count = ReadRetrying(fd_, buffer, size, CheckCancelled);
  if (count < 0) throw EFOpenError(path_, errno);  // a failing device
  return static_cast<std::size_t>(count);
}

std::string TBookFile::Read(std::size_t count) {
  std::string bytes(count, '\0');
  std::size_t filled = 0;
  while (filled < count) {
    const std::size_t got = ReadSome(bytes.data() + filled, count - filled);
    if (got == 0) break;
    filled += got;
  }
  bytes.resize(filled);
  return bytes;
}

std::string TBookFile::ReadToEnd(std::string start, std::size_t limit) {
  std::string bytes = std::move(start);
  // A regular file's stated size is its likely length: one allocation, not a doubling series.
  bytes.reserve(std::min(statedSize_, limit) + 1);
  char chunk[1 << 16];
  while (const std::size_t got = ReadSome(chunk, sizeof chunk)) {
    if (bytes.size() + got > limit) throw ETextTooLarge();
    bytes.append(chunk, got);
  }
  return bytes;
}
