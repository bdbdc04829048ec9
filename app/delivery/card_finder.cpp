// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/delivery/card_finder.h"

#include <sys/stat.h>

#include <QStorageInfo>
#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <set>
#include <string_view>
#include <utility>

#include "platform/exceptions.h"

namespace fs = std::filesystem;

namespace {

// Kernel file systems that never hold a card's folders; listing some of them can
// even block (autofs mounts on access).
bool IsPseudoFileSystem(std::string_view type) {
  static const std::set<std::string_view> kPseudo = {
      "autofs", "binfmt_misc", "bpf",        "cgroup",     "cgroup2",   "configfs", "debugfs",
      "devpts", "devtmpfs",    "efivarfs",   "fusectl",    "hugetlbfs", "mqueue",   "nsfs",
      "proc",   "pstore",      "rpc_pipefs", "securityfs", "selinuxfs", "sysfs",    "tracefs"};
  return kPseudo.contains(type);
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b,
                            [](char x, char y) { return std::tolower(static_cast<unsigned char>(x)) == y; });
}

// The subfolders of `folder` named `lowerName` in any case, sorted; none if unreadable. A
// link is none: a card's FAT holds no links, and one elsewhere may lead off the volume.
std::vector<fs::path> SubfoldersNamed(const fs::path& folder, std::string_view lowerName) {
  std::vector<fs::path> found;
  std::error_code error;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    std::error_code kindError;
    if (EqualsIgnoringCase(it->path().filename().string(), lowerName) &&
        it->symlink_status(kindError).type() == fs::file_type::directory)
      found.push_back(it->path());
  }
  std::ranges::sort(found);
  return found;
}

std::optional<fs::path> PhotoFolderOn(const fs::path& root) {
  for (const auto& psp : SubfoldersNamed(root, "psp")) {
    const auto photos = SubfoldersNamed(psp, "photo");
    if (!photos.empty()) return photos.front();
  }
  return std::nullopt;
}

bool IsLookedAt(const TVolume& volume) {
  return volume.ready && !volume.readOnly && !IsPseudoFileSystem(volume.fileSystemType);
}

std::string Joined(const std::vector<std::string>& items) {
  std::string text;
  for (const auto& item : items) text += (text.empty() ? "" : ", ") + item;
  return text;
}

}  // namespace

std::vector<TVolume> MountedVolumes() {
  std::vector<TVolume> volumes;
  for (const QStorageInfo& info : QStorageInfo::mountedVolumes()) {
    volumes.push_back({info.rootPath().toStdString(), info.name().toStdString(),
                       info.fileSystemType().toStdString(), info.isReady(), info.isReadOnly()});
  }
  return volumes;
}

std::vector<std::string> FindCardPhotoFolders(const std::vector<TVolume>& volumes) {
  std::vector<std::string> folders;
  std::set<std::pair<dev_t, ino_t>> seen;
  for (const auto& volume : volumes) {
    if (!IsLookedAt(volume)) continue;
    const auto photo = PhotoFolderOn(volume.rootPath);
    struct stat status {};
    if (!photo || ::stat(photo->c_str(), &status) != 0) continue;
    if (seen.insert({status.st_dev, status.st_ino}).second) folders.push_back(photo->string());
  }
  return folders;
}

std::string TheCardPhotoFolder(const std::vector<TVolume>& volumes) {
  const auto folders = FindCardPhotoFolders(volumes);
  if (folders.size() == 1) return folders.front();
  if (folders.size() > 1)
    throw Exception(FormatMessage("More than one memory card: %s; choose one with -o", {Joined(folders)}));
  std::vector<std::string> lookedAt;
  for (const auto& volume : volumes)
    if (IsLookedAt(volume)) lookedAt.push_back(volume.rootPath);
  throw Exception(
      FormatMessage("No memory card found: no mounted volume holds a PSP/PHOTO folder (looked at: %s)",
                    {lookedAt.empty() ? "no volume" : Joined(lookedAt)}));
}

std::string MountTable() {
  std::ifstream table("/proc/self/mounts");
  return std::string(std::istreambuf_iterator<char>(table), {});
}
