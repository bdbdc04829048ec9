// SPDX-License-Identifier: GPL-3.0-or-later
// "Podgląd": the preview shows each page as the run's GIF shows it, and follows the options.
#include "app/windows/preview_window.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QImage>
#include <QTest>

#include "main_window_fixture.h"

namespace {

class PreviewWindowTest : public MainWindowTest {
protected:
  // The preview's page beside the run's GIF of it, decoded by Qt's own reader.
  void ExpectPreviewShowsTheRunsPage(int page) {
    TPreviewWindow& preview = *form.Preview();
    preview.ShowPage(page);
    const QImage written(QString::fromStdString(dir.File(PageLabel(page) + ".gif")));
    ASSERT_FALSE(written.isNull());
    EXPECT_EQ(preview.PageImage().convertToFormat(QImage::Format_RGB32),
              written.convertToFormat(QImage::Format_RGB32))
        << "page " << page;
  }
};

TEST_F(PreviewWindowTest, ThePreviewShowsThePagesTheRunWritesAndFollowsTheOptions) {
  std::string book;
  for (int i = 0; i < 40; ++i) book += kBook + std::string("\r\n");
  Load(dir.File("ksiazka.txt"), book);
  Generate();
  Click(form, "Button14");
  ASSERT_NE(form.Preview(), nullptr);
  EXPECT_GT(form.Preview()->PageCount(), 2);
  for (int page : {0, 1, form.Preview()->PageCount() - 1}) ExpectPreviewShowsTheRunsPage(page);

  // The keys turn the pages; the book layout, once ticked, is what the preview shows.
  form.Preview()->ShowPage(0);
  QTest::keyClick(form.Preview(), Qt::Key_PageDown);
  EXPECT_EQ(form.Preview()->Page(), 1);
  QTest::keyClick(form.Preview(), Qt::Key_End);
  EXPECT_EQ(form.Preview()->Page(), form.Preview()->PageCount() - 1);
  form.findChild<QCheckBox*>("CheckBox6")->click();
  Generate();
  ExpectPreviewShowsTheRunsPage(1);
}

}  // namespace
