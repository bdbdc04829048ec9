// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Byte streams: the forward-only sink the GIF writer writes into, a memory stream,
// and a file stream.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

class TStream {
public:
  virtual ~TStream() = default;
  // Takes up to `count` bytes and returns how many it took.
  virtual std::size_t Write(const void* data, std::size_t count) = 0;
  // Reads up to `count` bytes and returns how many it read. The base cannot read:
  // it raises Exception "Invalid stream operation".
  virtual std::size_t Read(void* data, std::size_t count);

  // A checked write: EWriteError "Stream write error" when fewer bytes were taken.
  void WriteBuffer(const void* data, std::size_t count);
  // A checked read: EReadError when fewer bytes were read.
  void ReadBuffer(void* data, std::size_t count);
};

class TMemoryStream : public TStream {
public:
  std::size_t Write(const void* data, std::size_t count) override;
  std::size_t Read(void* data, std::size_t count) override;

  std::size_t Position() const { return position_; }
  void SetPosition(std::size_t position) { position_ = position; }
  std::size_t Size() const { return bytes_.size(); }
  const std::vector<std::uint8_t>& Bytes() const { return bytes_; }
  void Clear();

private:
  std::vector<std::uint8_t> bytes_;
  std::size_t position_ = 0;
};

class TFileStream : public TStream {
public:
  enum class Mode { Create, OpenRead };
  // Create: creates or truncates (EFCreateError "Cannot create file %s");
  // OpenRead: opens an existing file for reading (EFOpenError "Cannot open file %s").
  TFileStream(const std::string& path, Mode mode);
  ~TFileStream() override;
  TFileStream(const TFileStream&) = delete;
  TFileStream& operator=(const TFileStream&) = delete;

  std::size_t Write(const void* data, std::size_t count) override;
  std::size_t Read(void* data, std::size_t count) override;
  // Flushes and closes; EWriteError when buffered bytes could not be written.
  void Close();

private:
  std::FILE* file_;
};
