// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// `FontDialog1`: the page font dialog. Besides face, style and size it offers what the
// page font carries and a stock font dialog lacks: underline, strike-out, the text colour
// and the script the book's bytes are read in.
#include <QDialog>

#include "app/drawing/appearance.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QSpinBox;

class TFontDialog : public QDialog {
  Q_OBJECT

public:
  // Opens on `start`: its face, size, style, effects, colour and script.
  explicit TFontDialog(const TFontChoice& start, QWidget* parent = nullptr);

  // The font as the dialog shows it now; the height is the pixel height of the size in points.
  TFontChoice Chosen() const;

private:
  void createControls();
  void arrangeControls();
  void showChoice(const TFontChoice& choice);
  void refreshSample();

  QComboBox* face_;
  QComboBox* style_;
  QSpinBox* size_;
  QCheckBox* strikeOut_;
  QCheckBox* underline_;
  QComboBox* color_;
  QComboBox* script_;
  QLabel* sample_;
};
