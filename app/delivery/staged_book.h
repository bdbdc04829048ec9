// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A run's pages on their way into the target folder. They are written into a hidden
// staging folder inside it and moved into place only when every page is complete, by a
// journalled commit, so a folder holds either the old book or the new one, never a mix
// that stays. One run at a time holds the folder; the next run finishes a commit a killed
// run left and clears whatever else it left.
#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/delivery/page_file.h"
#include "platform/exceptions.h"

class TFolderLock;

class TDirectory;

// Writes a whole file `name` (a path relative to `folder`; an absolute one goes where it
// says), never through a link; raises EFCreateError / EFWriteError ("Cannot write %s")
// naming `shownPath`, with the system's reason. A seam for tests that fill the disk.
using TFileWriter = std::function<void(const TDirectory& folder, const std::string& name,
                                       const std::string& shownPath, const void* data, std::size_t size)>;

void WriteWholeFile(const TDirectory& folder, const std::string& name, const std::string& shownPath,
                    const void* data, std::size_t size);

// True when `folder` is missing, once the nearest folder above it that exists is known to
// take new folders (EFCreateError naming `firstPagePath` when it is no folder or cannot be
// written): its space can then be judged before anything is made.
bool CheckFolderToMake(const std::string& folder, const std::string& firstPagePath);

class TStagedBook {
public:
  // Locks `folder` (a path ending in "/"), finishes a commit a killed run left there,
  // clears whatever else it left and makes the staging folder. With `createFolder` a missing folder is made
  // with its parents. Errors name `firstPagePath`, the first file the run would write ("Cannot create file
  // .../0000.gif"), or are EFolderBusy when another run holds the folder.
  TStagedBook(std::string folder, const std::string& firstPagePath, bool createFolder,
              TFileWriter writer = WriteWholeFile);
  // Without a commit the staging folder goes and the folder is as it was; folders the run
  // made itself go too.
  ~TStagedBook();
  TStagedBook(const TStagedBook&) = delete;
  TStagedBook& operator=(const TStagedBook&) = delete;

  const std::string& Folder() const { return folder_; }
  // What this run first did with a commit a killed run left: finished it, or set its
  // damaged journal aside.
  const std::optional<TMessage>& KilledRunNotice() const { return killedRunNotice_; }

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
  // (relative: parts of an older, longer book), which go too when left empty. Every name
  // is checked before the first page moves. `bookName` names the book should another run
  // have to finish the commit; `partName` is the "<Name>" of its part folders, empty
  // without them. Both are plain names: the next run takes no other from a journal.
  TCommit Commit(const std::string& bookName, const std::string& partName, bool pageTimes,
                 const std::vector<std::string>& staleFolders = {});

private:
  void RemoveMadeFolders() noexcept;

  std::string folder_;
  std::string staging_;
  TFileWriter writer_;
  std::unique_ptr<TFolderLock> lock_;
  // Open for the whole run: a page is created by its name in it, not by its whole path.
  std::unique_ptr<TDirectory> stagingFolder_;
  std::vector<std::string> pages_;        // relative paths, in page order
  std::vector<std::string> madeFolders_;  // by this run, the deepest first
  std::optional<TMessage> killedRunNotice_;
  // From the journal on, the staging folder is the next run's to finish, never to clear.
  bool journalled_ = false;
};

// At the start of a run into `folder`: finishes a commit a killed run left there, unless
// another run holds the folder. What it did, as FinishInterruptedCommit says it.
std::optional<TMessage> FinishInterruptedConversion(const std::string& folder);
