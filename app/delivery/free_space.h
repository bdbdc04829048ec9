// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Refuses a run before its first page when the target plainly has no room for it.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

// What a volume offers: the bytes a program may still write and the size of the blocks
// (FAT's clusters) that every file occupies whole.
struct TFreeSpace {
  std::uint64_t bytesAvailable = 0;
  std::uint64_t blockSize = 1;
};

// The least room a page of the default screen's kPagePixels needs, in bytes, before
// rounding to blocks; a page of another size needs as much per pixel.
inline constexpr std::uint64_t kPageBytesBound = 6 * 1024;
inline constexpr std::uint64_t kPagePixels = 480 * 272;

// A low estimate of the room `files` pages of `pagePixels` pixels take: each
// kPageBytesBound scaled to its pixels, rounded up to whole blocks of `blockSize` bytes.
std::uint64_t EstimateRunBytes(int files, std::uint64_t blockSize = 1,
                               std::uint64_t pagePixels = kPagePixels);

// The space of the volume holding `folder`, or of its nearest existing parent when
// `folder` is still to be made; none when the system cannot tell.
std::optional<TFreeSpace> FreeSpaceAt(const std::string& folder);

// Exception "Not enough space in %s: the book needs about %s, %s are free" when `space`
// cannot hold EstimateRunBytes(files, …, pagePixels).
void CheckFreeSpace(const std::string& folder, int files, const TFreeSpace& space,
                    std::uint64_t pagePixels = kPagePixels);
// The same with the space FreeSpaceAt(folder) finds; no check when it finds none.
void CheckFreeSpace(const std::string& folder, int files, std::uint64_t pagePixels = kPagePixels);

// A run's files measured as they take up room. What the volume's free space lost per file
// so far is the volume's own accounting, right whatever block size it reports (a FAT card
// spends a whole cluster on every page), so a run that cannot fit is refused long before
// it fills the volume.
class TSpaceWatch {
public:
  // The bytes free on the volume now; none when the system cannot tell.
  using TProbe = std::function<std::optional<std::uint64_t>()>;

  // Starts measuring the volume of `folder` (named in the message) for a run of `files`.
  TSpaceWatch(std::string folder, int files);
  TSpaceWatch(std::string folder, int files, TProbe probe);

  // After the `done`-th file is written; at 1, 2, 4, … 32 files and every 32 after, the
  // "Not enough space" exception when the room taken per file so far, for all the files,
  // exceeds what was free at the start.
  void FileWritten(int done);

private:
  std::string folder_;
  int files_;
  TProbe probe_;
  std::optional<std::uint64_t> startFree_;
};

// A size for people: "512 bytes", "12 KB", "3.4 MB", "1.2 GB" (units of 1024).
std::string HumanSize(std::uint64_t bytes);
