// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/man_page.h"

#include <cstdio>
#include <memory>

std::string RenderedManPage(const std::string& name) {
  const std::string command = "groff -k -man -Tutf8 -P-cbou -rHY=0 -rLL=200n '" +
                              std::string(STRONIX_MAN_DIR) + "/" + name + ".1' 2>/dev/null";
  const std::unique_ptr<FILE, int (*)(FILE*)> pipe(::popen(command.c_str(), "r"), ::pclose);
  if (!pipe) return {};
  std::string text;
  bool space = false;
  for (int c; (c = std::fgetc(pipe.get())) != EOF;) {
    if (c == ' ' || c == '\n' || c == '\t') {
      space = true;
      continue;
    }
    if (space && !text.empty()) text += ' ';
    space = false;
    text += static_cast<char>(c);
  }
  return text;
}
