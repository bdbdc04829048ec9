// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/typeset/title_page.h"

#include <algorithm>
#include <memory>

#include "app/pictures/picture_fit.h"
#include "app/typeset/line_breaker.h"

namespace {

constexpr std::size_t kMostTitleLines = 4;
constexpr std::size_t kMostAuthorLines = 2;

std::vector<TTypesetLine> Centred(const std::string& text, TFace face, float left, float right,
                                  TFaceSet& faces) {
  TStyledText styled;
  styled.Append(QString::fromStdString(text).simplified(), face);
  return BreakLines(styled, {left, left, right}, {TAlign::Centre, nullptr, false}, faces);
}

// Lines stacked downward from `y`, which ends below them.
class TStack {
public:
  TStack(TTypesetPage& page, int y) : page_(page), y_(y) {}

  // At most `most` of `lines`, `space` below what stands above them when there are any.
  void Place(std::vector<TTypesetLine> lines, std::size_t most, int space) {
    if (lines.empty()) return;
    y_ += space;
    lines.resize(std::min(lines.size(), most));
    for (TTypesetLine& line : lines) {
      line.y = y_;
      y_ += line.height;
      page_.lines.push_back(std::move(line));
    }
  }
  int Y() const { return y_; }

private:
  TTypesetPage& page_;
  int y_;
};

// The title and its authors between `left` and `right`, from `y` down.
void PlaceTitle(TStack& stack, const TTitleText& text, float left, float right, TFaceSet& faces) {
  const int gap = static_cast<int>(faces.Em());
  stack.Place(Centred(text.title, TFace::Title, left, right, faces), kMostTitleLines, 0);
  stack.Place(Centred(text.authors, TFace::Italic, left, right, faces), kMostAuthorLines, gap / 2);
}

// The height PlaceTitle takes between `left` and `right`.
int TitleHeight(const TTitleText& text, float left, float right, TFaceSet& faces) {
  TTypesetPage scratch;
  TStack stack(scratch, 0);
  PlaceTitle(stack, text, left, right, faces);
  return stack.Y();
}

// The cover as large as fits in `box` without being cropped, and enlarged only by a whole
// factor up to the page's scale: a small cover is not blown up into blurred blocks.
QImage FittedCover(const QImage& cover, QSize box, float scale) {
  return pictures::FitPicture(cover, box, std::max(1, static_cast<int>(scale)));
}

void PlacePicture(TTypesetPage& page, QImage picture, QPoint corner) {
  const QRect rect(corner, picture.size());
  page.pictures.push_back({std::make_shared<const QImage>(std::move(picture)), rect});
}

// Everything on the page moved down by `by` pixels.
void MoveDown(TTypesetPage& page, int by) {
  for (TTypesetLine& line : page.lines) line.y += by;
  for (TPagePicture& picture : page.pictures) picture.rect.translate(0, by);
}

// A portrait cover at the left, full height where it may grow so far; the title and
// authors centred in the room to its right.
void CoverBeside(TTypesetPage& page, const QImage& cover, const TTitleText& text, const TTitleFrame& frame,
                 TFaceSet& faces) {
  // The title keeps at least a third of the page's width.
  const QImage fitted = FittedCover(cover, {frame.width * 2 / 3, frame.height}, frame.scale);
  const int y = (frame.height - fitted.height()) / 2;
  const int x = std::min(y, static_cast<int>(frame.left));
  TStack stack(page, 0);
  PlaceTitle(stack, text, static_cast<float>(x + fitted.width()) + frame.left, frame.right, faces);
  MoveDown(page, (frame.height - stack.Y()) / 2);
  PlacePicture(page, fitted, {x, y});
}

// The cover centred across the page with the title and authors under it, the two centred
// together; the cover alone where the title would leave it less than two thirds of the
// height it has alone.
void CoverAbove(TTypesetPage& page, const QImage& cover, const TTitleText& text, const TTitleFrame& frame,
                TFaceSet& faces) {
  const int gap = static_cast<int>(faces.Em());
  const QImage alone = FittedCover(cover, {frame.width, frame.height}, frame.scale);
  const int titleHeight = TitleHeight(text, frame.left, frame.right, faces);
  const QImage above =
      FittedCover(cover, {frame.width, frame.height - frame.top - gap - titleHeight}, frame.scale);
  const bool withTitle = !above.isNull() && above.height() * 3 >= alone.height() * 2;
  const QImage& fitted = withTitle ? above : alone;
  PlacePicture(page, fitted, {(frame.width - fitted.width()) / 2, 0});
  int height = fitted.height();
  if (withTitle) {
    TStack stack(page, fitted.height() + gap);
    PlaceTitle(stack, text, frame.left, frame.right, faces);
    height = stack.Y();
  }
  MoveDown(page, (frame.height - height) / 2);
}

}  // namespace

TTypesetPage TitlePage(const TTitleText& text, const TTitleFrame& frame, TFaceSet& faces) {
  TTypesetPage page;
  page.kind = TPageKind::Title;
  const int gap = static_cast<int>(faces.Em());
  TStack stack(page, frame.top + 2 * gap);
  PlaceTitle(stack, text, frame.left, frame.right, faces);
  int space = 2 * gap;
  for (const std::string_view line : text.toolLines) {
    // Two lines at most: a narrow page may not hold one whole.
    stack.Place(Centred(std::string(line), TFace::Regular, frame.left, frame.right, faces), 2, space);
    space = 0;
  }
  return page;
}

TTypesetPage CoverPage(const QImage& cover, const TTitleText& text, const TTitleFrame& frame,
                       TFaceSet& faces) {
  TTypesetPage page;
  page.kind = TPageKind::Title;
  if (frame.width > frame.height && cover.height() > cover.width())
    CoverBeside(page, cover, text, frame, faces);
  else
    CoverAbove(page, cover, text, frame, faces);
  return page;
}
