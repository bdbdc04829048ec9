// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/delivery/page_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>

#include "platform/descriptor_io.h"
#include "platform/directory.h"

bool IsPageFileName(std::string_view name) {
  if (name.size() < 8 || !name.ends_with(".gif")) return false;
  return std::ranges::all_of(name.substr(0, name.size() - 4), [](char c) { return c >= '0' && c <= '9'; });
}

std::string PageFolderOf(const std::string& relativePath) {
  const auto slash = relativePath.rfind('/');
  return slash == std::string::npos ? std::string() : relativePath.substr(0, slash);
}

std::optional<TGifSize> GifSizeOf(const TDirectory& folder, const std::string& name) {
  // O_NONBLOCK: a FIFO under a page's name must not hold the run.
  const int fd = ::openat(folder.Fd(), name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  unsigned char header[10] = {};
  const ssize_t count = ReadRetrying(fd, header, sizeof header);
  ::close(fd);
  const auto word = [&](int at) { return header[at] | header[at + 1] << 8; };
  if (count != sizeof header || std::memcmp(header, "GIF8", 4) != 0 ||
      (header[4] != '7' && header[4] != '9') || header[5] != 'a')
    return std::nullopt;
  return TGifSize{word(6), word(8)};
}

bool IsPageFile(const TDirectory& folder, const std::string& name, const std::set<TGifSize>& pageSizes) {
  const std::optional<TGifSize> size = GifSizeOf(folder, name);
  return size && pageSizes.contains(*size);
}
