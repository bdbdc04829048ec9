#pragma once
// Everything the main window holds apart from its widgets: the text box with the book and
// the look of the pages, the target folder, the chosen file, the squeeze check box and the
// page raster. The window shows this state and calls these operations; the command line
// drives the same state.
#include <string>

#include "app/conversion_run.h"
#include "app/page_raster.h"
#include "app/text_box.h"

class TMainState {
public:
  // The state at start: the about text in Times New Roman, height −16, Central European,
  // black on white; the target folder is the home folder followed by "/"; squeezing on.
  TMainState();

  TTextBox& Memo() { return memo_; }
  const TTextBox& Memo() const { return memo_; }
  TRunSettings& Settings() { return settings_; }
  const TRunSettings& Settings() const { return settings_; }

  // "Załaduj TXT" once a file is chosen: the text box takes the file's text, the target
  // folder becomes the file's folder and the file becomes the chosen one. On failure
  // (EFOpenError, EOutOfResources) nothing changes.
  void LoadTextFile(const std::string& path);

  // "Generuj": the conversion run over the current state. Returns the files written.
  int Generate(const TRunProgress& progress = {});

private:
  TTextBox memo_;
  TRunSettings settings_;
  TPageRaster raster_;
};

// The user's home folder followed by "/" (HOME, else the password database, else "/").
std::string HomeFolder();
