#pragma once
// A run's pages on their way into the target folder. They are written into a hidden
// staging folder inside it and moved into place only when every page is complete, so a
// folder holds either the old book or the new one, never a mix. One run at a time holds
// the folder; what a killed run left behind is cleared by the next.
#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class TFolderLock;

// Writes a whole file; raises EFCreateError / EWriteError naming `shownPath`, with the
// system's reason. A seam for tests that fill the disk.
using TFileWriter =
    std::function<void(const std::string& path, const std::string& shownPath, const void* data, std::size_t size)>;

void WriteWholeFile(const std::string& path, const std::string& shownPath, const void* data, std::size_t size);

// True for a name of four or more digits followed by ".gif": a page's file name.
bool IsPageFileName(std::string_view name);
// True when the file starts as a GIF of 480 × 272 pixels does.
bool IsPageFile(const std::string& path);

class TStagedBook {
public:
  static constexpr const char* kStagingName = ".stronix-staging";

  // Locks `folder` (a path ending in "/"), clears what a killed run left there and makes
  // the staging folder. With `createFolder` a missing folder is made with its parents.
  // Errors name `firstPagePath`, the first file the run would write ("Cannot create
  // file .../0000.gif"), or are EFolderBusy when another run holds the folder.
  TStagedBook(std::string folder, const std::string& firstPagePath, bool createFolder,
              TFileWriter writer = WriteWholeFile);
  // Without a commit the staging folder goes and the folder is as it was.
  ~TStagedBook();
  TStagedBook(const TStagedBook&) = delete;
  TStagedBook& operator=(const TStagedBook&) = delete;

  const std::string& Folder() const { return folder_; }

  // Stages a complete page under its place relative to the folder ("0001.gif" or
  // "Name 01/0001.gif").
  void AddPage(const std::string& relativePath, const void* data, std::size_t size);

  struct TCommit {
    int oldPagesRemoved = 0;
    std::vector<std::string> folders;  // the folders that received pages, in page order
  };
  // Moves the pages into place in the order they were added (with `pageTimes`, their
  // modification times ascend in that order, the last one now), then removes the page
  // files this run did not write from every folder it wrote into and from `staleFolders`
  // (relative: parts of an older, longer book), which go too when left empty.
  TCommit Commit(bool pageTimes, const std::vector<std::string>& staleFolders = {});

private:
  std::string folder_;
  std::string staging_;
  TFileWriter writer_;
  std::unique_ptr<TFolderLock> lock_;
  std::vector<std::string> pages_;  // relative paths, in page order
  bool committed_ = false;
};
