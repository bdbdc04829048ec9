// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/typeset/book_flow.h"

#include <QStringList>
#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <optional>
#include <unordered_set>
#include <utility>

#include "app/pictures/book_pictures.h"
#include "app/pictures/picture_fit.h"
#include "platform/cancellation.h"

namespace {

using document::TBlock;
using document::TBlockKind;
using document::TRuns;

constexpr char kSceneBreak[] = "* * *";
constexpr char kContinuation[] = "↪ ";
constexpr int kTabColumns = 8;
// How far a verse line too long for the measure indents its continuation, in ems.
constexpr float kVerseHang = 2;
const document::TBlockStyle kPlain;

bool IsSpace(QChar c) { return c == u' ' || c == u'\n' || c == u'\t' || c == u'\r'; }

// Whitespace inside running text is one space; the block's ends have none.
QString Tidy(const QString& text) {
  QString tidy;
  tidy.reserve(text.size());
  for (const QChar c : text) {
    const bool space = IsSpace(c);
    if (space && (tidy.isEmpty() || tidy.back() == u' ')) continue;
    tidy += space ? QChar(u' ') : c;
  }
  return tidy;
}

// What a run of `style` draws beside its glyphs.
std::uint8_t MarksOf(std::uint16_t style) {
  return static_cast<std::uint8_t>(((style & document::kUnderline) ? kUnderlined : 0) |
                                   ((style & document::kStrikeOut) ? kStruckOut : 0) |
                                   ((style & document::kSubscript) ? kLowered : 0));
}

constexpr QChar kPictureMark = u'\uFFFC';

// What stands for a picture that is not shown, named by the book's word for a picture.
QString Placeholder(std::string_view word, const document::TRun& run) {
  return QString::fromStdString(pictures::PicturePlaceholder(word, run.text, run.picture));
}

// A picture run's picture as it stands in a line of a face; none: its placeholder shows.
using TPictureOfRun = std::function<std::shared_ptr<const QImage>(const document::TRun&, TFace)>;

// The runs as one text, each character in its run's face, a picture shown in the line as its
// mark; whitespace becomes one space and the ends none. With `lineBreaks`, a "\n" stays, a
// line's end, with no space beside it.
TStyledText StyledRuns(const TRuns& runs, TFace base, const TPictureOfRun& pictureOf,
                       std::string_view pictureWord, bool lineBreaks) {
  TStyledText styled;
  const auto drop = [&] {
    styled.text.chop(1);
    styled.faces.pop_back();
    if (!styled.marks.empty()) styled.marks.pop_back();
  };
  const auto put = [&](QChar c, TFace face, std::uint8_t marks) {
    if (marks == kNoMark && styled.marks.empty()) {
      styled.text += c;
      styled.faces.push_back(face);
    } else {
      styled.Append(QString(c), face, marks);
    }
  };
  for (const auto& run : runs) {
    const TFace face = FaceOfStyle(run.style, base);
    const std::uint8_t marks = MarksOf(run.style);
    if (!run.picture.empty()) {
      if (auto picture = pictureOf(run, face)) {
        styled.AppendPicture(std::move(picture), face);
        continue;
      }
    }
    // Small capitals: the lower-case letters as capitals of the small face.
    const bool smallCaps = run.style & document::kSmallCaps;
    for (const QChar c :
         run.picture.empty() ? QString::fromStdString(run.text) : Placeholder(pictureWord, run)) {
      if (lineBreaks && c == u'\n') {
        if (!styled.text.isEmpty() && styled.text.back() == u' ') drop();
        if (!styled.text.isEmpty() && styled.text.back() != u'\n') put(c, face, marks);
        continue;
      }
      const bool space = IsSpace(c);
      if (space && (styled.text.isEmpty() || styled.text.back() == u' ' || styled.text.back() == u'\n'))
        continue;
      if (smallCaps && c.isLower())
        put(c.toUpper(), TFace::Small, marks);
      else
        put(space ? QChar(u' ') : c, face, marks);
    }
  }
  while (!styled.text.isEmpty() && (styled.text.back() == u' ' || styled.text.back() == u'\n')) drop();
  return styled;
}

std::string PlainText(const TRuns& runs) {
  std::string text;
  for (const auto& run : runs) text += run.text;
  return Tidy(QString::fromStdString(text)).toStdString();
}

class TFlowBuilder {
public:
  TFlowBuilder(const TFlowSettings& settings, TFaceSet& faces)
      : settings_(settings), faces_(faces), em_(faces.Em()) {}

  void Add(const TBlock& block) {
    if (CutAtTallPictures(block)) return;
    // Readers title a chapter by its first heading, which follows as a block of its own:
    // the title stands once, in the title's face.
    if (pendingTitle_ && block.kind != TBlockKind::ChapterStart) {
      const bool repeated =
          block.kind == TBlockKind::Heading && PlainText(block.runs) == PlainText(*pendingTitle_);
      EmitTitle();
      if (repeated) return;
    }
    style_ = &block.style;
    newPage_ = newPage_ || block.style.pageBreakBefore;
    before_ = Space(std::max(0.0f, block.style.spaceBefore));
    const std::size_t linesBefore = flow_.lines.size();
    switch (block.kind) {
      case TBlockKind::ChapterStart:
        Chapter(block);
        break;
      case TBlockKind::Heading:
        Heading(block.runs, block.level <= 2 ? TFace::Heading : TFace::Bold);
        break;
      case TBlockKind::Paragraph:
        Paragraph(block);
        break;
      case TBlockKind::ListItem:
        ListItem(block.marker, block.runs, std::max(1, block.level));
        break;
      case TBlockKind::Quote:
        Quote(block);
        break;
      case TBlockKind::Preformatted:
        Preformatted(block);
        break;
      case TBlockKind::Table:
        Table(block);
        break;
      case TBlockKind::Note:
        notes_.push_back(block);
        break;
      case TBlockKind::Break:
        Centred(QString::fromUtf8(kSceneBreak), TFace::Regular);
        break;
      case TBlockKind::Image:
        Picture(block);
        break;
    }
    // Notes are set elsewhere: what follows one reads on from what preceded it.
    if (block.kind != TBlockKind::Note) previous_ = block.kind;
    style_ = &kPlain;
    before_ = 0;
    if (flow_.lines.size() > linesBefore) after_ = Space(std::max(0.0f, block.style.spaceAfter));
    newPage_ = newPage_ || block.style.pageBreakAfter;
  }

  TBookFlow Finish() {
    if (pendingTitle_) EmitTitle();
    FlushNotes();
    return std::move(flow_);
  }

private:
  TStyledText Styled(const TRuns& runs, TFace base, bool lineBreaks = false) {
    return StyledRuns(
        runs, base, [this](const document::TRun& run, TFace face) { return InLine(run, face); },
        settings_.words->picture, lineBreaks);
  }

  // A picture run's picture scaled to stand in a line of `face`; none when it cannot.
  std::shared_ptr<const QImage> InLine(const document::TRun& run, TFace face) {
    const TLinePicture* picture = LinePicture(run);
    if (!picture || !picture->inLine) return nullptr;
    std::shared_ptr<const QImage>& scaled = inLine_[{picture->image.get(), face}];
    if (!scaled)
      scaled = PictureInLine(picture->image, faces_.Height(face),
                             static_cast<int>(settings_.right - settings_.left));
    return scaled;
  }

  const TLinePicture* LinePicture(const document::TRun& run) const {
    if (run.picture.empty() || !settings_.linePictures) return nullptr;
    const auto found = settings_.linePictures->find(run.picture);
    return found == settings_.linePictures->end() || !found->second.image ? nullptr : &found->second;
  }

  // A picture too tall for a line cuts its block: the text before it, the picture standing
  // between paragraphs, the text after it.
  bool CutAtTallPictures(const TBlock& block) {
    const bool text = block.kind == TBlockKind::Paragraph || block.kind == TBlockKind::Heading ||
                      block.kind == TBlockKind::ListItem || block.kind == TBlockKind::Quote ||
                      block.kind == TBlockKind::Preformatted;
    // A chapter's title is set as it stands.
    if (!text || pendingTitle_ || std::ranges::none_of(block.runs, [&](const auto& run) {
          const TLinePicture* picture = LinePicture(run);
          return picture && !picture->inLine;
        }))
      return false;
    TBlock part = block;
    part.runs.clear();
    for (const document::TRun& run : block.runs) {
      const TLinePicture* picture = LinePicture(run);
      if (!picture || picture->inLine) {
        part.runs.push_back(run);
        continue;
      }
      if (!part.runs.empty()) Add(part);
      part.runs.clear();
      part.marker.clear();
      Stand(picture->image, picture->ownPage, {});
      previous_ = TBlockKind::Image;
    }
    if (!part.runs.empty()) Add(part);
    return true;
  }

  int Space(float ems) const { return static_cast<int>(std::lround(em_ * ems)); }

  // The kind's indents (`indent` of every line, `firstIndent` more of the first) with the
  // block's style on them: its margins, each at most a third of the measure, and its first
  // line's indent; a first line hung left of the margin moves the block right instead.
  TLineFrame Frame(float indent = 0, float firstIndent = 0, float rightIndent = 0) const {
    const float third = (settings_.right - settings_.left) / 3;
    const auto margin = [&](float ems) { return std::clamp(ems * em_, 0.0f, third); };
    indent += margin(style_->marginLeft);
    rightIndent += margin(style_->marginRight);
    if (style_->indent) firstIndent = std::clamp(*style_->indent * em_, -third, third);
    if (indent + firstIndent < 0) indent = -firstIndent;
    return {settings_.left + indent + firstIndent, settings_.left + indent, settings_.right - rightIndent};
  }

  // The kind's alignment unless the block's style says otherwise; kept lines are never justified.
  TBreakRules Rules(TAlign align) const {
    switch (style_->align) {
      case document::TTextAlign::Default:
        break;
      case document::TTextAlign::Left:
        align = TAlign::Left;
        break;
      case document::TTextAlign::Centre:
        align = TAlign::Centre;
        break;
      case document::TTextAlign::Right:
        align = TAlign::Right;
        break;
      case document::TTextAlign::Justify:
        align = TAlign::Justify;
        break;
    }
    if (style_->keepLines && align == TAlign::Justify) align = TAlign::Left;
    TBreakRules rules = settings_.rules;
    if (rules.align == TAlign::Justify || align != TAlign::Justify) rules.align = align;
    return rules;
  }

  // The text's lines: broken to the frame; with kept lines, each of the book's lines alone,
  // a line too long for the measure going on under a hanging indent.
  std::vector<TTypesetLine> Lines(const TStyledText& text, const TLineFrame& frame,
                                  const TBreakRules& rules) {
    if (!style_->keepLines) return BreakLines(text, frame, rules, faces_);
    const TLineFrame verse{
        frame.left, std::min(frame.left + kVerseHang * em_, (frame.left + frame.right) / 2), frame.right};
    std::vector<TTypesetLine> lines;
    for (int begin = 0; begin < text.text.size();) {
      int end = static_cast<int>(text.text.indexOf(u'\n', begin));
      if (end < 0) end = static_cast<int>(text.text.size());
      for (TTypesetLine& line : BreakLines(text.Mid(begin, end - begin), verse, rules, faces_))
        lines.push_back(std::move(line));
      begin = end + 1;
    }
    return lines;
  }

  // Puts lines into the column. `space` goes before the first; `keepAll` keeps every line
  // with the next (headings); `paragraph` keeps a first line from being left alone at a
  // page's foot and a last line from being carried alone to the next page.
  void Emit(std::vector<TTypesetLine> lines, int space, bool keepAll, bool paragraph) {
    const std::size_t count = lines.size();
    // The book's own space between blocks: the larger of the two blocks', at most two lines.
    if (count > 0 && (before_ > 0 || after_ > 0)) {
      space += std::min(std::max(before_, after_), 2 * faces_.Height(TFace::Regular));
      before_ = after_ = 0;
    }
    for (std::size_t i = 0; i < count; ++i) {
      TFlowLine flow;
      flow.line = std::move(lines[i]);
      flow.spaceBefore = i == 0 ? space : 0;
      flow.keepWithNext = keepAll || (paragraph && count >= 2 && (i == 0 || i + 2 == count));
      if (keepNext_ > 0) {
        flow.keepWithNext = true;
        --keepNext_;
      }
      flow.newPage = newPage_ && !flow_.lines.empty();
      newPage_ = false;
      flow.chapter = static_cast<int>(flow_.chapters.size()) - 1;
      flow_.lines.push_back(std::move(flow));
    }
  }

  void Chapter(const TBlock& block) {
    if (pendingTitle_) EmitTitle();  // a chapter of nothing but its title
    FlushNotes();
    keepNext_ = 0;  // nothing is kept across a page break that must come
    flow_.chapters.push_back({PlainText(block.runs), flow_.lines.size()});
    newPage_ = true;
    pendingTitle_ = block.runs.empty() ? nullptr : &block.runs;
  }

  void EmitTitle() {
    Emit(BreakLines(Styled(*pendingTitle_, TFace::Title, true), Frame(), Rules(TAlign::Left), faces_), 0,
         true, false);
    keepNext_ = 1;
    pendingTitle_ = nullptr;
  }

  void Heading(const TRuns& runs, TFace face) {
    const TStyledText text = Styled(runs, face, true);
    if (text.Empty()) return;
    // A chapter the book did not title is known by its first heading.
    if (!flow_.chapters.empty() && flow_.chapters.back().title.empty())
      flow_.chapters.back().title = Styled(runs, face).text.toStdString();
    Emit(Lines(text, Frame(), Rules(TAlign::Left)), Space(0.8f), true, false);
    keepNext_ = 1;
  }

  void Paragraph(const TBlock& block) {
    const TStyledText text = Styled(block.runs, TFace::Regular, true);
    if (text.Empty()) return;
    // Only a paragraph that follows a paragraph is indented: after a heading, a break or
    // anything set apart, the start of the text is plain to see.
    const float indent = previous_ == TBlockKind::Paragraph ? 1.5f * em_ : 0;
    // What is set apart by space above it is by space below it too.
    const bool afterSetApart = previous_ == TBlockKind::ListItem || previous_ == TBlockKind::Quote ||
                               previous_ == TBlockKind::Preformatted || previous_ == TBlockKind::Table ||
                               previous_ == TBlockKind::Image;
    Emit(Lines(text, Frame(0, indent), Rules(TAlign::Justify)), afterSetApart ? Space(0.4f) : 0, false, true);
  }

  // The marker hangs left of the text, which is indented by the depth.
  void ListItem(const std::string& marker, const TRuns& runs, int depth, int space = -1) {
    const TStyledText text = Styled(runs, TFace::Regular, true);
    if (text.Empty() && marker.empty()) return;
    const TLineFrame frame = Frame(1.6f * em_ * static_cast<float>(depth));
    std::vector<TTypesetLine> lines = Lines(text, frame, Rules(TAlign::Justify));
    if (lines.empty()) lines.emplace_back().height = faces_.Height(TFace::Regular);
    if (!marker.empty()) {
      // The marker's space keeps it apart from the text in the line's text, too.
      const QString shown = QString::fromStdString(marker) + u' ';
      const float width = faces_.Width(TFace::Regular, shown);
      const float x = std::max(settings_.left, frame.firstLeft - width - 0.2f * em_);
      TTypesetLine& first = lines.front();
      first.runs.insert(first.runs.begin(), {shown.toStdString(), x, width, TFace::Regular, 0});
      first.ascent = std::max(first.ascent, faces_.Ascent(TFace::Regular));
      first.height = std::max(first.height, faces_.Height(TFace::Regular));
    }
    if (space < 0) space = previous_ == TBlockKind::ListItem ? 0 : Space(0.4f);
    Emit(std::move(lines), space, false, true);
  }

  void Quote(const TBlock& block) {
    const TStyledText text = Styled(block.runs, TFace::Regular, true);
    if (text.Empty()) return;
    const float indent = 1.5f * em_ * static_cast<float>(std::max(1, block.level));
    Emit(Lines(text, Frame(indent, 0, indent), Rules(TAlign::Justify)),
         previous_ == TBlockKind::Quote ? 0 : Space(0.4f), false, true);
  }

  // Code keeps its columns: a line too long for the measure goes on in the next with a
  // continuation mark.
  void Preformatted(const TBlock& block) {
    QString text;
    std::vector<std::shared_ptr<const QImage>> pictures;  // each picture mark's, in order
    for (const auto& run : block.runs) {
      if (run.picture.empty()) {
        text += QString::fromStdString(run.text);
      } else if (auto picture = InLine(run, TFace::Mono)) {
        text += kPictureMark;
        pictures.push_back(std::move(picture));
      } else {
        text += Placeholder(settings_.words->picture, run);
      }
    }
    std::size_t nextPicture = 0;
    const float column = std::max(1.0f, faces_.Width(TFace::Mono, QStringLiteral("M")));
    const int columns = std::max(4, static_cast<int>((settings_.right - settings_.left) / column));
    const QString mark = QString::fromUtf8(kContinuation);
    std::vector<TTypesetLine> lines;
    const auto add = [&](const QString& shown) {
      TTypesetLine& line = lines.emplace_back();
      line.face = TFace::Mono;
      line.ascent = faces_.Ascent(TFace::Mono);
      line.height = faces_.Height(TFace::Mono);
      float x = settings_.left;
      for (int at = 0; at < shown.size();) {
        const int mark = nextPicture < pictures.size() ? shown.indexOf(kPictureMark, at) : -1;
        const QString part = shown.mid(at, mark < 0 ? -1 : mark - at);
        if (!part.isEmpty()) {
          line.runs.push_back({part.toStdString(), x, faces_.Width(TFace::Mono, part), TFace::Mono, 0});
          x += line.runs.back().width;
        }
        if (mark < 0) break;
        const std::shared_ptr<const QImage>& picture = pictures[nextPicture++];
        const QRect rect(static_cast<int>(std::lround(x)), std::max(0, line.ascent - picture->height()),
                         picture->width(), picture->height());
        line.runs.push_back({std::string(), x, static_cast<float>(rect.width()), TFace::Mono, 0});
        line.pictures.push_back({picture, rect});
        x += line.runs.back().width;
        at = mark + 1;
      }
    };
    QStringList sourceLines = text.split(u'\n');
    // Blank lines around the code would make blank space, perhaps a page of it.
    while (!sourceLines.isEmpty() && sourceLines.back().trimmed().isEmpty()) sourceLines.removeLast();
    while (!sourceLines.isEmpty() && sourceLines.front().trimmed().isEmpty()) sourceLines.removeFirst();
    for (const QString& source : sourceLines) {
      QString expanded;
      for (const QChar c : source) {
        if (c == u'\t')
          expanded += QString(kTabColumns - expanded.size() % kTabColumns, u' ');
        else if (c != u'\r')
          expanded += c;
      }
      add(expanded.left(columns));
      for (int at = columns; at < expanded.size(); at += columns - mark.size())
        add(mark + expanded.mid(at, columns - mark.size()));
    }
    if (!lines.empty()) Emit(std::move(lines), Space(0.4f), false, false);
  }

  // A table as columns when every row fits the measure on one line; else each row's cells
  // one below the other, each under its column's header. Its caption stands centred above
  // it, kept with its first row.
  void Table(const TBlock& block) {
    if (block.rows.empty()) return;
    int space = Space(0.4f);
    if (const TStyledText caption = Styled(block.runs, TFace::Italic); !caption.Empty()) {
      Emit(BreakLines(caption, Frame(), Rules(TAlign::Centre), faces_), space, true, false);
      space = Space(0.2f);
    }
    const float gap = em_;
    std::vector<float> widths;
    for (const auto& row : block.rows)
      for (std::size_t c = 0; c < row.size(); ++c) {
        if (widths.size() <= c) widths.resize(c + 1, 0);
        widths[c] =
            std::max(widths[c], Width(Styled(row[c].runs, row[c].header ? TFace::Bold : TFace::Regular)));
      }
    float total = gap * static_cast<float>(widths.size() - 1);
    for (const float w : widths) total += w;
    if (total <= settings_.right - settings_.left)
      TableColumns(block, widths, gap, space);
    else
      TableStacked(block, space);
  }

  float Width(const TStyledText& text) {
    float width = 0;
    for (int run = 0; run < text.text.size();) {
      int end = run;
      while (end < text.text.size() &&
             text.faces[static_cast<std::size_t>(end)] == text.faces[static_cast<std::size_t>(run)])
        ++end;
      width += faces_.Width(text.faces[static_cast<std::size_t>(run)], text.text.mid(run, end - run));
      run = end;
    }
    return width;
  }

  // `space`: before the first row.
  void TableColumns(const TBlock& block, const std::vector<float>& widths, float gap, int space) {
    std::vector<TTypesetLine> lines;
    for (const auto& row : block.rows) {
      TTypesetLine& line = lines.emplace_back();
      line.ascent = faces_.Ascent(TFace::Regular);
      line.height = faces_.Height(TFace::Regular);
      float x = settings_.left;
      for (std::size_t c = 0; c < row.size(); ++c) {
        const TStyledText text = Styled(row[c].runs, row[c].header ? TFace::Bold : TFace::Regular);
        float at = x;
        for (int run = 0; run < text.text.size();) {
          const TFace face = text.faces[static_cast<std::size_t>(run)];
          int end = run;
          while (end < text.text.size() && text.faces[static_cast<std::size_t>(end)] == face) ++end;
          const QString part = text.text.mid(run, end - run);
          const float width = faces_.Width(face, part);
          line.runs.push_back({part.toStdString(), at, width, face, 0});
          at += width;
          run = end;
        }
        x += widths[c] + gap;
      }
      line.face = row.empty() || !row.front().header ? TFace::Regular : TFace::Bold;
      line.height = std::max(line.height, faces_.Height(line.face));
    }
    const std::size_t headerRows = block.rows.front().empty() || !block.rows.front().front().header ? 0 : 1;
    Emit(std::move(lines), space, false, false);
    // The header stays with the first row.
    if (headerRows && flow_.lines.size() >= block.rows.size())
      flow_.lines[flow_.lines.size() - block.rows.size()].keepWithNext = true;
  }

  void TableStacked(const TBlock& block, int space) {
    const auto isHeader = [](const auto& row) {
      return !row.empty() && std::ranges::all_of(row, [](const auto& cell) { return cell.header; });
    };
    const std::vector<document::TTableCell>* header =
        isHeader(block.rows.front()) ? &block.rows.front() : nullptr;
    bool first = true;
    for (const auto& row : block.rows) {
      if (&row == header) continue;
      for (std::size_t c = 0; c < row.size(); ++c) {
        TStyledText text;
        if (header && c < header->size() && !PlainText((*header)[c].runs).empty())
          text.Append(QString::fromStdString(PlainText((*header)[c].runs)) + QStringLiteral(": "),
                      TFace::Bold);
        const TStyledText cell = Styled(row[c].runs, row[c].header ? TFace::Bold : TFace::Regular);
        text.text += cell.text;
        text.faces.insert(text.faces.end(), cell.faces.begin(), cell.faces.end());
        if (text.Empty()) continue;
        Emit(BreakLines(text, Frame(em_, -em_), Rules(TAlign::Left), faces_),
             c == 0 ? (first ? space : Space(0.3f)) : 0, false, true);
        // A row's cells stay together where they can.
        if (c + 1 < row.size()) flow_.lines.back().keepWithNext = true;
        first = false;
      }
    }
  }

  // The picture centred in the measure with its caption under it, on a page of its own when
  // it is large; its placeholder line when it could not be read or pictures are left out.
  void Picture(const TBlock& block) {
    const TFlowPicture* placed = nullptr;
    if (settings_.pictures)
      if (const auto found = settings_.pictures->find(&block); found != settings_.pictures->end())
        placed = &found->second;
    if (placed && placed->skip) return;
    const std::string caption = PlainText(block.runs);
    if (!placed || !placed->image) {
      // The alt text says what the reader misses, the caption too unless it says the same.
      const std::string alt = block.alt.empty() ? caption : block.alt;
      Centred(
          QString::fromStdString(pictures::PicturePlaceholder(settings_.words->picture, alt, block.source)),
          TFace::Italic);
      if (!caption.empty() && caption != alt) Centred(QString::fromStdString(caption), TFace::Italic);
      return;
    }
    Stand(placed->image, placed->ownPage, caption);
  }

  void Stand(const std::shared_ptr<const QImage>& image, bool ownPage, const std::string& caption) {
    const QSize size = image->size();
    if (ownPage) newPage_ = true;
    TTypesetLine line;
    line.height = size.height();
    Emit({std::move(line)}, ownPage ? 0 : Space(0.4f), !caption.empty(), false);
    TFlowLine& flow = flow_.lines.back();
    const float middle = (settings_.left + settings_.right) / 2;
    flow.picture = {image, QRect(static_cast<int>(std::lround(middle - size.width() / 2.0f)), 0, size.width(),
                                 size.height())};
    flow.ownPage = ownPage;
    if (!caption.empty()) Centred(QString::fromStdString(caption), TFace::Italic);
    if (ownPage) newPage_ = true;
  }

  void Centred(const QString& text, TFace face) {
    TStyledText styled;
    styled.Append(Tidy(text), face);
    Emit(BreakLines(styled, Frame(), Rules(TAlign::Centre), faces_), Space(0.4f), false, false);
  }

  void FlushNotes() {
    if (notes_.empty()) return;
    // Notes are set in the layout's own style, wherever they gather.
    const document::TBlockStyle* style = std::exchange(style_, &kPlain);
    const std::vector<TBlock> notes = std::move(notes_);
    notes_.clear();
    Heading({{std::string(settings_.words->notes), document::kRegular, {}}}, TFace::Bold);
    for (const TBlock& note : notes)
      ListItem(note.marker.empty() ? std::string() : note.marker + ".", note.runs, 1, Space(0.2f));
    previous_ = TBlockKind::Note;
    style_ = style;
  }

  const TFlowSettings& settings_;
  TFaceSet& faces_;
  const float em_;
  TBookFlow flow_;
  std::vector<TBlock> notes_;
  TBlockKind previous_ = TBlockKind::ChapterStart;
  const TRuns* pendingTitle_ = nullptr;  // a chapter's title, set when its first block comes
  int keepNext_ = 0;
  bool newPage_ = false;
  const document::TBlockStyle* style_ = &kPlain;  // of the block being set
  int before_ = 0, after_ = 0;                    // the book's space before it, after the last
  std::map<std::pair<const QImage*, TFace>, std::shared_ptr<const QImage>> inLine_;
};

}  // namespace

TFace FaceOfStyle(std::uint16_t style, TFace base) {
  if (style & (document::kNoteReference | document::kSuperscript)) return TFace::Superscript;
  if (style & document::kSubscript) return TFace::Small;  // lowered by its mark
  if (style & document::kMono) return TFace::Mono;
  if (base != TFace::Regular && base != TFace::Italic) return base;
  if (style & document::kSmall) return TFace::Small;
  const bool bold = style & document::kBold;
  const bool italic = (style & document::kItalic) || base == TFace::Italic;
  return bold && italic ? TFace::BoldItalic : bold ? TFace::Bold : italic ? TFace::Italic : TFace::Regular;
}

TFlowPictures PlacePictures(std::span<const document::TBlock> blocks, const std::string& cover,
                            const TFlowSettings& settings, TFaceSet& faces,
                            pictures::TBookPictures* pictures) {
  TFlowPictures placed;
  // Each picture is read once and only its fitted copy kept: a book's originals at once
  // could fill the memory.
  std::unordered_map<std::string, TFlowPicture> fitted;  // by source and caption height
  std::unordered_set<std::string> unreadable;
  const QSize area(static_cast<int>(settings.right - settings.left), settings.textHeight);
  bool text = false;
  for (const TBlock& block : blocks) {
    CheckCancelled();
    if (block.kind != TBlockKind::Image) {
      text = text || block.kind != TBlockKind::ChapterStart;
      continue;
    }
    TFlowPicture& picture = placed[&block];
    if (!text && !cover.empty() && block.source == cover) {
      picture.skip = true;
      continue;
    }
    if (!pictures || unreadable.contains(block.source)) continue;
    int captionHeight = 0;
    if (const std::string caption = PlainText(block.runs); !caption.empty()) {
      TStyledText styled;
      styled.Append(QString::fromStdString(caption), TFace::Italic);
      const auto lines = BreakLines(styled, {settings.left, settings.left, settings.right},
                                    {TAlign::Centre, nullptr, false}, faces);
      captionHeight = static_cast<int>(std::lround(faces.Em() * 0.4f));
      for (const TTypesetLine& line : lines) captionHeight += line.height;
    }
    const std::string key = block.source + '\n' + std::to_string(captionHeight);
    if (const auto found = fitted.find(key); found != fitted.end()) {
      picture = found->second;
      continue;
    }
    const std::optional<QImage> original = pictures->Picture(block.source);
    if (!original) {
      unreadable.insert(block.source);
      continue;
    }
    const pictures::TPicturePlace place =
        pictures::PlacePicture(original->size(), area, captionHeight, settings.enlargement);
    if (place.size.isEmpty()) continue;
    picture.ownPage = place.ownPage;
    picture.image =
        std::make_shared<const QImage>(pictures::FitPicture(*original, place.size, settings.enlargement));
    fitted.emplace(key, picture);
  }
  return placed;
}

TBookFlow SetBlocks(std::span<const document::TBlock> blocks, const TFlowSettings& settings,
                    TFaceSet& faces) {
  TFlowBuilder builder(settings, faces);
  for (const auto& block : blocks) {
    CheckCancelled();
    builder.Add(block);
  }
  return builder.Finish();
}
