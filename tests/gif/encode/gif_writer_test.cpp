// SPDX-License-Identifier: GPL-3.0-or-later
#include "gif/encode/gif_writer.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <numeric>

#include "platform/exceptions.h"
#include "support/refusing_stream.h"

using ::testing::ElementsAre;
using ::testing::StrEq;
using ::testing::ThrowsMessage;

namespace {

std::vector<std::uint8_t> Sequence(std::size_t count) {
  std::vector<std::uint8_t> bytes(count);
  std::iota(bytes.begin(), bytes.end(), std::uint8_t{1});
  return bytes;
}

// The lengths of the sub-blocks in `written`, which holds nothing else.
std::vector<int> BlockLengths(const std::vector<std::uint8_t>& written) {
  std::vector<int> lengths;
  for (std::size_t at = 0; at < written.size(); at += written[at] + 1u) lengths.push_back(written[at]);
  return lengths;
}

TEST(GIFWriterTest, PacksBytesIntoBlocksOf255AndOneShorterLastBlock) {
  for (const std::size_t count : {1u, 254u, 255u, 256u, 510u, 511u, 1000u}) {
    TMemoryStream stream;
    TGIFWriter writer(stream);
    const auto bytes = Sequence(count);
    // Small pieces (none, then a pair that may straddle a block's end) and one large
    // piece fill the same blocks.
    const std::size_t first = count - count / 4;
    std::size_t at = 0;
    for (; at + 2 <= first; at += 2) {
      writer.Write(bytes.data() + at, 0);
      writer.Write(bytes.data() + at, 2);
    }
    if (at < first) writer.Write(bytes.data() + at++, 1);
    EXPECT_EQ(writer.Write(bytes.data() + at, count - at), count - at);
    writer.Close();

    std::vector<int> expected(count / 255, 255);
    if (count % 255) expected.push_back(static_cast<int>(count % 255));
    EXPECT_EQ(BlockLengths(stream.Bytes()), expected) << count << " bytes";
    std::vector<std::uint8_t> data;
    for (std::size_t block = 0; block < stream.Bytes().size(); block += 256)
      data.insert(data.end(), stream.Bytes().begin() + block + 1,
                  stream.Bytes().begin() + std::min(block + 256, stream.Bytes().size()));
    EXPECT_EQ(data, bytes) << count << " bytes";
  }
}

TEST(GIFWriterTest, CloseWritesNothingWhenNoBytesArePending) {
  TMemoryStream stream;
  TGIFWriter writer(stream);
  writer.Close();
  EXPECT_EQ(stream.Size(), 0u);
  writer.Write(Sequence(255).data(), 255);  // one full block goes out at once
  EXPECT_FALSE(writer.Dirty());
  writer.Close();
  EXPECT_EQ(stream.Size(), 256u);
}

TEST(GIFWriterTest, RefusedBlockRaisesStreamWriteErrorAndIsNotSentAgain) {
  test_support::RefusingStream stream(100);
  TGIFWriter writer(stream);
  writer.Write(Sequence(3).data(), 3);
  writer.FlushBlock();
  EXPECT_THAT(stream.Taken(), ElementsAre(3, 1, 2, 3));
  const auto bytes = Sequence(200);
  EXPECT_THAT(
      [&] {
        writer.Write(bytes.data(), bytes.size());
        writer.Close();
      },
      ThrowsMessage<EWriteError>(StrEq("Stream write error")));
  EXPECT_FALSE(writer.Dirty());
  writer.Close();
  EXPECT_EQ(stream.Taken().size(), 100u);
}

TEST(GIFWriterTest, ReadingRaisesInvalidStreamOperation) {
  TMemoryStream stream;
  TGIFWriter writer(stream);
  std::uint8_t byte = 0;
  EXPECT_THAT([&] { writer.Read(&byte, 1); }, ThrowsMessage<Exception>(StrEq("Invalid stream operation")));
}

}  // namespace
