// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/typeset/book_typesetter.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>
#include <memory>

#include "app/pictures/book_pictures.h"
#include "app/typeset/book_font.h"
#include "app/typeset/chapter_shares.h"
#include "app/typeset/contents_entries.h"
#include "app/typeset/face_set.h"
#include "app/typeset/flow_pages.h"
#include "app/typeset/hyphenator.h"
#include "app/typeset/page_words.h"
#include "app/typeset/title_page.h"

namespace {

constexpr int kTopMargin = 8;
constexpr int kBottomMargin = 8;  // without a footer
// More room above the footer, in the body's em: the last line's descenders grow with the type,
// not with the page.
constexpr float kRuleClearance = 3.0f / 16;
// The shorter side of the default screen: the page's gaps are given for it.
constexpr int kDefaultShortSide = 272;

TTypesetLine OneRun(const QString& text, float x, TFace face, TFaceSet& faces) {
  TTypesetLine line;
  line.face = face;
  line.ascent = faces.Ascent(face);
  line.height = faces.Height(face);
  line.runs.push_back({text.toStdString(), x, faces.Width(face, text), face, 0});
  return line;
}

class TTypesetter {
public:
  TTypesetter(const document::TDocument& book, const TPageFont& font, const TTypesetOptions& options,
              pictures::TBookPictures* pictures)
      : book_(book),
        pictures_(options.pictures ? pictures : nullptr),
        options_(options),
        font_(BookFont(font, options)),
        faces_(font_),
        scale_(static_cast<float>(std::min(options.pageWidth, options.pageHeight)) / kDefaultShortSide),
        left_(static_cast<float>(std::clamp(Scaled(options.margin), 0, options.pageWidth / 3))),
        right_(static_cast<float>(options.pageWidth) - left_),
        top_(Scaled(kTopMargin)) {
    language_ = book.language.empty() ? options.language : book.language;
    if (options.hyphenate && !language_.empty()) hyphenator_ = THyphenator::ForLanguage(language_);
    polish_ = IsLanguage(language_, "pl");
    words_ = &PageWordsOf(language_);
    footerTop_ = options.pageHeight - Scaled(2) - faces_.Height(TFace::Small);
    // The rule stands clear of the last line's descenders, which do not grow with the screen.
    bottom_ = options.footer
                  ? footerTop_ - Scaled(6) - static_cast<int>(std::lround(kRuleClearance * faces_.Em()))
                  : options.pageHeight - Scaled(kBottomMargin);
  }

  TTypesetBook Run(const std::string& fallbackTitle) {
    TFlowSettings settings;
    settings.left = left_;
    settings.right = right_;
    settings.rules = {options_.justify ? TAlign::Justify : TAlign::Left, hyphenator_.get(), polish_};
    settings.textHeight = bottom_ - top_;
    settings.enlargement = std::max(1, static_cast<int>(scale_));
    settings.words = words_;
    const TFlowPictures placed = PlacePictures(book_.blocks, book_.cover, settings, faces_, pictures_);
    settings.pictures = &placed;
    const TLinePictures inLines =
        pictures_ ? PlaceLinePictures(book_.blocks, {static_cast<int>(right_ - left_), settings.textHeight},
                                      faces_.Height(TFace::Regular), settings.enlargement, *pictures_)
                  : TLinePictures();
    settings.linePictures = &inLines;
    const TBookFlow flow = SetChapterShares(book_.blocks, settings, faces_, font_, language_);
    std::vector<TFlowPage> text = CutPages(flow, top_, bottom_);

    TTypesetBook result{{}, options_.pageWidth, options_.pageHeight, font_};
    result.pages.push_back(FirstPage(book_.title.empty() ? fallbackTitle : book_.title));
    if (options_.contents) ContentsPages(flow, text, result.pages);
    for (TFlowPage& page : text) {
      TTypesetPage& typeset = result.pages.emplace_back();
      typeset.lines = std::move(page.lines);
      typeset.pictures = std::move(page.pictures);
      if (page.picturePage) typeset.kind = TPageKind::Image;
      if (page.chapter >= 0) typeset.chapter = flow.chapters[static_cast<std::size_t>(page.chapter)].title;
    }
    const int total = static_cast<int>(result.pages.size()) - 1;
    for (int number = 0; number <= total; ++number) {
      TTypesetPage& page = result.pages[static_cast<std::size_t>(number)];
      page.number = number;
      if (options_.footer && number > 0) Footer(page, total);
    }
    if (pictures_) result.unreadablePictures = pictures_->Unreadable();
    return result;
  }

private:
  // A gap given for the default screen, on this page.
  int Scaled(int pixels) const { return static_cast<int>(std::lround(static_cast<float>(pixels) * scale_)); }

  // The chapter's title at the left, elided to leave room for "page / total" at the right,
  // and the rule above them.
  void Footer(TTypesetPage& page, int total) {
    page.footer = std::to_string(page.number) + " / " + std::to_string(total);
    const QString numbers = QString::fromStdString(page.footer);
    const float width = faces_.Width(TFace::Small, numbers);
    TTypesetLine right = OneRun(numbers, right_ - width, TFace::Small, faces_);
    right.y = footerTop_;
    if (!page.chapter.empty()) {
      const QString title = QFontMetricsF(faces_.Font(TFace::Small))
                                .elidedText(QString::fromStdString(page.chapter).simplified(), Qt::ElideRight,
                                            right_ - left_ - width - faces_.Em());
      TTypesetLine left = OneRun(title, left_, TFace::Small, faces_);
      left.y = footerTop_;
      page.footerLines.push_back(std::move(left));
    }
    page.footerLines.push_back(std::move(right));
    const float progress = static_cast<float>(page.number) / static_cast<float>(total);
    page.rule = {footerTop_ - Scaled(3), left_, right_, left_ + (right_ - left_) * progress};
  }

  // The title page, or the cover page when the book has a cover that can be shown.
  TTypesetPage FirstPage(const std::string& title) {
    TTitleText text{title, {}, words_->titleLines};
    for (const std::string& author : book_.authors)
      text.authors += (text.authors.empty() ? "" : ", ") + author;
    const TTitleFrame frame{options_.pageWidth, options_.pageHeight, left_, right_, top_, scale_};
    if (pictures_ && !book_.cover.empty())
      if (const std::optional<QImage> cover = pictures_->Picture(book_.cover))
        return CoverPage(*cover, text, frame, faces_);
    return TitlePage(text, frame, faces_);
  }

  // The chapters with a title, each with the page its first line is on; as many pages as
  // the list needs.
  void ContentsPages(const TBookFlow& flow, const std::vector<TFlowPage>& text,
                     std::vector<TTypesetPage>& pages) {
    std::vector<std::pair<QString, std::size_t>> entries;  // title, index of the text page
    for (const TContentsEntry& entry : ContentsEntries(flow)) {
      const auto page = std::ranges::upper_bound(text, entry.firstLine, {}, &TFlowPage::firstLine) - 1;
      entries.emplace_back(entry.title, static_cast<std::size_t>(page - text.begin()));
    }
    if (entries.empty()) return;
    const int step = faces_.Height(TFace::Regular);
    const int headingHeight = faces_.Height(TFace::Heading) + step / 2;
    const std::size_t perPage =
        static_cast<std::size_t>(std::max(1, (bottom_ - top_ - headingHeight) / step));
    const std::size_t contentsPages = (entries.size() + perPage - 1) / perPage;
    const QFontMetricsF metrics(faces_.Font(TFace::Regular));
    for (std::size_t i = 0; i < entries.size(); ++i) {
      if (i % perPage == 0) {
        TTypesetPage& page = pages.emplace_back();
        page.kind = TPageKind::Contents;
        TTypesetLine heading = OneRun(QString::fromUtf8(words_->contents), left_, TFace::Heading, faces_);
        heading.y = top_;
        page.lines.push_back(std::move(heading));
      }
      TTypesetPage& page = pages.back();
      // Text pages are numbered after the title page and the contents pages.
      const QString number = QString::number(1 + contentsPages + entries[i].second);
      const float numberWidth = faces_.Width(TFace::Regular, number);
      const QString title =
          metrics.elidedText(entries[i].first, Qt::ElideRight, right_ - left_ - numberWidth - faces_.Em());
      TTypesetLine line = OneRun(title, left_, TFace::Regular, faces_);
      line.runs.push_back({number.toStdString(), right_ - numberWidth, numberWidth, TFace::Regular, 0});
      line.y = top_ + headingHeight + static_cast<int>(i % perPage) * step;
      page.lines.push_back(std::move(line));
    }
  }

  const document::TDocument& book_;
  pictures::TBookPictures* const pictures_;
  const TTypesetOptions options_;
  const TPageFont font_;
  std::string language_;
  TFaceSet faces_;
  const float scale_;
  const float left_, right_;
  const int top_;
  int bottom_ = 0, footerTop_ = 0;
  std::unique_ptr<THyphenator> hyphenator_;
  bool polish_ = false;
  const TPageWords* words_ = nullptr;
};

}  // namespace

TTypesetBook TypesetBook(const document::TDocument& book, const TPageFont& font,
                         const TTypesetOptions& options, const std::string& fallbackTitle,
                         pictures::TBookPictures* pictures) {
  return TTypesetter(book, font, options, pictures).Run(fallbackTitle);
}
