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
constexpr std::string_view kHeaderLine = "stronix commit 1\n";
constexpr std::string_view kEndLine = "\nend\n";  // after the last entry's line break

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

std::string Unescaped(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\\' && i + 1 < text.size())
      out += text[++i] == 'n' ? '\n' : text[i];
    else
      out += text[i];
  }
  return out;
}

std::string JournalText(const TCommitPlan& plan) {
  std::string text = std::string(kHeaderLine) + "book " + Escaped(plan.bookName) + "\n";
  for (const auto& page : plan.pages) text += "page " + Escaped(page) + "\n";
  for (const auto& stale : plan.staleFolders) text += "stale " + Escaped(stale) + "\n";
  return text.append(kEndLine.substr(1));
}

std::string NameOf(const std::string& relativePath) {
  const auto slash = relativePath.rfind('/');
  return slash == std::string::npos ? relativePath : relativePath.substr(slash + 1);
}

// Removes the page files of `pageSizes` in `folder` that are not in `kept`, never through
// a link; returns how many went.
int RemoveOldPages(const TDirectory& folder, const std::set<std::string>& kept,
                   const std::set<TGifSize>& pageSizes) {
  int removed = 0;
  for (const auto& name : folder.Names()) {
    if (!IsPageFileName(name) || kept.contains(name) || EntryKindOf(folder, name) != TEntryKind::File)
      continue;
    if (IsPageFile(folder, name, pageSizes) && ::unlinkat(folder.Fd(), name.c_str(), 0) == 0) ++removed;
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

// The part folder `name` of the target, made when missing; never a link.
TDirectory OpenPartFolder(const TDirectory& folder, const std::string& name, const std::string& shownPage) {
  if (name.empty()) return TDirectory(folder, ".");
  if (::mkdirat(folder.Fd(), name.c_str(), 0777) != 0 && errno != EEXIST)
    throw EFCreateError(shownPage, errno);
  TDirectory part(folder, name);
  if (part.Valid()) return part;
  const int error = errno;
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

// A test's way to stop the program between two renames: STRONIX_TEST_STOP_AFTER_RENAME=k
// stops it (SIGSTOP) once k pages have moved, for the test to kill it there.
void StopHereForTest(int renamesDone) {
  static const char* const stopAfter = std::getenv("STRONIX_TEST_STOP_AFTER_RENAME");
  if (stopAfter && std::atoi(stopAfter) == renamesDone) std::raise(SIGSTOP);
}

}  // namespace

void CheckCommitNames(const TDirectory& folder, const std::string& shownFolder, const TCommitPlan& plan) {
  std::optional<std::string> parent;
  std::optional<TDirectory> part;
  std::optional<TEntryKinds> names;
  for (const auto& page : plan.pages) {
    if (PageFolderOf(page) != parent) {
      parent = PageFolderOf(page);
      names.reset();
      part = CheckPartFolder(folder, *parent, shownFolder, shownFolder + page);
      if (part) names.emplace(*part);
    }
    if (names) CheckPageName(*names, NameOf(page), shownFolder + page);
  }
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

std::optional<TCommitPlan> ReadCommitJournal(const TDirectory& staging) {
  const int fd = ::openat(staging.Fd(), kJournalName, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  std::string text;
  char chunk[1 << 14];
  for (ssize_t count; (count = ReadRetrying(fd, chunk, sizeof chunk)) > 0;)
    text.append(chunk, static_cast<std::size_t>(count));
  ::close(fd);
  // Written whole and renamed into place, a journal is complete; anything else is not one.
  if (!text.starts_with(kHeaderLine) || !text.ends_with(kEndLine)) return std::nullopt;
  TCommitPlan plan;
  std::string_view rest(text);
  rest.remove_prefix(kHeaderLine.size());
  while (!rest.empty()) {
    const std::string_view line = rest.substr(0, rest.find('\n'));
    rest.remove_prefix(line.size() + 1);
    const std::string_view value = line.substr(std::min(line.size(), line.find(' ') + 1));
    if (line.starts_with("book "))
      plan.bookName = Unescaped(value);
    else if (line.starts_with("page "))
      plan.pages.push_back(Unescaped(value));
    else if (line.starts_with("stale "))
      plan.staleFolders.push_back(Unescaped(value));
  }
  return plan;
}

TCommitResult CarryOutCommit(const TDirectory& folder, const std::string& shownFolder,
                             const TCommitPlan& plan) {
  const TDirectory staging(folder, kStagingFolderName);
  TCommitResult result;
  std::vector<std::pair<TDirectory, std::set<std::string>>> written;  // folder → its pages
  TDirectory stagedPart(staging, ".");
  std::optional<TEntryKinds> staged;
  int renames = 0;
  StopHereForTest(renames);
  for (const auto& page : plan.pages) {
    const std::string parent = PageFolderOf(page), name = NameOf(page);
    if (result.folders.empty() || result.folders.back() != parent) {
      result.folders.push_back(parent);
      written.emplace_back(OpenPartFolder(folder, parent, shownFolder + page), std::set<std::string>());
      stagedPart = TDirectory(staging, parent.empty() ? "." : parent);
      staged.emplace(stagedPart);
    }
    written.back().second.insert(name);
    // A page already moved by the run that was killed is no longer staged.
    if (staged->Of(name) != TEntryKind::File) continue;
    if (::renameat(stagedPart.Fd(), name.c_str(), written.back().first.Fd(), name.c_str()) != 0)
      throw EFCreateError(shownFolder + page, errno);
    StopHereForTest(++renames);
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

std::optional<std::string> FinishInterruptedCommit(const TDirectory& folder, const std::string& shownFolder) {
  const TDirectory staging(folder, kStagingFolderName);
  if (!staging.Valid()) return std::nullopt;
  const std::optional<TCommitPlan> plan = ReadCommitJournal(staging);
  if (!plan) return std::nullopt;
  CarryOutCommit(folder, shownFolder, *plan);
  return plan->bookName;
}

TMessage FinishedInterruptedMessage(const std::string& bookName) {
  return FormatMessage("Finished an interrupted conversion of %s", {bookName});
}
