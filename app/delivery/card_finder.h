// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Finds the console's memory card: a mounted volume that holds a PSP/PHOTO folder.
#include <string>
#include <vector>

struct TVolume {
  std::string rootPath;
  std::string label;
  std::string fileSystemType;
  bool ready = true;
  bool readOnly = false;
};

// The volumes the system has mounted now.
std::vector<TVolume> MountedVolumes();

// The path of each volume's PSP/PHOTO folder as it is spelt on the volume ("psp/Photo"
// too: FAT ignores case; a link at either level is no folder), in the order of `volumes`.
// Volumes that are not ready, are read-only or are kernel pseudo file systems are passed
// over; a folder reached through two mounts of one volume is listed once.
std::vector<std::string> FindCardPhotoFolders(const std::vector<TVolume>& volumes);

// The one photo folder FindCardPhotoFolders finds. Exception "No memory card found: …"
// naming the volumes looked at when there is none, "More than one memory card: …"
// naming the folders when there are several.
std::string TheCardPhotoFolder(const std::vector<TVolume>& volumes);

// The system's mount table as text, to tell cheaply that a volume came or went: reading it
// touches no mounted volume, so a stalled one cannot stall the caller.
std::string MountTable();
