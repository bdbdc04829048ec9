// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small volumes mounted over a test's folder, so that runs meet a full disk for real. Each
// needs root (and the FAT image fusefat and mtools); Mounted() is false without them.
#include <string>

// A tmpfs of `size` ("256k", "1m").
class TSmallDisk {
public:
  TSmallDisk(const std::string& folder, const std::string& size = "256k");
  ~TSmallDisk();
  TSmallDisk(const TSmallDisk&) = delete;
  TSmallDisk& operator=(const TSmallDisk&) = delete;
  bool Mounted() const { return mounted_; }

private:
  std::string folder_;
  bool mounted_ = false;
};

// A FAT image of `kilobytes` made by mkfs.vfat with `sectorsPerCluster` (64: 32 KiB
// clusters), mounted through fusefat until Unmount.
class TFatImage {
public:
  TFatImage(const std::string& image, const std::string& folder, int kilobytes, int sectorsPerCluster);
  ~TFatImage();
  TFatImage(const TFatImage&) = delete;
  TFatImage& operator=(const TFatImage&) = delete;
  bool Mounted() const { return mounted_; }
  void Unmount();
  // mtools' bare listing of `path` in the image (after Unmount): "::/path/name" a line.
  std::string List(const std::string& path) const;

private:
  std::string image_, folder_;
  bool mounted_ = false;
};

// `lines` full lines of ASCII text: pages of 12-15 KB.
std::string DenseText(int lines);
// A book whose first 40 pages hold a short line each and the next 60 are full: the room
// the first pages take promises a fit that the last ones break.
std::string FillingText();
