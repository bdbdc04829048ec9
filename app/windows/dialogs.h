// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The questions the main window asks its user, behind one interface so that tests can
// answer them: the real answers come from Qt dialogs (TQtDialogs), a test scripts its own.
#include <optional>
#include <string>

#include "app/drawing/appearance.h"
#include "app/layout/color.h"

class TDialogs {
public:
  virtual ~TDialogs() = default;

  // `OpenDialog1`: the full path of a chosen book, or none when cancelled.
  virtual std::optional<std::string> OpenTextFile() = 0;
  // The target folder chooser, opened on `current`: the chosen folder, or none when cancelled.
  virtual std::optional<std::string> ChooseFolder(const std::string& current) = 0;
  // `FontDialog1`, opened on `start`: the font as confirmed, or none when cancelled.
  virtual std::optional<TFontChoice> ChooseFont(const TFontChoice& start) = 0;
  // `ColorDialog1`, opened on `current`: the confirmed colour, or none when cancelled.
  virtual std::optional<TColor> ChooseColor(TColor current) = 0;
  // Reports a failed action with the failure's exact text and the system's reason for it
  // (empty when there is none).
  virtual void ShowError(const std::string& text, const std::string& reason) = 0;
  // Tells the user something that is no failure (a run stopped on request).
  virtual void ShowNotice(const std::string& text) = 0;
  // The target folder holds the pages of `otherBook`: replace them, cancel, or put the
  // pages into a folder of the book's own beside them.
  enum class TReplaceAnswer { Replace, Cancel, SeparateFolder };
  virtual TReplaceAnswer AskReplaceBook(const std::string& otherBook, const std::string& folder) = 0;
  // Opens `folder` in the desktop's file manager.
  virtual void OpenFolder(const std::string& folder) = 0;
};
