// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/pictures/book_pictures.h"

#include <gtest/gtest.h>

#include <map>

#include "pictures/picture_fixtures.h"

namespace {

class TFixedPictures final : public pictures::TPictureSource {
public:
  std::optional<std::string> Read(const std::string& source) override {
    const auto found = files_.find(source);
    if (found == files_.end()) return std::nullopt;
    return found->second;
  }

private:
  std::map<std::string, std::string> files_{{"cover.png", PngBytes(30, 40)},
                                            {"large.jpg", Encoded(ColourfulPicture(1600, 1200), "JPEG")},
                                            {"broken.png", BrokenPicture()},
                                            {"bomb.png", PictureBomb()}};
};

}  // namespace

TEST(BookPictures, CountsEveryPictureThatCouldNotBeRead) {
  pictures::TBookPictures book(std::make_unique<TFixedPictures>());
  ASSERT_TRUE(book.Picture("cover.png"));
  EXPECT_EQ(book.Picture("large.jpg")->size(), QSize(1600, 1200));
  EXPECT_EQ(book.Unreadable(), 0);
  EXPECT_FALSE(book.Picture("broken.png"));
  EXPECT_FALSE(book.Picture("bomb.png"));
  EXPECT_FALSE(book.Picture("missing.png"));
  EXPECT_FALSE(book.Picture(""));
  EXPECT_EQ(book.Unreadable(), 4);
}

TEST(BookPictures, APlaceholderNamesThePicture) {
  using pictures::PicturePlaceholder;
  EXPECT_EQ(PicturePlaceholder("Ilustracja", "Mapa Polski", "OEBPS/img/map.png"),
            "[Ilustracja: Mapa Polski]");
  EXPECT_EQ(PicturePlaceholder("Ilustracja", "", "OEBPS/img/map.png"), "[Ilustracja: map.png]");
  EXPECT_EQ(PicturePlaceholder("Ilustracja", "", "#cover.jpg"), "[Ilustracja: cover.jpg]");
  EXPECT_EQ(PicturePlaceholder("Ilustracja", "", ""), "[Ilustracja]");
}
