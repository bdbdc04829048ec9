#include "app/delivery/staged_book.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <set>

#include "app/delivery/page_times.h"
#include "platform/exceptions.h"
#include "platform/folder_lock.h"

namespace fs = std::filesystem;

namespace {

bool IsDigits(std::string_view text) {
  return !text.empty() && std::ranges::all_of(text, [](char c) { return c >= '0' && c <= '9'; });
}

// A temporary file of a safe write: "." + page name + "." + six characters.
bool IsLeftTemporaryFile(std::string_view name) {
  if (!name.starts_with('.') || name.size() < 8) return false;
  const std::string_view pageName = name.substr(1, name.size() - 8);
  return name[name.size() - 7] == '.' && IsPageFileName(pageName);
}

// Removes the page files in `folder` that are not in `kept`; returns how many went.
int RemoveOldPages(const fs::path& folder, const std::set<std::string>& kept) {
  std::error_code error;
  int removed = 0;
  for (const auto& entry : fs::directory_iterator(folder, error)) {
    const std::string name = entry.path().filename().string();
    if (!IsPageFileName(name) || kept.contains(name) || !entry.is_regular_file(error)) continue;
    if (IsPageFile(entry.path().string()) && fs::remove(entry.path(), error)) ++removed;
  }
  return removed;
}

std::string ParentOf(const std::string& relativePath) {
  const auto slash = relativePath.rfind('/');
  return slash == std::string::npos ? std::string() : relativePath.substr(0, slash);
}

}  // namespace

void WriteWholeFile(const std::string& path, const std::string& shownPath, const void* data, std::size_t size) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) throw EFCreateError(shownPath, errno);
  bool closed = false;
  try {
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    while (size > 0) {
      const ssize_t count = ::write(fd, bytes, size);
      if (count < 0 && errno == EINTR) continue;
      if (count <= 0) throw EWriteError(count < 0 ? errno : ENOSPC);
      bytes += count;
      size -= static_cast<std::size_t>(count);
    }
    closed = true;
    if (::close(fd) != 0) throw EWriteError(errno);
  } catch (...) {
    if (!closed) ::close(fd);
    throw;
  }
}

bool IsPageFileName(std::string_view name) {
  return name.size() >= 8 && name.ends_with(".gif") && IsDigits(name.substr(0, name.size() - 4));
}

bool IsPageFile(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  unsigned char header[10] = {};
  const ssize_t count = ::read(fd, header, sizeof header);
  ::close(fd);
  const auto word = [&](int at) { return header[at] | header[at + 1] << 8; };
  return count == sizeof header && std::memcmp(header, "GIF8", 4) == 0 &&
         (header[4] == '7' || header[4] == '9') && header[5] == 'a' && word(6) == 480 && word(8) == 272;
}

TStagedBook::TStagedBook(std::string folder, const std::string& firstPagePath, bool createFolder,
                         TFileWriter writer)
    : folder_(std::move(folder)), staging_(folder_ + kStagingName), writer_(std::move(writer)) {
  std::error_code error;
  // It fails with "exists" only where a file stands in the way of a folder.
  if (createFolder && !fs::create_directories(folder_, error) && error == std::errc::file_exists)
    error = std::make_error_code(std::errc::not_a_directory);
  if (error) throw EFCreateError(firstPagePath, error.value());
  lock_ = std::make_unique<TFolderLock>(folder_, firstPagePath);

  // What a killed run left: its staging folder, and the temporary files of a page write.
  fs::remove_all(staging_, error);
  for (const auto& entry : fs::directory_iterator(folder_, error))
    if (IsLeftTemporaryFile(entry.path().filename().string())) fs::remove(entry.path(), error);

  if (!fs::create_directory(staging_, error)) throw EFCreateError(firstPagePath, error ? error.value() : EEXIST);
}

TStagedBook::~TStagedBook() {
  if (committed_) return;
  std::error_code error;
  fs::remove_all(staging_, error);
}

void TStagedBook::AddPage(const std::string& relativePath, const void* data, std::size_t size) {
  const std::string parent = ParentOf(relativePath);
  if (!parent.empty()) {
    std::error_code error;
    fs::create_directories(fs::path(staging_) / parent, error);
    if (error) throw EFCreateError(folder_ + relativePath, error.value());
  }
  writer_(staging_ + "/" + relativePath, folder_ + relativePath, data, size);
  pages_.push_back(relativePath);
}

TStagedBook::TCommit TStagedBook::Commit(bool pageTimes, const std::vector<std::string>& staleFolders) {
  TCommit result;
  if (pageTimes) {
    std::vector<std::string> staged;
    staged.reserve(pages_.size());
    for (const auto& page : pages_) staged.push_back(staging_ + "/" + page);
    SetPageTimes(staged, CurrentTime());
  }
  // A name the pages cannot take (a folder of that name) is found before any page moves,
  // so that the folder never holds half of each book.
  for (const auto& page : pages_) {
    std::error_code error;
    if (fs::is_directory(fs::symlink_status(folder_ + page, error)))
      throw EFCreateError(folder_ + page, EISDIR);
  }
  std::vector<std::pair<std::string, std::set<std::string>>> written;  // folder → its pages
  for (const auto& page : pages_) {
    const std::string parent = ParentOf(page);
    if (written.empty() || written.back().first != parent) {
      written.push_back({parent, {}});
      std::error_code error;
      if (!parent.empty()) fs::create_directories(folder_ + parent, error);
      if (error) throw EFCreateError(folder_ + page, error.value());
    }
    written.back().second.insert(page.substr(parent.empty() ? 0 : parent.size() + 1));
    if (std::rename((staging_ + "/" + page).c_str(), (folder_ + page).c_str()) != 0)
      throw EFCreateError(folder_ + page, errno);
  }
  committed_ = true;
  std::error_code error;
  fs::remove_all(staging_, error);

  for (const auto& [parent, names] : written) {
    result.oldPagesRemoved += RemoveOldPages(folder_ + parent, names);
    result.folders.push_back(folder_ + (parent.empty() ? "" : parent + "/"));
  }
  for (const auto& stale : staleFolders) {
    result.oldPagesRemoved += RemoveOldPages(folder_ + stale, {});
    fs::remove(folder_ + stale, error);  // only when empty
  }
  return result;
}
