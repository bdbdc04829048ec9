// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/small_disk.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

std::string Quoted(const std::string& text) { return "'" + text + "'"; }

bool Succeeds(const std::string& command) { return std::system((command + " >/dev/null 2>&1").c_str()) == 0; }

}  // namespace

TSmallDisk::TSmallDisk(const std::string& folder, const std::string& size) : folder_(folder) {
  mounted_ = ::geteuid() == 0 && Succeeds("mount -t tmpfs -o size=" + size + " tmpfs " + Quoted(folder));
}

TSmallDisk::~TSmallDisk() {
  if (mounted_ && !Succeeds("umount " + Quoted(folder_))) ADD_FAILURE() << "umount failed";
}

TFatImage::TFatImage(const std::string& image, const std::string& folder, int kilobytes,
                     int sectorsPerCluster)
    : image_(image), folder_(folder) {
  mounted_ = ::geteuid() == 0 &&
             Succeeds("mkfs.vfat -s " + std::to_string(sectorsPerCluster) + " -C " + Quoted(image) + " " +
                      std::to_string(kilobytes)) &&
             Succeeds("fusefat -o rw+ " + Quoted(image) + " " + Quoted(folder));
}

TFatImage::~TFatImage() { Unmount(); }

void TFatImage::Unmount() {
  if (!mounted_) return;
  mounted_ = false;
  if (!Succeeds("fusermount -u " + Quoted(folder_))) ADD_FAILURE() << "fusermount failed";
  // fusefat writes its last changes to the image after the unmount has returned: the image
  // is read only once the daemon has gone, or a listing can show the card as it was. ([f]
  // keeps the pattern from matching the shell that runs pgrep.)
  for (int wait = 0; wait < 500 && Succeeds("pgrep -f -- " + Quoted("[f]usefat .*" + image_)); ++wait)
    ::usleep(10'000);
}

std::string TFatImage::List(const std::string& path) const {
  const std::string command = "mdir -b -i " + Quoted(image_) + " " + Quoted("::" + path) + " 2>/dev/null";
  const std::unique_ptr<FILE, int (*)(FILE*)> pipe(::popen(command.c_str(), "r"), ::pclose);
  std::string listing;
  std::array<char, 256> chunk{};
  while (pipe && std::fgets(chunk.data(), chunk.size(), pipe.get())) listing += chunk.data();
  return listing;
}

std::string DenseText(int lines) {
  std::string text;
  for (int i = 0; i < lines; ++i)
    text += std::to_string(i) + " Litwo, ojczyzno moja! ty jestes jak zdrowie; ile cie trzeba\n";
  return text;
}

std::string FillingText() {
  std::string text;
  for (int i = 0; i < 40 * 13; ++i) text += "x\n";
  return text + DenseText(60 * 13);
}
