// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/delivery/commit_journal.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <optional>
#include <set>
#include <string_view>

#include "app/delivery/page_file.h"
#include "platform/descriptor_io.h"
#include "platform/directory.h"
#include "platform/exceptions.h"

namespace {

constexpr const char* kJournalName = "journal";
constexpr const char* kNewJournalName = "journal.new";
constexpr const char* kRejectedJournalName = "journal.rejected";
constexpr std::string_view kHeaderLine = "stronix commit 1\n";
constexpr std::string_view kEndLine = "end\n";
// Far above the journal of the longest book (a million pages take some 30 MB), and a bound
// on what a planted file can make a run read.
constexpr off_t kMostJournalBytes = 64 << 20;

// A name with "\" and line breaks escaped, so that one entry is one line.
std::string Escaped(std::string_view text) {
  std::string out;
  for (const char c : text) {
    if (c == '\\')
      out += "\\\\";
    else if (c == '\n')
      out += "\\n";
    else
      out += c;
  }
  return out;
}

// The name Escaped wrote; none for an escape it never writes.
std::optional<std::string> Unescaped(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\') {
      out += text[i];
      continue;
    }
    if (++i == text.size() || (text[i] != '\\' && text[i] != 'n')) return std::nullopt;
    out += text[i] == 'n' ? '\n' : '\\';
  }
  return out;
}

std::string JournalText(const TCommitPlan& plan) {
  std::string text = std::string(kHeaderLine) + "book " + Escaped(plan.bookName) + "\n";
  if (!plan.partName.empty()) text += "parts " + Escaped(plan.partName) + "\n";
  for (const auto& page : plan.pages) text += "page " + Escaped(page) + "\n";
  for (const auto& stale : plan.staleFolders) text += "stale " + Escaped(stale) + "\n";
  return text.append(kEndLine);
}

// The plan of a journal's text, each line one entry, book first; none for any other text.
std::optional<TCommitPlan> ParsedJournal(std::string_view text) {
  // Written whole and renamed into place, a journal is complete; anything else is not one.
  if (!text.starts_with(kHeaderLine) || !text.ends_with(kEndLine)) return std::nullopt;
  text.remove_prefix(kHeaderLine.size());
  text.remove_suffix(kEndLine.size());
  TCommitPlan plan;
  bool named = false, parted = false;
  while (!text.empty()) {
    const auto lineEnd = text.find('\n');
    if (lineEnd == std::string_view::npos) return std::nullopt;
    const std::string_view line = text.substr(0, lineEnd);
    text.remove_prefix(lineEnd + 1);
    const auto space = line.find(' ');
    const std::optional<std::string> value =
        space == std::string_view::npos ? std::nullopt : Unescaped(line.substr(space + 1));
    const std::string_view key = line.substr(0, space);
    if (!value || (key == "book") == named) return std::nullopt;  // the book line first, and once
    if (key == "book")
      plan.bookName = *value, named = true;
    else if (key == "parts" && !parted && plan.pages.empty())
      plan.partName = *value, parted = true;
    else if (key == "page" && plan.staleFolders.empty())
      plan.pages.push_back(*value);
    else if (key == "stale")
      plan.staleFolders.push_back(*value);
    else
      return std::nullopt;
  }
  if (!IsSoundPlan(plan)) return std::nullopt;
  return plan;
}

// Removes from `folder` what stands among its pages under a page's name not in `kept`: old
// page files of `pageSizes`, and links and special files (the entry itself, never what a
// link points to); returns how many pages went.
int RemoveOldPages(const TDirectory& folder, const std::set<std::string>& kept,
                   const std::set<TGifSize>& pageSizes) {
  int removed = 0;
  for (const auto& name : folder.Names()) {
    if (!IsPageFileName(name) || kept.contains(name)) continue;
    switch (EntryKindOf(folder, name)) {
      case TEntryKind::File:
        if (IsPageFile(folder, name, pageSizes) && ::unlinkat(folder.Fd(), name.c_str(), 0) == 0) ++removed;
        break;
      case TEntryKind::Link:
      case TEntryKind::Other:
        ::unlinkat(folder.Fd(), name.c_str(), 0);
        break;
      default:
        break;  // a folder: CheckCommitNames refused it, or one came meanwhile
    }
  }
  return removed;
}

// The sizes of a page of an earlier book: the classic one and those of the pages just
// moved in (read back from the folders, so that a commit finished after a kill finds them too).
std::set<TGifSize> PageSizes(const std::vector<std::pair<TDirectory, std::set<std::string>>>& written) {
  std::set<TGifSize> sizes = {kClassicPageSize};
  for (const auto& [part, names] : written)
    if (const auto size = GifSizeOf(part, *names.begin())) sizes.insert(*size);
  return sizes;
}

// The part folder `name` of the target, made when missing (`made` then tells so); never a link.
TDirectory OpenPartFolder(const TDirectory& folder, const std::string& name, const std::string& shownPage,
                          bool& made) {
  made = false;
  if (name.empty()) return TDirectory(folder, ".");
  if (::mkdirat(folder.Fd(), name.c_str(), 0777) == 0)
    made = true;
  else if (errno != EEXIST)
    throw EFCreateError(shownPage, errno);
  TDirectory part(folder, name);
  if (part.Valid()) return part;
  const int error = errno;
  if (made) ::unlinkat(folder.Fd(), name.c_str(), AT_REMOVEDIR);
  if (EntryKindOf(folder, name) == TEntryKind::Link)
    throw ELinkRefused(shownPage.substr(0, shownPage.rfind('/')));
  throw EFCreateError(shownPage, error);
}

// EFCreateError `shownPage` unless the page's name in `part` is free or a regular file.
void CheckPageName(const TEntryKinds& part, const std::string& name, const std::string& shownPage) {
  switch (part.Of(name)) {
    case TEntryKind::Missing:
    case TEntryKind::File:
      return;
    case TEntryKind::Link:
      throw ELinkRefused(shownPage);
    case TEntryKind::Folder:
      throw EFCreateError(shownPage, EISDIR);
    case TEntryKind::Other:
      throw EFCreateError(shownPage, EEXIST);
  }
}

// EFolderNamedLikePage for a folder in `part` under a page's name not in `kept`: the
// commit removes the other pages there and must not leave that one looking like a page.
void CheckNoFolderNamedLikePage(const TDirectory& part, const std::vector<std::string>& kept,
                                const std::string& shownPart) {
  const std::set<std::string> keptNames(kept.begin(), kept.end());
  for (const auto& name : part.Names())
    if (IsPageFileName(name) && !keptNames.contains(name) && EntryKindOf(part, name) == TEntryKind::Folder)
      throw EFolderNamedLikePage(shownPart + name);
}

// The part folder `name` of the target, open when it exists; raises when the pages could
// not go into it.
std::optional<TDirectory> CheckPartFolder(const TDirectory& folder, const std::string& name,
                                          const std::string& shownFolder, const std::string& shownPage) {
  if (name.empty()) return TDirectory(folder, ".");
  switch (EntryKindOf(folder, name)) {
    case TEntryKind::Missing:
      return std::nullopt;
    case TEntryKind::Link:
      throw ELinkRefused(shownFolder + name);
    case TEntryKind::Folder:
      break;
    default:
      throw EFCreateError(shownPage, ENOTDIR);
  }
  if (::faccessat(folder.Fd(), name.c_str(), W_OK | X_OK, AT_EACCESS) != 0)
    throw EFCreateError(shownPage, errno);
  TDirectory part(folder, name);
  if (!part.Valid()) throw EFCreateError(shownPage, errno);
  return part;
}

std::string Shown(const std::string& shownFolder, const std::string& relativeFolder) {
  return relativeFolder.empty() ? shownFolder : shownFolder + relativeFolder + "/";
}

// Renames the journal out of a run's way; EFWriteError when it cannot, since a journal that
// stays would be read again.
TMessage SetJournalAside(const TDirectory& staging) {
  const std::string shownPath = staging.Path() + "/" + kJournalName;
  RemoveTree(staging, kRejectedJournalName);  // one set aside before: it would bar the rename
  if (::renameat(staging.Fd(), kJournalName, staging.Fd(), kRejectedJournalName) != 0)
    throw EFWriteError(shownPath, errno);
  staging.Sync();
  return FormatMessage("Set aside a damaged commit journal in %s", {staging.Path()});
}

// A test's way to stop the program between two renames: STRONIX_TEST_STOP_AFTER_RENAME=k
// stops it (SIGSTOP) once k pages have moved, for the test to kill it there.
void StopHereForTest(int renamesDone) {
  static const char* const stopAfter = std::getenv("STRONIX_TEST_STOP_AFTER_RENAME");
  if (stopAfter && std::atoi(stopAfter) == renamesDone) std::raise(SIGSTOP);
}

}  // namespace

void CheckCommitNames(const TDirectory& folder, const std::string& shownFolder, const TCommitPlan& plan) {
  for (const auto& [parent, names] : PageFoldersOf(plan)) {
    const std::string shownPart = Shown(shownFolder, parent);
    const std::optional<TDirectory> part =
        CheckPartFolder(folder, parent, shownFolder, shownPart + names.front());
    if (!part) continue;
    const TEntryKinds kinds(*part);
    for (const auto& name : names) CheckPageName(kinds, name, shownPart + name);
    CheckNoFolderNamedLikePage(*part, names, shownPart);
  }
  for (const auto& stale : plan.staleFolders)
    if (const TDirectory part(folder, stale); part.Valid())
      CheckNoFolderNamedLikePage(part, {}, Shown(shownFolder, stale));
}

void WriteCommitJournal(const TDirectory& staging, const std::string& shownStaging, const TCommitPlan& plan) {
  const std::string shownPath = shownStaging + "/" + kJournalName;
  // The pages first: once the journal stands, a crash must not find them empty.
  if (::syncfs(staging.Fd()) != 0) throw EFWriteError(shownPath, errno);
  const int fd =
      ::openat(staging.Fd(), kNewJournalName, O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0644);
  if (fd < 0) throw EFCreateError(shownPath, errno);
  try {
    WriteAll(fd, JournalText(plan), shownPath);
    if (::fsync(fd) != 0) throw EFWriteError(shownPath, errno);
  } catch (...) {
    ::close(fd);
    throw;
  }
  if (::close(fd) != 0) throw EFWriteError(shownPath, errno);
  if (::renameat(staging.Fd(), kNewJournalName, staging.Fd(), kJournalName) != 0)
    throw EFWriteError(shownPath, errno);
  staging.Sync();
}

TJournal ReadCommitJournal(const TDirectory& staging) {
  const int fd = ::openat(staging.Fd(), kJournalName, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0 && errno == ENOENT) return {};
  std::string text;
  struct stat status {};
  // Only a regular file of a journal's size is read: not a link, a FIFO or a device.
  if (fd >= 0 && ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) &&
      status.st_size <= kMostJournalBytes) {
    char chunk[1 << 14];
    for (ssize_t count; (count = ReadRetrying(fd, chunk, sizeof chunk)) > 0;)
      text.append(chunk, static_cast<std::size_t>(count));
  }
  if (fd >= 0) ::close(fd);
  std::optional<TCommitPlan> plan = ParsedJournal(text);
  if (!plan) return {TJournal::TState::Damaged, {}};
  return {TJournal::TState::Sound, std::move(*plan)};
}

TCommitResult CarryOutCommit(const TDirectory& folder, const std::string& shownFolder,
                             const TCommitPlan& plan) {
  const TDirectory staging(folder, kStagingFolderName);
  TCommitResult result;
  std::vector<std::pair<TDirectory, std::set<std::string>>> written;  // folder → its pages
  std::vector<std::string> madeParts;
  int renames = 0;
  StopHereForTest(renames);
  try {
    for (const auto& [parent, names] : PageFoldersOf(plan)) {
      const std::string shownPart = Shown(shownFolder, parent);
      bool made = false;
      written.emplace_back(OpenPartFolder(folder, parent, shownPart + names.front(), made),
                           std::set<std::string>(names.begin(), names.end()));
      if (made) madeParts.push_back(parent);
      result.folders.push_back(parent);
      const TDirectory stagedPart(staging, parent.empty() ? "." : parent);
      const TEntryKinds staged(stagedPart);
      for (const auto& name : names) {
        // A page already moved by the run that was killed is no longer staged.
        if (staged.Of(name) != TEntryKind::File) continue;
        if (::renameat(stagedPart.Fd(), name.c_str(), written.back().first.Fd(), name.c_str()) != 0)
          throw EFCreateError(shownPart + name, errno);
        StopHereForTest(++renames);
      }
    }
  } catch (...) {
    // A part folder made for pages that never came would stay as an empty folder.
    for (const auto& made : madeParts) ::unlinkat(folder.Fd(), made.c_str(), AT_REMOVEDIR);
    throw;
  }
  const std::set<TGifSize> pageSizes = PageSizes(written);
  for (const auto& [part, names] : written) {
    part.Sync();
    result.oldPagesRemoved += RemoveOldPages(part, names, pageSizes);
  }
  for (const auto& stale : plan.staleFolders) {
    const TDirectory part(folder, stale);
    if (part.Valid()) result.oldPagesRemoved += RemoveOldPages(part, {}, pageSizes);
    ::unlinkat(folder.Fd(), stale.c_str(), AT_REMOVEDIR);  // only when empty
  }
  folder.Sync();
  ::unlinkat(staging.Fd(), kJournalName, 0);
  staging.Sync();
  RemoveTree(folder, kStagingFolderName);
  folder.Sync();
  return result;
}

std::optional<TMessage> FinishInterruptedCommit(const TDirectory& folder, const std::string& shownFolder) {
  const TDirectory staging(folder, kStagingFolderName);
  if (!staging.Valid()) return std::nullopt;
  const TJournal journal = ReadCommitJournal(staging);
  switch (journal.state) {
    case TJournal::TState::Missing:
      return std::nullopt;
    case TJournal::TState::Damaged:
      return SetJournalAside(staging);
    case TJournal::TState::Sound:
      break;
  }
  try {
    CheckCommitNames(folder, shownFolder, journal.plan);
  } catch (const ELinkRefused&) {
    // The run that wrote the journal checked its names: a link there came later, planted.
    return SetJournalAside(staging);
  }
  CarryOutCommit(folder, shownFolder, journal.plan);
  return FormatMessage("Finished an interrupted conversion of %s", {journal.plan.bookName});
}

EFolderNamedLikePage::EFolderNamedLikePage(std::string_view path)
    : EStreamError(FormatMessage("%s is a folder named like a page; move it away and try again", {path})) {}
