// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The controls of the main window `Form1` as data: kind, parent, place and size in the
// parent's client area, caption, tab order and font. The window is built from this table
// with absolute positions, so nothing moves or stretches when the window is resized.
// `Image1`, the hidden holder of the page raster, is no widget: the raster lives in the state.
#include <QRect>
#include <QString>

#include <functional>
#include <span>

class QWidget;

enum class TControlKind { Panel, Label, Button, Memo, GroupBox, Edit, CheckBox, SpinBox, ProgressBar };

struct TControlDef {
  const char* name;
  TControlKind kind;
  const char* parent;  // nullptr: the window itself
  QRect geometry;
  const char* caption;  // UTF-8, Polish; nullptr for the text box, whose text is the book
  int tabOrder;         // among the parent's controls; -1 for labels, which take no focus
  int fontHeight;       // pixel height of an own "MS Sans Serif"; 0 keeps the window's font
  bool bold;
};

// Every control of `Form1`, parents before their children.
std::span<const TControlDef> Form1Controls();

// The caption of `entry` in the language in use (context "Form1" of the catalogues).
QString Caption(const TControlDef& entry);

// Creates the table's controls on `form`, each named after its row. The text box is made
// by `makeMemo` (it shows a model the table knows nothing of). Labels lie beneath the
// controls that follow them and widen to their caption when it needs more room; Tab moves
// through the controls as the tab orders say, container by container.
void CreateControls(QWidget* form, const std::function<QWidget*(QWidget* parent)>& makeMemo);
