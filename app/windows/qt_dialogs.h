// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The dialogs as the user meets them: Qt's file, colour and message dialogs and our font dialog.
#include "app/windows/dialogs.h"

// Each dialog opens over the active window, the one whose button asked. The open dialog
// starts in the folder of the last book chosen, kept between runs of the program in the
// user's settings ("stronix/stronix").
class TQtDialogs : public TDialogs {
public:
  std::optional<std::string> OpenTextFile() override;
  std::optional<std::string> ChooseFolder(const std::string& current) override;
  std::optional<TFontChoice> ChooseFont(const TFontChoice& start) override;
  std::optional<TColor> ChooseColor(TColor current) override;
  void ShowError(const std::string& text, const std::string& reason) override;
  void ShowNotice(const std::string& text) override;
  TReplaceAnswer AskReplaceBook(const std::string& otherBook, const std::string& folder) override;
  void OpenFolder(const std::string& folder) override;
};
