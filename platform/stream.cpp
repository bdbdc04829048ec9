// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/stream.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "platform/exceptions.h"

std::size_t TStream::Read(void*, std::size_t) { throw Exception("Invalid stream operation"); }

void TStream::WriteBuffer(const void* data, std::size_t count) {
  if (count != 0 && Write(data, count) != count) throw EWriteError();
}

void TStream::ReadBuffer(void* data, std::size_t count) {
  if (count != 0 && Read(data, count) != count) throw EReadError();
}

std::size_t TMemoryStream::Write(const void* data, std::size_t count) {
  if (count == 0) return 0;
  if (position_ + count > bytes_.size()) bytes_.resize(position_ + count);
  std::memcpy(bytes_.data() + position_, data, count);
  position_ += count;
  return count;
}

std::size_t TMemoryStream::Read(void* data, std::size_t count) {
  const std::size_t available = position_ < bytes_.size() ? bytes_.size() - position_ : 0;
  const std::size_t n = std::min(count, available);
  if (n != 0) std::memcpy(data, bytes_.data() + position_, n);
  position_ += n;
  return n;
}

void TMemoryStream::Clear() {
  bytes_.clear();
  position_ = 0;
}

TFileStream::TFileStream(const std::string& path, Mode mode)
    : file_(std::fopen(path.c_str(), mode == Mode::Create ? "wb" : "rb")) {
  if (!file_) {
    if (mode == Mode::Create) throw EFCreateError(path, errno);
    throw EFOpenError(path, errno);
  }
}

TFileStream::~TFileStream() {
  if (file_) std::fclose(file_);
}

std::size_t TFileStream::Write(const void* data, std::size_t count) {
  return file_ ? std::fwrite(data, 1, count, file_) : 0;
}

std::size_t TFileStream::Read(void* data, std::size_t count) {
  return file_ ? std::fread(data, 1, count, file_) : 0;
}

void TFileStream::Close() {
  if (!file_) return;
  const bool failed = std::ferror(file_) != 0;
  const bool closeFailed = std::fclose(file_) != 0;
  file_ = nullptr;
  if (failed || closeFailed) throw EWriteError(errno);
}
