// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/typeset/face_set.h"

#include <gtest/gtest.h>

#include <QFontMetricsF>

#include "app/layout/font_metrics.h"

namespace {

// A book's type is kerned ("AV" closer than an A and a V set apart); the classic page's
// lines are not, so that their widths add up character by character.
TEST(FaceSetTest, KernsPairsWhichTheClassicPageLeavesApart) {
  TFaceSet faces{TPageFont()};
  EXPECT_LT(faces.Width(TFace::Regular, u"AV"),
            faces.Width(TFace::Regular, u"A") + faces.Width(TFace::Regular, u"V"));
  const QFontMetricsF classic(MakeQFont(TPageFont()));
  EXPECT_EQ(classic.horizontalAdvance("AV"), classic.horizontalAdvance("A") + classic.horizontalAdvance("V"));
}

}  // namespace
