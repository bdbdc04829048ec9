// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An exclusive lock on a folder for the length of a run, so that two runs never write
// into one folder at once. It is a `flock` on a lock file in the folder; the file is
// removed when the lock is let go.
#include <string>

#include "platform/directory.h"
#include "platform/exceptions.h"

// Another run holds the folder.
class EFolderBusy : public Exception {
public:
  explicit EFolderBusy(std::string_view folder);
};

class TFolderLock {
public:
  // The lock file's name inside the folder.
  static constexpr const char* kFileName = ".stronix.lock";

  // Takes the lock at once or raises EFolderBusy; EFCreateError `failurePath` with the
  // system's reason when the lock file cannot be made (a missing or read-only folder).
  // A symbolic link under the lock file's name is replaced, never followed.
  TFolderLock(const std::string& folder, const std::string& failurePath);
  ~TFolderLock();
  TFolderLock(const TFolderLock&) = delete;
  TFolderLock& operator=(const TFolderLock&) = delete;

  // The locked folder, held open.
  const TDirectory& Folder() const { return folder_; }

private:
  TDirectory folder_;
  int fd_ = -1;
};
