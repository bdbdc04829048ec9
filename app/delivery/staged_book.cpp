// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/delivery/staged_book.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <thread>

#include "app/delivery/book_record.h"
#include "app/delivery/commit_journal.h"
#include "app/delivery/page_times.h"
#include "platform/descriptor_io.h"
#include "platform/directory.h"
#include "platform/exceptions.h"
#include "platform/folder_lock.h"

namespace fs = std::filesystem;

namespace {

// A temporary file of a safe write: "." + page name + "." + six characters.
bool IsLeftTemporaryFile(std::string_view name) {
  if (!name.starts_with('.') || name.size() < 8) return false;
  const std::string_view pageName = name.substr(1, name.size() - 8);
  return name[name.size() - 7] == '.' && IsPageFileName(pageName);
}

// A file unlinked while still open stays in its folder on a FUSE file system (fusefat for a
// card image), as ".fuse_hidden…", until the file system has handled its close, a moment
// after close() returns. The folder lock's file is one: it is unlinked, then closed.
// An empty folder counts: the last hidden file may have gone since rmdir looked.
bool HoldsOnlyHiddenFiles(const std::string& folder) {
  std::error_code error;
  for (fs::directory_iterator entry(folder, error), end; !error && entry != end; entry.increment(error))
    if (!entry->path().filename().string().starts_with(".fuse_hidden")) return false;
  return !error;
}

// Removes `folder` when it is empty, waiting a little for such hidden files to go.
void RemoveEmptyFolder(const std::string& folder) noexcept {
  constexpr auto kStep = std::chrono::milliseconds(10);
  constexpr int kMostSteps = 50;
  for (int step = 0; ::rmdir(folder.c_str()) != 0 && errno == ENOTEMPTY && step < kMostSteps; ++step) {
    if (!HoldsOnlyHiddenFiles(folder)) return;
    std::this_thread::sleep_for(kStep);
  }
}

// The staging folder, made and held open for the run; EFCreateError `firstPagePath` when it
// cannot be, with nothing of it left.
std::unique_ptr<TDirectory> MakeStagingFolder(const TDirectory& target, const std::string& firstPagePath) {
  if (::mkdirat(target.Fd(), kStagingFolderName, 0777) != 0) throw EFCreateError(firstPagePath, errno);
  auto staging = std::make_unique<TDirectory>(target, kStagingFolderName);
  if (staging->Valid()) return staging;
  const int failure = errno;
  ::unlinkat(target.Fd(), kStagingFolderName, AT_REMOVEDIR);
  throw EFCreateError(firstPagePath, failure);
}

}  // namespace

void WriteWholeFile(const TDirectory& folder, const std::string& name, const std::string& shownPath,
                    const void* data, std::size_t size) {
  const int fd =
      ::openat(folder.Fd(), name.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0666);
  if (fd < 0) throw EFCreateError(shownPath, errno);
  bool closed = false;
  try {
    WriteAll(fd, std::string_view(static_cast<const char*>(data), size), shownPath);
    closed = true;
    if (::close(fd) != 0) throw EFWriteError(shownPath, errno);
  } catch (...) {
    if (!closed) ::close(fd);
    throw;
  }
}

bool CheckFolderToMake(const std::string& folder, const std::string& firstPagePath) {
  std::error_code error;
  fs::path existing = fs::absolute(folder, error);
  if (error) return false;  // the staged book says why
  std::error_code absent;
  if (fs::symlink_status(existing, absent).type() != fs::file_type::not_found) return false;
  while (existing.has_relative_path() &&
         fs::symlink_status(existing, absent).type() == fs::file_type::not_found)
    existing = existing.parent_path();
  if (!fs::is_directory(existing, absent)) throw EFCreateError(firstPagePath, ENOTDIR);
  if (::access(existing.c_str(), W_OK | X_OK) != 0) throw EFCreateError(firstPagePath, errno);
  return true;
}

TStagedBook::TStagedBook(std::string folder, const std::string& firstPagePath, bool createFolder,
                         TFileWriter writer)
    : folder_(std::move(folder)), staging_(folder_ + kStagingFolderName), writer_(std::move(writer)) {
  std::error_code error;
  if (createFolder) {
    // Every missing folder up the path, innermost first: a failed run removes them all.
    for (fs::path missing = fs::absolute(folder_, error).parent_path(); !error && missing.has_relative_path();
         missing = missing.parent_path()) {
      std::error_code absent;
      if (fs::symlink_status(missing, absent).type() != fs::file_type::not_found) break;
      madeFolders_.push_back(missing.string());
    }
    // It fails with "exists" only where a file stands in the way of a folder.
    if (!fs::create_directories(folder_, error) && error == std::errc::file_exists)
      error = std::make_error_code(std::errc::not_a_directory);
  }
  if (error) {
    RemoveMadeFolders();
    throw EFCreateError(firstPagePath, error.value());
  }
  try {
    lock_ = std::make_unique<TFolderLock>(folder_, firstPagePath);
    const TDirectory& target = lock_->Folder();
    killedRunNotice_ = FinishInterruptedCommit(target, folder_);

    // What a killed run left besides: its staging folder, and the temporary files of a page write.
    RemoveTree(target, kStagingFolderName);
    for (const auto& name : target.Names())
      if (IsLeftTemporaryFile(name)) ::unlinkat(target.Fd(), name.c_str(), 0);
    stagingFolder_ = MakeStagingFolder(target, firstPagePath);
  } catch (...) {
    lock_.reset();
    RemoveMadeFolders();
    throw;
  }
}

TStagedBook::~TStagedBook() {
  if (journalled_) return;
  stagingFolder_.reset();
  RemoveTree(lock_->Folder(), kStagingFolderName);
  lock_.reset();
  RemoveMadeFolders();
}

void TStagedBook::RemoveMadeFolders() noexcept {
  for (const auto& made : madeFolders_) RemoveEmptyFolder(made);
}

void TStagedBook::AddPage(const std::string& relativePath, const void* data, std::size_t size) {
  const std::string parent = PageFolderOf(relativePath);
  if (!parent.empty()) {
    std::error_code error;
    fs::create_directories(fs::path(staging_) / parent, error);
    if (error) throw EFCreateError(folder_ + relativePath, error.value());
  }
  writer_(*stagingFolder_, relativePath, folder_ + relativePath, data, size);
  pages_.push_back(relativePath);
}

TStagedBook::TCommit TStagedBook::Commit(const std::string& bookName, const std::string& partName,
                                         bool pageTimes, const std::vector<std::string>& staleFolders) {
  if (pageTimes) SetPageTimes(*stagingFolder_, pages_, staging_ + "/", CurrentTime());
  stagingFolder_.reset();  // the commit empties the folder and removes it
  const TCommitPlan plan{bookName, partName, pages_, staleFolders};
  CheckCommitNames(lock_->Folder(), folder_, plan);
  WriteCommitJournal(TDirectory(lock_->Folder(), kStagingFolderName), staging_, plan);
  journalled_ = true;
  const TCommitResult done = CarryOutCommit(lock_->Folder(), folder_, plan);
  WriteBookRecord(lock_->Folder(), bookName);
  TCommit result{done.oldPagesRemoved, {}};
  for (const auto& parent : done.folders)
    result.folders.push_back(folder_ + (parent.empty() ? "" : parent + "/"));
  return result;
}

std::optional<TMessage> FinishInterruptedConversion(const std::string& folder) {
  std::optional<TFolderLock> lock;
  try {
    lock.emplace(folder, folder);
  } catch (const EFolderBusy&) {
    return std::nullopt;  // the run that holds it finishes it
  } catch (const EFCreateError&) {
    return std::nullopt;  // no folder yet, or one that takes no lock: no journal either
  }
  return FinishInterruptedCommit(lock->Folder(), folder);
}
