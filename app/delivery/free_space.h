#pragma once
// Refuses a run before its first page when the target plainly has no room for it.
#include <cstdint>
#include <optional>
#include <string>

// What a volume offers: the bytes a program may still write and the size of the blocks
// (FAT's clusters) that every file occupies whole.
struct TFreeSpace {
  std::uint64_t bytesAvailable = 0;
  std::uint64_t blockSize = 1;
};

// The least room a page needs, in bytes, before rounding to blocks.
inline constexpr std::uint64_t kPageBytesBound = 6 * 1024;

// A low estimate of the room `files` pages take: each kPageBytesBound, rounded up to
// whole blocks of `blockSize` bytes.
std::uint64_t EstimateRunBytes(int files, std::uint64_t blockSize = 1);

// The space of the volume holding `folder`, or of its nearest existing parent when
// `folder` is still to be made; none when the system cannot tell.
std::optional<TFreeSpace> FreeSpaceAt(const std::string& folder);

// Exception "Not enough space in %s: the book needs about %s, %s are free" when `space`
// cannot hold EstimateRunBytes(files).
void CheckFreeSpace(const std::string& folder, int files, const TFreeSpace& space);
// The same with the space FreeSpaceAt(folder) finds; no check when it finds none.
void CheckFreeSpace(const std::string& folder, int files);

// A size for people: "512 bytes", "12 KB", "3.4 MB", "1.2 GB" (units of 1024).
std::string HumanSize(std::uint64_t bytes);
