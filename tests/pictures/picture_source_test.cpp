// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/pictures/picture_source.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "app/books/book_reader.h"
#include "books/book_fixtures.h"
#include "pictures/picture_fixtures.h"
#include "support/temp_dir.h"

using pictures::OpenPictureSource;

namespace {

const std::string kCover = PngBytes(30, 40);
const std::string kSmall = PngBytes(40, 20);

std::string Epub(const std::string& metadata, const std::string& coverProperties) {
  return MakeZip(
      {{"mimetype", "application/epub+zip"},
       {"META-INF/container.xml", Container("OEBPS/content.opf")},
       {"OEBPS/content.opf", Package("<dc:title>Obrazki</dc:title>" + metadata,
                                     {{"text", "text/ch1.xhtml", "application/xhtml+xml"},
                                      {"cover", "images/cover.png", "image/png", coverProperties},
                                      {"small", "images/small.png", "image/png"}},
                                     {"text"}, "3.0")},
       {"OEBPS/text/ch1.xhtml",
        Xhtml(R"(<p>Przed.</p><img src="../images/small.png" alt="Mały"/><img src="../../../out.png"/>)")},
       {"OEBPS/images/cover.png", kCover},
       {"OEBPS/images/small.png", kSmall}});
}

std::vector<std::string> ImageSources(const document::TDocument& book) {
  std::vector<std::string> sources;
  for (const document::TBlock& block : book.blocks)
    if (block.kind == document::TBlockKind::Image) sources.push_back(block.source);
  return sources;
}

class PictureSourceTest : public ::testing::Test {
protected:
  std::string Write(const std::string& name, const std::string& bytes) {
    std::filesystem::create_directories(std::filesystem::path(dir_.File(name)).parent_path());
    WriteFile(dir_.File(name), bytes);
    return dir_.File(name);
  }

  TempDir dir_;
};

}  // namespace

TEST_F(PictureSourceTest, EpubCoverAndPicturesComeFromTheArchive) {
  for (const auto& [metadata, properties] : {std::pair<std::string, std::string>{"", "cover-image"},
                                             {R"(<meta name="cover" content="cover"/>)", ""}}) {
    const std::string path = Write("book.epub", Epub(metadata, properties));
    const std::optional<document::TDocument> book = ReadBookDocument(path);
    ASSERT_TRUE(book);
    EXPECT_EQ(book->cover, "OEBPS/images/cover.png");
    EXPECT_EQ(ImageSources(*book), (std::vector<std::string>{"OEBPS/images/small.png", ""}));
    const auto source = OpenPictureSource(path);
    EXPECT_EQ(source->Read(book->cover), kCover);
    EXPECT_EQ(source->Read("OEBPS/images/small.png"), kSmall);
    EXPECT_FALSE(source->Read(""));  // the picture outside the book
    EXPECT_FALSE(source->Read("OEBPS/images/missing.png"));
  }
}

TEST_F(PictureSourceTest, Fb2PicturesAreItsBinariesDecoded) {
  const std::string fb2 =
      R"(<?xml version="1.0" encoding="UTF-8"?><FictionBook xmlns="http://www.gribuser.ru/xml/fictionbook/2.0")"
      R"( xmlns:l="http://www.w3.org/1999/xlink"><description><title-info><book-title>Obrazki</book-title>)"
      R"(<coverpage><image l:href="#cover.png"/></coverpage></title-info></description>)"
      R"(<body><section><p>Tekst.</p><image l:href="#small.png"/><image l:href="http://example.com/a.png"/>)"
      R"(</section></body><binary id="cover.png" content-type="image/png">)" +
      QByteArray::fromStdString(kCover)
          .toBase64(QByteArray::Base64Encoding)
          .insert(20, "\n  ")
          .toStdString() +
      R"(</binary><binary id="small.png" content-type="image/png">)" +
      QByteArray::fromStdString(kSmall).toBase64().toStdString() + "</binary></FictionBook>";
  for (const auto& [name, bytes] : {std::pair<std::string, std::string>{"book.fb2", fb2},
                                    {"book.fb2.zip", MakeZip({{"book.fb2", fb2}})}}) {
    const std::string path = Write(name, bytes);
    const std::optional<document::TDocument> book = ReadBookDocument(path);
    ASSERT_TRUE(book);
    EXPECT_EQ(book->cover, "#cover.png");
    const auto source = OpenPictureSource(path);
    EXPECT_EQ(source->Read(book->cover), kCover);
    EXPECT_EQ(source->Read("#small.png"), kSmall);
    EXPECT_FALSE(source->Read("#missing.png"));
    EXPECT_FALSE(source->Read("http://example.com/a.png"));
  }
}

TEST_F(PictureSourceTest, HtmlPicturesStayInsideTheBooksFolder) {
  const std::string path = Write("book/index.html", "<html><body><p>x</p></body></html>");
  Write("book/img/a.png", kSmall);
  Write("outside.png", kCover);
  std::filesystem::create_symlink(dir_.File("outside.png"), dir_.File("book/img/link.png"));
  std::filesystem::create_directory_symlink(dir_.Path(), dir_.File("book/up"));
  const auto source = OpenPictureSource(path);
  EXPECT_EQ(source->Read("img/a.png"), kSmall);
  EXPECT_EQ(source->Read("./img/../img/a.png#x"), kSmall);
  EXPECT_FALSE(source->Read("../outside.png"));
  EXPECT_FALSE(source->Read("img/link.png"));
  EXPECT_FALSE(source->Read("up/outside.png"));
  EXPECT_FALSE(source->Read(dir_.File("outside.png")));
  EXPECT_FALSE(source->Read("file:///etc/passwd"));
  EXPECT_FALSE(source->Read("img"));
}

TEST_F(PictureSourceTest, APlainTextBookHasNoPictures) {
  const std::string path = Write("book.txt", "Tekst.\r\n");
  EXPECT_FALSE(OpenPictureSource(path)->Read("a.png"));
  EXPECT_FALSE(OpenPictureSource(dir_.File("missing.epub"))->Read("a.png"));
  EXPECT_FALSE(OpenPictureSource("-")->Read("a.png"));
}
