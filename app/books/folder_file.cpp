// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/books/folder_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <memory>

namespace books {

namespace {

class TDescriptor {
public:
  explicit TDescriptor(int fd) : fd_(fd) {}
  ~TDescriptor() {
    if (fd_ >= 0) close(fd_);
  }
  TDescriptor(const TDescriptor&) = delete;
  TDescriptor& operator=(const TDescriptor&) = delete;
  int Get() const { return fd_; }

private:
  int fd_;
};

}  // namespace

std::optional<std::string> ReadFolderFile(const std::string& folder, std::string_view relative,
                                          std::size_t most) {
  auto dir = std::make_unique<TDescriptor>(open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (dir->Get() < 0 || relative.empty()) return std::nullopt;
  // Each step of the path is opened from the one before, none of them a link: a link could
  // lead anywhere on the disk.
  std::size_t start = 0;
  for (std::size_t slash; (slash = relative.find('/', start)) != std::string_view::npos; start = slash + 1) {
    const std::string part(relative.substr(start, slash - start));
    dir = std::make_unique<TDescriptor>(
        openat(dir->Get(), part.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (dir->Get() < 0) return std::nullopt;
  }
  const std::string name(relative.substr(start));
  const TDescriptor file(openat(dir->Get(), name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
  struct stat status {};
  if (file.Get() < 0 || fstat(file.Get(), &status) != 0 || !S_ISREG(status.st_mode) ||
      static_cast<std::size_t>(status.st_size) > most)
    return std::nullopt;
  std::string bytes(static_cast<std::size_t>(status.st_size), '\0');
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t count = read(file.Get(), bytes.data() + done, bytes.size() - done);
    if (count <= 0) break;
    done += static_cast<std::size_t>(count);
  }
  bytes.resize(done);
  return bytes;
}

}  // namespace books
