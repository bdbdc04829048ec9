// SPDX-License-Identifier: GPL-3.0-or-later
#include "gif/encode/encoder_factory.h"

#include <gtest/gtest.h>

#include "gif/encode/lzw_encoder.h"
#include "gif/encode/rle_encoder.h"

namespace {

TEST(EncoderFactoryTest, OnlyMethodOneSelectsTheRunLengthCompressor) {
  EXPECT_NE(dynamic_cast<TRLEEncoder*>(CreateEncoder(1).get()), nullptr);
  for (const std::uint8_t method : {0, 2, 255})
    EXPECT_NE(dynamic_cast<TLZWEncoder*>(CreateEncoder(method).get()), nullptr);
}

}  // namespace
