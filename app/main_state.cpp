#include "app/main_state.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

#include "app/about_text.h"
#include "app/text_file.h"

std::string HomeFolder() {
  const char* home = std::getenv("HOME");
  if (!home || !*home) {
    const passwd* user = ::getpwuid(::getuid());
    home = user ? user->pw_dir : "";
  }
  std::string folder = home;
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder;
}

TMainState::TMainState() {
  memo_.SetText(AboutText());
  settings_.targetFolder = HomeFolder();
}

void TMainState::LoadTextFile(const std::string& path) {
  std::string text = ReadTextFile(path);
  if (text != memo_.Text()) memo_.SetText(text);
  settings_.targetFolder = TargetFolderOf(path);
  settings_.chosenFileName = path;
}

int TMainState::Generate(const TRunProgress& progress) {
  return RunConversion(memo_, raster_, settings_, progress);
}
