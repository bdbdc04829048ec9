// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A file that appears under its name only when complete. Bytes go to a temporary file
// in the same folder; `Commit` renames it into place. Destroyed without a commit, the
// temporary file is removed and whatever stood under the name before is untouched.
#include <string>

#include "platform/stream.h"

class TSafeFileStream : public TStream {
public:
  // EFCreateError "Cannot create file %s" (with `path` as given) when the folder
  // does not take a new file.
  explicit TSafeFileStream(std::string path);
  ~TSafeFileStream() override;
  TSafeFileStream(const TSafeFileStream&) = delete;
  TSafeFileStream& operator=(const TSafeFileStream&) = delete;

  std::size_t Write(const void* data, std::size_t count) override;
  // Flushes, syncs, closes and renames the file into place. EWriteError when the bytes could
  // not be written, EFCreateError when the name cannot be taken.
  void Commit();

private:
  void Discard() noexcept;

  std::string path_;
  std::string tempPath_;
  std::FILE* file_ = nullptr;
};
