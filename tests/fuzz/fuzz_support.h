// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the fuzz targets share: the Qt application the readers and the text drawing need,
// and the check of a written GIF against giflib's reading of it.
#include <sys/mman.h>
#include <sys/types.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

class TGIFImage;

// Makes the process's one QGuiApplication (offscreen unless QT_QPA_PLATFORM says otherwise).
// Every fuzzer's LLVMFuzzerInitialize, defined with it, calls it once.
void StartGuiApplication();

// Prints what went wrong and aborts, so that libFuzzer keeps the input as a crash.
[[noreturn]] void FuzzFailure(std::string_view what);

// Writes the image, a single frame of width × height, to memory and decodes it with giflib.
// Passes on what the writing raises (a pixel beyond the colour table is refused there). Fails
// unless giflib reads one frame of that size at (0, 0) on a screen of that size, its colour
// table starts with the frame's colours, and every pixel is below the frame's colour count
// (one for an empty colour map).
void CheckWrittenGif(TGIFImage& image, int width, int height);

// An anonymous in-memory file with a path, for readers that take a path: the input goes
// there instead of the disk.
class TMemoryFile {
public:
  TMemoryFile() : fd_(memfd_create("input", 0)) {
    if (fd_ < 0) FuzzFailure("memfd_create failed");
  }
  ~TMemoryFile() { close(fd_); }
  TMemoryFile(const TMemoryFile&) = delete;
  TMemoryFile& operator=(const TMemoryFile&) = delete;

  void Fill(const std::uint8_t* data, std::size_t size) {
    if (ftruncate(fd_, 0) != 0) FuzzFailure("ftruncate failed");
    for (std::size_t done = 0; done < size;) {
      const ssize_t n = pwrite(fd_, data + done, size - done, static_cast<off_t>(done));
      if (n <= 0) FuzzFailure("pwrite failed");
      done += static_cast<std::size_t>(n);
    }
  }
  std::string Path() const { return "/proc/self/fd/" + std::to_string(fd_); }

private:
  int fd_;
};
