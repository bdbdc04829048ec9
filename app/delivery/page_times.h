// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Modification times that put the pages in reading order for a viewer that sorts by
// date. FAT keeps times to 2 seconds, so the pages lie 2 seconds apart.
#include <chrono>
#include <string>
#include <string_view>
#include <vector>

#include "platform/directory.h"
#include "platform/exceptions.h"

using TPageTime = std::chrono::sys_seconds;

// The step between two pages' times: the resolution of a FAT time stamp.
inline constexpr std::chrono::seconds kPageTimeStep{2};

// The time now, the end of a run.
std::chrono::system_clock::time_point CurrentTime();

// The times of `files` pages in page order (title page first): strictly ascending,
// kPageTimeStep apart, the last `end` rounded down to an even second, so that FAT
// stores each exactly and none lies after `end`.
std::vector<TPageTime> PageTimes(int files, std::chrono::system_clock::time_point end);

// "Cannot set the time of %s" with the path as given and the system's reason.
class EPageTimeError : public Exception {
public:
  EPageTimeError(std::string_view path, int systemError);
};

// Sets the modification time of `name` (a path relative to `folder`, a link not followed);
// its access time stays as it is, since reading the book is what that time records.
// EPageTimeError naming the file as `shownFolder` followed by `name` on failure.
void SetModificationTime(const TDirectory& folder, const std::string& name, const std::string& shownFolder,
                         TPageTime time);

// Gives the files `names` in `folder`, listed in page order, the times PageTimes computes
// for `end`; an error names the file as `shownFolder` followed by its name.
void SetPageTimes(const TDirectory& folder, const std::vector<std::string>& namesInPageOrder,
                  const std::string& shownFolder, std::chrono::system_clock::time_point end);
