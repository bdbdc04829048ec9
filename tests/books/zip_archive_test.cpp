// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/books/zip_archive.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/books/book.h"
#include "books/zip_writer.h"

namespace books {
namespace {

using ::testing::Optional;
using ::testing::Property;
using ::testing::StrEq;
using ::testing::ThrowsMessage;

TEST(ZipArchiveTest, EncryptedEntryIsNamedAsEncrypted) {
  const zip_uint16_t method =
      zip_encryption_method_supported(ZIP_EM_AES_256, 1) ? ZIP_EM_AES_256 : ZIP_EM_TRAD_PKWARE;
  if (!zip_encryption_method_supported(method, 1)) GTEST_SKIP() << "this libzip encrypts nothing";
  const std::string bytes =
      MakeZip({{"mimetype", "application/epub+zip"}, {"text.xhtml", "<p>tajne</p>"}}, true, method);
  TZipArchive archive(std::string_view(bytes), TUnpackLimits{});
  EXPECT_THAT(archive.Read("mimetype"), Optional(StrEq("application/epub+zip")));
  EXPECT_THAT([&] { archive.Read("text.xhtml"); },
              ThrowsMessage<EBookError>(StrEq("the archive's entry text.xhtml is encrypted")));
}

TEST(ZipArchiveTest, CompressibleEntryWithinTheExemptionReadsWhole) {
  // Far better than 100:1, as a long OPF's itemrefs pack, and well past a mebibyte.
  std::string spine;
  for (int i = 0; spine.size() < (std::size_t{3} << 20); ++i) spine += "<itemref idref=\"x\"/>\n";
  const std::string bytes = MakeZip({{"content.opf", spine}});
  ASSERT_LT(bytes.size() * 100, spine.size());
  TZipArchive archive(std::string_view(bytes), TUnpackLimits{});
  EXPECT_EQ(archive.Read("content.opf"), spine);
}

TEST(ZipArchiveTest, EntryPastItsBoundsIsRefused) {
  const std::string dots(std::size_t{2} << 20, '.');
  const std::string bytes = MakeZip({{"dots", dots}});
  TZipArchive perEntry(std::string_view(bytes), TUnpackLimits{.maxEntry = 1000});
  EXPECT_THAT(
      [&] { perEntry.Read("dots"); },
      ThrowsMessage<EBookError>(StrEq("the archive's entry dots would unpack to more than 1000 bytes")));
  TZipArchive bomb(std::string_view(bytes), TUnpackLimits{.ratioExempt = std::size_t{1} << 20});
  EXPECT_THAT([&] { bomb.Read("dots"); },
              ThrowsMessage<EBookError>(
                  StrEq("the archive's entry dots unpacks more than 100 times its size (a ZIP bomb)")));
}

}  // namespace
}  // namespace books
