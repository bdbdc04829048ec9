// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/delivery/free_space.h"

#include <sys/statvfs.h>

#include <QStorageInfo>
#include <QString>
#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "platform/exceptions.h"

// Why a low bound: the check is there to refuse runs that cannot fit, never one that
// might. Pages measured with the sample book weigh 6.7 KB (green on black, 8 pt) to
// 9.7 KB (default look) on average, 12–14 KB when full; 6 KB is under every average.
// A run that still fills the volume fails at a page and leaves the old book intact.
// Rounding to blocks is no guess: on a card with 32 KB clusters each page takes 32 KB.
// A larger screen's page holds more words by as much as it has more pixels: book pages of
// the Bible's first two books weigh 11 KB at 480 × 272 and 40 KB at 960 × 544 on average,
// so the bound grows with the pixels (24 KB there).
std::uint64_t EstimateRunBytes(int files, std::uint64_t blockSize, std::uint64_t pagePixels) {
  if (files <= 0) return 0;
  if (blockSize == 0) blockSize = 1;
  const std::uint64_t bound = kPageBytesBound * pagePixels / kPagePixels;
  const std::uint64_t pageBytes = (bound + blockSize - 1) / blockSize * blockSize;
  return static_cast<std::uint64_t>(files) * pageBytes;
}

std::optional<TFreeSpace> FreeSpaceAt(const std::string& folder) {
  std::error_code error;
  std::filesystem::path existing = std::filesystem::absolute(folder, error);
  while (!error && !std::filesystem::exists(existing, error) && existing.has_relative_path())
    existing = existing.parent_path();
  if (error) return std::nullopt;
  const QStorageInfo info(QString::fromStdString(existing.string()));
  if (!info.isValid() || !info.isReady() || info.bytesAvailable() < 0) return std::nullopt;
  return TFreeSpace{static_cast<std::uint64_t>(info.bytesAvailable()),
                    static_cast<std::uint64_t>(std::max(info.blockSize(), 1))};
}

namespace {

void CheckNeeded(const std::string& folder, std::uint64_t needed, std::uint64_t available) {
  if (needed <= available) return;
  throw Exception(FormatMessage("Not enough space in %s: the book needs about %s, %s are free",
                                {folder, HumanSize(needed), HumanSize(available)}));
}

std::optional<std::uint64_t> BytesFree(const std::string& folder) {
  struct statvfs volume {};
  if (::statvfs(folder.c_str(), &volume) != 0) return std::nullopt;
  return static_cast<std::uint64_t>(volume.f_bavail) * volume.f_frsize;
}

bool IsCheckpoint(int done) { return done > 0 && (done % 32 == 0 || (done & (done - 1)) == 0); }

}  // namespace

void CheckFreeSpace(const std::string& folder, int files, const TFreeSpace& space, std::uint64_t pagePixels) {
  CheckNeeded(folder, EstimateRunBytes(files, space.blockSize, pagePixels), space.bytesAvailable);
}

void CheckFreeSpace(const std::string& folder, int files, std::uint64_t pagePixels) {
  if (const auto space = FreeSpaceAt(folder)) CheckFreeSpace(folder, files, *space, pagePixels);
}

TSpaceWatch::TSpaceWatch(std::string folder, int files)
    : TSpaceWatch(folder, files, [folder] { return BytesFree(folder); }) {}

TSpaceWatch::TSpaceWatch(std::string folder, int files, TProbe probe)
    : folder_(std::move(folder)), files_(files), probe_(std::move(probe)), startFree_(probe_()) {}

void TSpaceWatch::FileWritten(int done) {
  if (!startFree_ || done >= files_ || !IsCheckpoint(done)) return;
  const std::optional<std::uint64_t> free = probe_();
  // Space freed meanwhile by others tells nothing about the pages.
  if (!free || *free >= *startFree_) return;
  const std::uint64_t perFile = (*startFree_ - *free) / static_cast<std::uint64_t>(done);
  CheckNeeded(folder_, perFile * static_cast<std::uint64_t>(files_), *startFree_);
}

std::string HumanSize(std::uint64_t bytes) {
  if (bytes < 1024) return std::to_string(bytes) + " bytes";
  if (bytes < 1024 * 1024) return std::to_string(bytes / 1024) + " KB";
  static constexpr const char* kUnits[] = {"MB", "GB", "TB"};
  double value = static_cast<double>(bytes) / (1024.0 * 1024.0);
  int unit = 0;
  while (value >= 1024.0 && unit < 2) value /= 1024.0, ++unit;
  char text[32];
  std::snprintf(text, sizeof text, "%.1f %s", value, kUnits[unit]);
  return text;
}
