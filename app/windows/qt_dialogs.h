#pragma once
// The dialogs as the user meets them: Qt's file, colour and message dialogs and our font dialog.
#include "app/windows/dialogs.h"

// Each dialog opens over the active window, the one whose button asked.
class TQtDialogs : public TDialogs {
public:
  std::optional<std::string> OpenTextFile() override;
  std::optional<TFontChoice> ChooseFont(const TFontChoice& start) override;
  std::optional<TColor> ChooseColor(TColor current) override;
  void ShowError(const std::string& text) override;
};
