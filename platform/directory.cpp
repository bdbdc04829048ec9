// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/directory.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

#include "platform/system_calls.h"

namespace {

constexpr int kFolderFlags = O_RDONLY | O_DIRECTORY | O_CLOEXEC;

// Calls take(entry) for every entry but "." and ".."; false, with errno, when the folder
// cannot be listed whole.
template <typename Take>
bool ForEachEntry(int folderFd, Take take) {
  // The listing takes its own descriptor: closedir closes it, and reads move its offset.
  const int fd = folderFd < 0 ? -1 : ::openat(folderFd, ".", kFolderFlags);
  if (fd < 0) return false;
  DIR* listing = ::fdopendir(fd);
  if (!listing) {
    const int error = errno;
    ::close(fd);
    errno = error;
    return false;
  }
  // readdir tells its end from its failure only by errno.
  errno = 0;
  while (const dirent* entry = SystemCalls().readdir(listing)) {
    if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0) take(*entry);
    errno = 0;
  }
  const int error = errno;
  ::closedir(listing);
  errno = error;
  return error == 0;
}

std::string InLowerCase(std::string name) {
  for (char& c : name)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return name;
}

}  // namespace

TDirectory::TDirectory(const std::string& path) : fd_(::open(path.c_str(), kFolderFlags)), path_(path) {}

TDirectory::TDirectory(const TDirectory& parent, const std::string& name)
    : fd_(parent.Valid() ? ::openat(parent.fd_, name.c_str(), kFolderFlags | O_NOFOLLOW) : -1),
      path_(name == "." ? parent.path_
                        : (parent.path_.ends_with('/') ? parent.path_ : parent.path_ + "/") + name) {}

TDirectory::~TDirectory() {
  if (fd_ >= 0) ::close(fd_);
}

TDirectory::TDirectory(TDirectory&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), path_(std::move(other.path_)) {}

TDirectory& TDirectory::operator=(TDirectory&& other) noexcept {
  if (this != &other) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = std::exchange(other.fd_, -1);
    path_ = std::move(other.path_);
  }
  return *this;
}

std::vector<std::string> TDirectory::Names() const {
  std::vector<std::string> names;
  if (!ForEachEntry(fd_, [&](const dirent& entry) { names.emplace_back(entry.d_name); }))
    throw EFolderListError(path_, fd_ < 0 ? EBADF : errno);
  return names;
}

void TDirectory::Sync() const {
  if (fd_ < 0 || SystemCalls().fsync(fd_) != 0) throw EFWriteError(path_, fd_ < 0 ? EBADF : errno);
}

TEntryKind EntryKindOf(const TDirectory& folder, const std::string& name) {
  struct stat status {};
  if (::fstatat(folder.Fd(), name.c_str(), &status, AT_SYMLINK_NOFOLLOW) != 0) return TEntryKind::Missing;
  if (S_ISLNK(status.st_mode)) return TEntryKind::Link;
  if (S_ISDIR(status.st_mode)) return TEntryKind::Folder;
  return S_ISREG(status.st_mode) ? TEntryKind::File : TEntryKind::Other;
}

TEntryKinds::TEntryKinds(const TDirectory& folder) : folder_(folder) {
  listed_ = ForEachEntry(folder.Fd(), [&](const dirent& entry) {
    std::string name = entry.d_name;
    caseless_.insert(InLowerCase(name));
    switch (entry.d_type) {
      case DT_REG:
        kinds_.emplace(std::move(name), TEntryKind::File);
        break;
      case DT_DIR:
        kinds_.emplace(std::move(name), TEntryKind::Folder);
        break;
      case DT_LNK:
        kinds_.emplace(std::move(name), TEntryKind::Link);
        break;
      case DT_UNKNOWN:
        break;  // looked up when asked
      default:
        kinds_.emplace(std::move(name), TEntryKind::Other);
        break;
    }
  });
}

TEntryKind TEntryKinds::Of(const std::string& name) const {
  if (!listed_) return EntryKindOf(folder_, name);
  if (const auto found = kinds_.find(name); found != kinds_.end()) return found->second;
  return caseless_.contains(InLowerCase(name)) ? EntryKindOf(folder_, name) : TEntryKind::Missing;
}

void RemoveTree(const TDirectory& folder, const std::string& name) noexcept {
  if (EntryKindOf(folder, name) == TEntryKind::Folder) {
    const TDirectory inside(folder, name);
    std::vector<std::string> entries;
    try {
      entries = inside.Names();
    } catch (const std::exception&) {
      return;  // what cannot be listed cannot be emptied either
    }
    for (const auto& entry : entries) RemoveTree(inside, entry);
    ::unlinkat(folder.Fd(), name.c_str(), AT_REMOVEDIR);
  } else {
    ::unlinkat(folder.Fd(), name.c_str(), 0);
  }
}

EFolderListError::EFolderListError(std::string_view path, int systemError)
    : EStreamError(FormatMessage("Cannot list the folder %s", {path})) {
  SetSystemError(systemError);
}

ELinkRefused::ELinkRefused(std::string_view path)
    : EStreamError(FormatMessage("%s is a link; Stronix does not write through links", {path})) {}
