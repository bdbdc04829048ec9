// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A fresh folder for one test, removed with everything in it afterwards.
#include <filesystem>
#include <string>
#include <vector>

class TempDir {
public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  // The path of `name` inside the folder, as a string.
  std::string File(const std::string& name) const { return (path_ / name).string(); }
  // Names of the files in the folder, sorted; the book record a run leaves beside its pages
  // is left out, being no page.
  std::vector<std::string> Names() const;

private:
  std::filesystem::path path_;
};
