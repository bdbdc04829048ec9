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
  // Opens the folder `name` inside `parent`; a link there does not open (ELOOP).
  TDirectory(const TDirectory& parent, const std::string& name);
  ~TDirectory();
  TDirectory(TDirectory&& other) noexcept;
  TDirectory& operator=(TDirectory&& other) noexcept;
  TDirectory(const TDirectory&) = delete;
  TDirectory& operator=(const TDirectory&) = delete;

  bool Valid() const { return fd_ >= 0; }
  int Fd() const { return fd_; }
  // The names in the folder, "." and ".." left out; empty when it cannot be listed.
  std::vector<std::string> Names() const;
  // Makes the folder's entries (new, renamed and removed names) durable.
  void Sync() const;

private:
  int fd_ = -1;
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

// "%s is a link; Stronix does not write through links", with the path as shown.
class ELinkRefused : public EStreamError {
public:
  explicit ELinkRefused(std::string_view path);
};
