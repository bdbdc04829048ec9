// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/directory.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <utility>

namespace {

constexpr int kFolderFlags = O_RDONLY | O_DIRECTORY | O_CLOEXEC;

// Calls take(entry) for every entry but "." and ".."; false when the folder cannot be listed.
template <typename Take>
bool ForEachEntry(int folderFd, Take take) {
  // The listing takes its own descriptor: closedir closes it, and reads move its offset.
  const int fd = folderFd < 0 ? -1 : ::openat(folderFd, ".", kFolderFlags);
  if (fd < 0) return false;
  DIR* listing = ::fdopendir(fd);
  if (!listing) {
    ::close(fd);
    return false;
  }
  while (const dirent* entry = ::readdir(listing))
    if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0) take(*entry);
  ::closedir(listing);
  return true;
}

std::string InLowerCase(std::string name) {
  for (char& c : name)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return name;
}

}  // namespace

TDirectory::TDirectory(const std::string& path) : fd_(::open(path.c_str(), kFolderFlags)) {}

TDirectory::TDirectory(const TDirectory& parent, const std::string& name)
    : fd_(parent.Valid() ? ::openat(parent.fd_, name.c_str(), kFolderFlags | O_NOFOLLOW) : -1) {}

TDirectory::~TDirectory() {
  if (fd_ >= 0) ::close(fd_);
}

TDirectory::TDirectory(TDirectory&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}

TDirectory& TDirectory::operator=(TDirectory&& other) noexcept {
  if (this != &other) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = std::exchange(other.fd_, -1);
  }
  return *this;
}

std::vector<std::string> TDirectory::Names() const {
  std::vector<std::string> names;
  ForEachEntry(fd_, [&](const dirent& entry) { names.emplace_back(entry.d_name); });
  return names;
}

void TDirectory::Sync() const {
  if (fd_ >= 0) ::fsync(fd_);
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
    for (const auto& entry : inside.Names()) RemoveTree(inside, entry);
    ::unlinkat(folder.Fd(), name.c_str(), AT_REMOVEDIR);
  } else {
    ::unlinkat(folder.Fd(), name.c_str(), 0);
  }
}

ELinkRefused::ELinkRefused(std::string_view path)
    : EStreamError(FormatMessage("%s is a link; Stronix does not write through links", {path})) {}
