// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The last step of a run made safe against a kill at any moment. The renames and removals
// that put a staged book in place are written as a journal into the staging folder, and
// made durable with the staged pages, before the first of them; the journal goes only
// when all are done. A run that finds a journal carries it out again from its start:
// every step may be repeated, so a killed commit always ends as the new book.
#include <optional>
#include <string>
#include <vector>

#include "platform/exceptions.h"

class TDirectory;

// The hidden folder inside the target where a run's pages wait for the commit.
inline constexpr const char* kStagingFolderName = ".stronix-staging";

struct TCommitPlan {
  std::string bookName;            // named when another run finishes the commit
  std::vector<std::string> pages;  // relative to the target ("0001.gif", "Name 01/0001.gif"), in page order
  std::vector<std::string> staleFolders;  // part folders of an older, longer book, relative
};

struct TCommitResult {
  int oldPagesRemoved = 0;
  std::vector<std::string> folders;  // relative folders that received pages, in page order ("" the target)
};

// Raises, before anything moves, what carrying out `plan` in `folder` would meet: a part
// folder or page name that is a link (ELinkRefused), a part folder that is no folder or
// cannot be written, a page name held by a folder or a special file (EFCreateError naming
// the page), so that no commit stops halfway on a name.
void CheckCommitNames(const TDirectory& folder, const std::string& shownFolder, const TCommitPlan& plan);

// Makes the staged pages durable, then writes `plan` as the staging folder's journal;
// EFWriteError naming the journal in `shownStaging` when it cannot.
void WriteCommitJournal(const TDirectory& staging, const std::string& shownStaging, const TCommitPlan& plan);

// The plan of a complete journal in the staging folder; none without one.
std::optional<TCommitPlan> ReadCommitJournal(const TDirectory& staging);

// Carries out `plan` in `folder` (shown as `shownFolder`, ending in "/"): moves the staged
// pages into place in order (into part folders it makes as needed), removes the page files
// the plan did not bring from each folder that received pages and from the stale folders
// (which go too when left empty), then the journal and the staging folder. A part folder
// that is a link raises ELinkRefused; a failed move EFCreateError naming the page.
TCommitResult CarryOutCommit(const TDirectory& folder, const std::string& shownFolder,
                             const TCommitPlan& plan);

// In a locked `folder`: carries out the journal a killed run left in its staging folder,
// if any; the name of the book it finished.
std::optional<std::string> FinishInterruptedCommit(const TDirectory& folder, const std::string& shownFolder);

// "Finished an interrupted conversion of %s".
TMessage FinishedInterruptedMessage(const std::string& bookName);
