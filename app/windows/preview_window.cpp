// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/windows/preview_window.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QScrollArea>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "app/l10n/translation.h"
#include "app/run/run_pages.h"
#include "app/windows/capital_first.h"

TPreviewWindow::TPreviewWindow(QWidget* parent)
    : QWidget(parent, Qt::Window),
      picture_(new QLabel),
      number_(new QSpinBox),
      total_(new QLabel),
      scale_(new QComboBox) {
  setObjectName("podglad");
  setWindowTitle(tr("Podgląd"));
  picture_->setObjectName("Page");
  picture_->setAlignment(Qt::AlignCenter);
  auto* scroll = new QScrollArea;
  scroll->setWidget(picture_);
  scroll->setWidgetResizable(true);
  scroll->setFocusPolicy(Qt::NoFocus);
  number_->setObjectName("PageNumber");
  scale_->setObjectName("Scale");
  scale_->addItems({QStringLiteral("1:1"), QStringLiteral("2:1")});
  // The keys turn pages wherever the focus is; the fields take it only when clicked.
  number_->setFocusPolicy(Qt::ClickFocus);
  scale_->setFocusPolicy(Qt::ClickFocus);
  auto* label = new QLabel(tr("Strona"));
  label->setBuddy(number_);
  auto* row = new QHBoxLayout;
  row->addWidget(label);
  row->addWidget(number_);
  row->addWidget(total_);
  row->addStretch();
  row->addWidget(new QLabel(tr("Powiększenie")));
  row->addWidget(scale_);
  auto* column = new QVBoxLayout(this);
  column->addWidget(scroll, 1);
  column->addLayout(row);
  connect(number_, &QSpinBox::valueChanged, this, &TPreviewWindow::ShowPage);
  connect(scale_, &QComboBox::currentIndexChanged, this, &TPreviewWindow::showImage);
  resize(520, 360);
  setFocusPolicy(Qt::StrongFocus);
}

TPreviewWindow::~TPreviewWindow() = default;

void TPreviewWindow::ShowJob(const TConversionJob& job) {
  maker_ = nullptr;
  pages_.reset();
  try {
    pages_ = std::make_unique<TRunPages>(job);
    maker_ = pages_->Maker();
  } catch (const std::exception& error) {
    pages_.reset();
    image_ = {};
    picture_->setText(QString::fromStdString(WithCapitalFirst(LocalizedMessage(error))));
  }
  const int last = std::max(0, PageCount() - 1);
  const QSignalBlocker blocker(number_);
  number_->setRange(0, last);
  total_->setText(tr("z %1").arg(last));
  ShowPage(std::min(Page(), last));
}

int TPreviewWindow::PageCount() const { return pages_ ? pages_->Count() : 0; }

int TPreviewWindow::Page() const { return number_->value(); }

void TPreviewWindow::ShowPage(int index) {
  if (number_->value() != index) {
    number_->setValue(index);  // comes back here
    return;
  }
  if (!maker_ || index >= PageCount()) return;
  try {
    const TPageBytes page = maker_(index);
    image_ = QImage::fromData(page.data(), static_cast<int>(page.size()), "GIF");
  } catch (const std::exception& error) {
    image_ = {};
    picture_->setText(QString::fromStdString(WithCapitalFirst(LocalizedMessage(error))));
    return;
  }
  showImage();
}

void TPreviewWindow::showImage() {
  if (image_.isNull()) return;
  const int scale = scale_->currentIndex() + 1;
  picture_->setPixmap(QPixmap::fromImage(image_.scaled(image_.size() * scale)));
}

void TPreviewWindow::keyPressEvent(QKeyEvent* event) {
  const int page = Page(), last = std::max(0, PageCount() - 1);
  switch (event->key()) {
    case Qt::Key_PageDown:
    case Qt::Key_Right:
    case Qt::Key_Down:
    case Qt::Key_Space:
      ShowPage(std::min(page + 1, last));
      break;
    case Qt::Key_PageUp:
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_Backspace:
      ShowPage(std::max(page - 1, 0));
      break;
    case Qt::Key_Home:
      ShowPage(0);
      break;
    case Qt::Key_End:
      ShowPage(last);
      break;
    default:
      QWidget::keyPressEvent(event);
  }
}
