// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A book's bytes as they come from its file or from standard input, each read once and in
// order: what is read to tell the format is never lost to the text.
#include <cstddef>
#include <string>
#include <string_view>

#include "platform/exceptions.h"
#include "platform/regular_file.h"

// The book path that stands for standard input.
inline constexpr char kStandardInputPath[] = "-";
// What standard input is called where a book's name is shown.
inline constexpr char kStandardInputName[] = "stdin";

// A book's path that leads to a FIFO, a device or a socket: standard input ("-") is the way
// to pipe a book in.
class ENotRegularBookFile : public ENotRegularFile {
public:
  ENotRegularBookFile(std::string_view path, std::string_view kind);
};

class TBookFile {
public:
  // Opens the file for reading, without waiting on a FIFO. EFOpenError "Cannot open file %s"
  // when it cannot be opened or is a folder; ENotRegularFile for a FIFO, device or socket.
  explicit TBookFile(const std::string& path);
  // Standard input, whatever it is (a pipe, a terminal, a redirected file); not closed.
  static TBookFile StandardInput();
  ~TBookFile();
  TBookFile(TBookFile&& other) noexcept;
  TBookFile(const TBookFile&) = delete;
  TBookFile& operator=(const TBookFile&) = delete;
  TBookFile& operator=(TBookFile&&) = delete;

  // Reads up to `size` bytes into `buffer`; 0 only at the end. EFOpenError on a failure.
  std::size_t ReadSome(char* buffer, std::size_t size);
  // The next `count` bytes, fewer only when the file ends first.
  std::string Read(std::size_t count);
  // `start` (bytes read before) followed by the rest of the file; ETextTooLarge past
  // `limit` bytes in all.
  std::string ReadToEnd(std::string start, std::size_t limit);
  // The file's size as the system states it; 0 for standard input that is no regular file.
  std::size_t StatedSize() const { return statedSize_; }
  const std::string& Path() const { return path_; }

private:
  TBookFile(std::string path, int fd, bool owned);

  std::string path_;
  int fd_;
  bool owned_;
  std::size_t statedSize_ = 0;
};
