// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/delivery/page_times.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>

std::chrono::system_clock::time_point CurrentTime() { return std::chrono::system_clock::now(); }

std::vector<TPageTime> PageTimes(int files, std::chrono::system_clock::time_point end) {
  // Rounding down, not to nearest: a time in the future would sort after a page
  // written later, and some systems warn about it.
  auto last = std::chrono::floor<std::chrono::seconds>(end);
  last -= std::chrono::seconds(last.time_since_epoch().count() & 1);
  std::vector<TPageTime> times;
  for (int i = 0; i < files; ++i) times.push_back(last - kPageTimeStep * (files - 1 - i));
  return times;
}

EPageTimeError::EPageTimeError(std::string_view path, int systemError)
    : Exception(FormatMessage("Cannot set the time of %s", {path})) {
  SetSystemError(systemError);
}

void SetModificationTime(const TDirectory& folder, const std::string& name, const std::string& shownFolder,
                         TPageTime time) {
  const timespec times[2] = {{0, UTIME_OMIT}, {static_cast<time_t>(time.time_since_epoch().count()), 0}};
  if (::utimensat(folder.Fd(), name.c_str(), times, AT_SYMLINK_NOFOLLOW) != 0)
    throw EPageTimeError(shownFolder + name, errno);
}

void SetPageTimes(const TDirectory& folder, const std::vector<std::string>& namesInPageOrder,
                  const std::string& shownFolder, std::chrono::system_clock::time_point end) {
  const auto times = PageTimes(static_cast<int>(namesInPageOrder.size()), end);
  for (std::size_t i = 0; i < times.size(); ++i)
    SetModificationTime(folder, namesInPageOrder[i], shownFolder, times[i]);
}
