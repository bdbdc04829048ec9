// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/folder_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

EFolderBusy::EFolderBusy(std::string_view folder)
    : Exception(
          FormatMessage("Another conversion is writing into %s; try again when it has finished", {folder})) {}

TFolderLock::TFolderLock(const std::string& folder, const std::string& failurePath) : folder_(folder) {
  if (!folder_.Valid()) throw EFCreateError(failurePath, errno);
  // The holder removes the file when done; a run that opened it just before then would
  // lock a file no longer in the folder, so it checks and takes the new file instead.
  for (;;) {
    // Never through a link: one standing under the lock's name is no lock of ours and goes.
    fd_ = ::openat(folder_.Fd(), kFileName, O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd_ < 0 && errno == ELOOP && ::unlinkat(folder_.Fd(), kFileName, 0) == 0) continue;
    if (fd_ < 0) throw EFCreateError(failurePath, errno);
    if (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
      const int error = errno;
      ::close(fd_);
      fd_ = -1;
      if (error == EWOULDBLOCK) throw EFolderBusy(folder);
      throw EFCreateError(failurePath, error);
    }
    struct stat held {
    }, named{};
    if (::fstat(fd_, &held) == 0 && ::fstatat(folder_.Fd(), kFileName, &named, AT_SYMLINK_NOFOLLOW) == 0 &&
        held.st_ino == named.st_ino && held.st_dev == named.st_dev)
      return;
    ::close(fd_);
    fd_ = -1;
  }
}

TFolderLock::~TFolderLock() {
  if (fd_ < 0) return;
  ::unlinkat(folder_.Fd(), kFileName, 0);
  ::close(fd_);
}
