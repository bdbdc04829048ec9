// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Podgląd": the pages exactly as a run writes them, made by the run's own page making
// from the loaded book and the options in force, one page at a time as it is shown. 1:1 or
// 2:1; PgUp/PgDn, the arrows, Home and End turn the pages, the number field goes to one.
#include <QImage>
#include <QWidget>
#include <memory>

#include "app/run/conversion_job.h"
#include "app/run/page_pipeline.h"

class QComboBox;
class QLabel;
class QSpinBox;
class TRunPages;

class TPreviewWindow : public QWidget {
  Q_OBJECT

public:
  explicit TPreviewWindow(QWidget* parent = nullptr);
  ~TPreviewWindow() override;

  // Shows the pages of `job`, staying at the page shown when the book still has it. A job
  // no page can be made of shows why instead.
  void ShowJob(const TConversionJob& job);
  // Page `index` (0 the title page), within the pages there are.
  void ShowPage(int index);
  int PageCount() const;
  int Page() const;
  // The page shown, at 1:1, as its GIF shows it.
  const QImage& PageImage() const { return image_; }

protected:
  void keyPressEvent(QKeyEvent* event) override;

private:
  void showImage();

  std::unique_ptr<TRunPages> pages_;
  TPageMaker maker_;
  QImage image_;
  QLabel* picture_;
  QSpinBox* number_;
  QLabel* total_;
  QComboBox* scale_;
};
