// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/delivery/book_record.h"

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cstdio>

#include "platform/directory.h"
#include "platform/owned_descriptor.h"

namespace {

constexpr const char* kNewRecordName = ".stronix-book.new";
// A book's name is a file name: the record never needs more.
constexpr std::size_t kMaxRecordBytes = 4096;

}  // namespace

void WriteBookRecord(const TDirectory& folder, const std::string& bookName) noexcept {
  if (!folder.Valid()) return;
  const std::string line = bookName + "\n";
  bool written = false;
  {
    // O_NOFOLLOW: a link planted under the new record's name is refused, not written through.
    const TOwnedDescriptor file(
        ::openat(folder.Fd(), kNewRecordName, O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0644));
    written =
        file.Fd() >= 0 && ::write(file.Fd(), line.data(), line.size()) == static_cast<ssize_t>(line.size());
  }
  // A rename replaces whatever holds the record's name, a link included, and follows nothing.
  if (!written || ::renameat(folder.Fd(), kNewRecordName, folder.Fd(), kBookRecordName) != 0)
    ::unlinkat(folder.Fd(), kNewRecordName, 0);
}

std::optional<std::string> ReadBookRecord(const std::string& folder) {
  const TDirectory directory(folder);
  if (!directory.Valid()) return std::nullopt;
  const TOwnedDescriptor file(
      ::openat(directory.Fd(), kBookRecordName, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
  if (file.Fd() < 0) return std::nullopt;
  std::array<char, kMaxRecordBytes> bytes{};
  const ssize_t size = ::read(file.Fd(), bytes.data(), bytes.size());
  if (size <= 0) return std::nullopt;
  std::string record(bytes.data(), static_cast<std::size_t>(size));
  if (const auto end = record.find('\n'); end != std::string::npos) record.resize(end);
  if (record.empty()) return std::nullopt;
  return record;
}

std::optional<std::string> OtherBookIn(const std::string& folder, const std::string& bookName) {
  std::optional<std::string> recorded = ReadBookRecord(folder);
  if (recorded && *recorded == bookName) return std::nullopt;
  return recorded;
}
