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

#include "app/delivery/commit_plan.h"
#include "platform/exceptions.h"

class TDirectory;

// The hidden folder inside the target where a run's pages wait for the commit.
inline constexpr const char* kStagingFolderName = ".stronix-staging";

struct TCommitResult {
  int oldPagesRemoved = 0;
  std::vector<std::string> folders;  // relative folders that received pages, in page order ("" the target)
};

// Raises, before anything moves, what carrying out `plan` in `folder` would meet: a part
// folder or page name that is a link (ELinkRefused), a part folder that is no folder or
// cannot be written, a page name held by a folder or a special file (EFCreateError naming
// the page), a folder named like a page among the pages the commit removes
// (EFolderNamedLikePage), so that no commit stops halfway on a name.
void CheckCommitNames(const TDirectory& folder, const std::string& shownFolder, const TCommitPlan& plan);

// Makes the staged pages durable, then writes `plan` as the staging folder's journal;
// EFWriteError naming the journal in `shownStaging` when it cannot.
void WriteCommitJournal(const TDirectory& staging, const std::string& shownStaging, const TCommitPlan& plan);

// What the staging folder's journal holds: none, a sound plan, or anything else.
struct TJournal {
  enum class TState { Missing, Sound, Damaged } state = TState::Missing;
  TCommitPlan plan;  // when sound
};
TJournal ReadCommitJournal(const TDirectory& staging);

// Carries out `plan` in `folder` (shown as `shownFolder`, ending in "/"): moves the staged
// pages into place in order (into part folders it makes as needed), removes the page files
// the plan did not bring, and links and special files named like pages, from each folder
// that received pages and from the stale folders (which go too when left empty), then the
// journal and the staging folder. A part folder that is a link raises ELinkRefused; a failed
// move EFCreateError naming the page; a part folder it made stays only with pages in it.
TCommitResult CarryOutCommit(const TDirectory& folder, const std::string& shownFolder,
                             const TCommitPlan& plan);

// In a locked `folder`: carries out the journal a killed run left in its staging folder,
// if any, and says so ("Finished an interrupted conversion of %s"). A journal that is not
// sound, or names a link, is renamed "journal.rejected" and nothing of it is done ("Set
// aside a damaged commit journal in %s"); EFWriteError when it cannot be set aside.
std::optional<TMessage> FinishInterruptedCommit(const TDirectory& folder, const std::string& shownFolder);

// "%s is a folder named like a page; move it away and try again": a commit would leave
// it among the pages.
class EFolderNamedLikePage : public EStreamError {
public:
  explicit EFolderNamedLikePage(std::string_view path);
};
