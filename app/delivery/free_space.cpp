#include "app/delivery/free_space.h"

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
std::uint64_t EstimateRunBytes(int files, std::uint64_t blockSize) {
  if (files <= 0) return 0;
  if (blockSize == 0) blockSize = 1;
  const std::uint64_t pageBytes = (kPageBytesBound + blockSize - 1) / blockSize * blockSize;
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

void CheckFreeSpace(const std::string& folder, int files, const TFreeSpace& space) {
  const std::uint64_t needed = EstimateRunBytes(files, space.blockSize);
  if (needed <= space.bytesAvailable) return;
  throw Exception(FormatMessage("Not enough space in %s: the book needs about %s, %s are free",
                                {folder, HumanSize(needed), HumanSize(space.bytesAvailable)}));
}

void CheckFreeSpace(const std::string& folder, int files) {
  if (const auto space = FreeSpaceAt(folder)) CheckFreeSpace(folder, files, *space);
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
