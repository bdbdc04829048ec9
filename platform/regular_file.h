// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A file to be read to its end, opened only when it is a regular one: a FIFO could hold the
// reading for ever and a device could never end.
#include <cstddef>
#include <string>
#include <string_view>

#include "platform/exceptions.h"

// A path that leads (through its links) to a FIFO, a device or a socket.
class ENotRegularFile : public Exception {
public:
  // "%s is %s, not a regular file"; `kind` is "a FIFO", "a device" or "a socket".
  ENotRegularFile(std::string_view path, std::string_view kind);
  const std::string& Kind() const noexcept { return kind_; }

protected:
  // A reader's own message, one that says what to give instead.
  ENotRegularFile(TMessage message, std::string_view kind);

private:
  std::string kind_;
};

// The descriptor of a regular file open for reading, closed with the object.
class TRegularFile {
public:
  // Opens `path` without waiting on a FIFO. EFOpenError "Cannot open file %s" when it cannot
  // be opened or is a folder; ENotRegularFile for a FIFO, a device or a socket.
  explicit TRegularFile(const std::string& path);
  ~TRegularFile();
  TRegularFile(TRegularFile&& other) noexcept;
  TRegularFile(const TRegularFile&) = delete;
  TRegularFile& operator=(const TRegularFile&) = delete;
  TRegularFile& operator=(TRegularFile&&) = delete;

  int Fd() const { return fd_; }
  // The size the system stated when the file was opened.
  std::size_t Size() const { return size_; }
  // Hands the descriptor over: the caller closes it.
  int Release();

private:
  int fd_;
  std::size_t size_ = 0;
};
