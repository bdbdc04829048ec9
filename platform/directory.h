// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A folder held open by its descriptor, so that names inside it are looked up relative to
// it and a symbolic link standing in place of an entry is seen, never followed.
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "platform/exceptions.h"

class TDirectory {
public:
  // Opens the folder at `path`, following links in the path itself (the user chose it);
  // Valid() tells whether it opened, errno why not.
  explicit TDirectory(const std::string& path);
  // Opens the folder `name` inside `parent`; a link there does not open (ELOOP). "." is
  // `parent` again.
  TDirectory(const TDirectory& parent, const std::string& name);
  ~TDirectory();
  TDirectory(TDirectory&& other) noexcept;
  TDirectory& operator=(TDirectory&& other) noexcept;
  TDirectory(const TDirectory&) = delete;
  TDirectory& operator=(const TDirectory&) = delete;

  bool Valid() const { return fd_ >= 0; }
  int Fd() const { return fd_; }
  // The folder's path as errors name it.
  const std::string& Path() const { return path_; }
  // The names in the folder, "." and ".." left out; EFolderListError when it cannot be
  // listed whole, since a name left out would be a page left behind.
  std::vector<std::string> Names() const;
  // Makes the folder's entries (new, renamed and removed names) durable; EFWriteError
  // naming the folder when the system cannot, as a card pulled out too early does.
  void Sync() const;

private:
  int fd_ = -1;
  std::string path_;
};

enum class TEntryKind { Missing, File, Folder, Link, Other };

// What `name` in `folder` is, its own kind for a link.
TEntryKind EntryKindOf(const TDirectory& folder, const std::string& name);

// The kinds of a folder's entries, read in one listing rather than one look-up a name: a
// commit asks about thousands of pages. A name the listing lacks is Missing; one that differs
// from a listed name only in letter case is looked up, since a FAT card matches names
// without case. Kinds the listing does not give, and every kind when the folder cannot be
// listed, are looked up too.
class TEntryKinds {
public:
  // `folder` must outlive the kinds.
  explicit TEntryKinds(const TDirectory& folder);
  TEntryKind Of(const std::string& name) const;

private:
  const TDirectory& folder_;
  bool listed_ = false;
  std::unordered_map<std::string, TEntryKind> kinds_;
  std::unordered_set<std::string> caseless_;  // every listed name in lower case
};

// Removes `name` from `folder` with everything in it, never following a link (a link
// goes itself). Best effort: what cannot go stays.
void RemoveTree(const TDirectory& folder, const std::string& name) noexcept;

// "Cannot list the folder %s", with the folder's path.
class EFolderListError : public EStreamError {
public:
  EFolderListError(std::string_view path, int systemError);
};

// "%s is a link; Stronix does not write through links", with the path as shown.
class ELinkRefused : public EStreamError {
public:
  explicit ELinkRefused(std::string_view path);
};
