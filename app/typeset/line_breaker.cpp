// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/typeset/line_breaker.h"

#include <QTextBoundaryFinder>
#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <map>

#include "app/typeset/break_demerits.h"
#include "app/typeset/hyphenator.h"
#include "app/typeset/word_shapes.h"
#include "platform/cancellation.h"

namespace {

constexpr char16_t kSoftHyphen = u'\u00AD';
constexpr char16_t kPicture = u'\uFFFC';
constexpr char16_t kSpace = u' ';
// Smoothing spreads a glyph's edge over the pixel beyond its advance: lines end this much
// short of the frame, so that no ink reaches past it.
constexpr float kInkAllowance = 1;
// How much a justified line may narrow its spaces, all together, to take in the ink that
// reaches past the first or last glyph, beyond what its spaces give anyway.
constexpr float kMostShrink = 3;
// A justified space narrows by a third of its width at most, and widens by half of it
// before it looks loose (as in TeX); a line whose spaces would widen by more than a whole
// space is set ragged instead.
constexpr float kShrinkShare = 1.0f / 3, kStretchShare = 0.5f, kMostStretch = 1;
// A stretch this long without a break opportunity fits on no line of a page; it is not
// measured whole (which would cost as much again for every line cut from it).
constexpr int kLongestFitting = 1000;
// Longer words are not looked up in the hyphenation patterns.
constexpr int kLongestHyphenated = 64;

bool IsSpace(QChar c) { return c == kSpace || c == u'\t'; }

// Characters no line starts with, beyond what the default rules keep: the small kana and
// the prolonged sound mark, which strict Japanese line breaking keeps off a line's start.
bool NeverStartsLine(QChar c) {
  static const QString kSmall = QStringLiteral(
      u"ぁぃぅぇぉっゃゅょゎゕゖァィゥェォッャュョヮヵヶㇰㇱㇲㇳㇴㇵㇶㇷㇸㇹㇺㇻㇼㇽㇾㇿー々。、」』）〕］｝"
      u"〉》，．・：；？！");
  return kSmall.contains(c);
}

bool IsSingleLetterWord(const QString& text, int begin, int end) {
  static const QString kLetters = QStringLiteral("aiouwzAIOUWZ");
  return end - begin == 1 && kLetters.contains(text[begin]);
}

// A stretch of text up to a break opportunity: its content, then the spaces after it.
struct TSegment {
  int begin = 0, end = 0, spaceEnd = 0;
  bool softHyphen = false;  // the content ends in a soft hyphen: a break there draws "-"
  bool mandatory = false;   // a line must end after it
  float width = 0;          // of the content; past any line's width when too long to measure
  float spaceWidth = 0;     // of the spaces after it
};

class TBreaker {
public:
  TBreaker(const TStyledText& paragraph, const TLineFrame& frame, const TBreakRules& rules, TFaceSet& faces)
      : text_(paragraph.text),
        faces_(paragraph.faces),
        paragraph_(paragraph),
        pictures_(paragraph.pictures),
        frame_(frame),
        rules_(rules),
        set_(faces),
        rightToLeft_(paragraph.text.isRightToLeft()) {}

  // A justified paragraph of more than a line is broken as a whole; first fit sets the rest,
  // and what total fit cannot set.
  std::vector<TTypesetLine> Run() {
    const std::vector<TSegment> segments = Segments();
    if (rules_.align == TAlign::Justify && !rightToLeft_ && !FitsOneLine(segments)) {
      // As TeX does: without hyphens first, and a paragraph whose spaces then widen by no
      // more than they may is kept so (the patterns and the measuring of word parts spared).
      if (std::vector<TTypesetLine> plain = TotalFit(segments, false); !plain.empty() && Even(plain))
        return plain;
      if (std::vector<TTypesetLine> total = TotalFit(segments, rules_.hyphenator != nullptr); !total.empty())
        return total;
    }
    return FirstFit(segments);
  }

  // First fit: each line takes what fits, then the word that does not fit is hyphenated.
  std::vector<TTypesetLine> FirstFit(const std::vector<TSegment>& segments) {
    Restart(segments);
    for (std::size_t i = 0; i < segments.size(); ++i) {
      TSegment s = segments[i];
      const bool afterSoftHyphen = i > 0 && segments[i - 1].softHyphen;
      for (;;) {
        const bool whole = s.begin == segments[i].begin;  // not cut by a hyphen or an emergency
        const float width = whole                               ? s.width
                            : s.end - s.begin > kLongestFitting ? Available() + 1
                                                                : Measure(s.begin, s.end);
        const float hyphen = s.softHyphen ? HyphenWidth(s.end) : 0;
        if (lineWidth_ + pending_ + width + hyphen <= Available()) {
          lineWidth_ += pending_ + width;
          pending_ = s.spaceWidth;
          lineEnd_ = s.end;
          lineHyphen_ = s.softHyphen;
          if (s.mandatory) Close(s.spaceEnd, false);
          break;
        }
        // The segment does not fit: as much of it as fits with a hyphen, else a new line.
        const bool mayHyphenate = !s.softHyphen && !afterSoftHyphen && rules_.hyphenator;
        if (const int split = mayHyphenate ? HyphenSplit(s) : -1; split > 0) {
          lineEnd_ = split;
          lineHyphen_ = true;
          Close(split, true);
          s.begin = split;
          continue;
        }
        if (lineEnd_ > lineBegin_) {
          Close(s.begin, true);
          continue;
        }
        // Alone on the line and still too wide (a long name, a web address): cut it.
        const int cut = EmergencyCut(s);
        if (cut >= s.end) {  // one character wider than the line: it stands alone
          lineEnd_ = s.end;
          lineWidth_ = width;
          pending_ = s.spaceWidth;
          break;
        }
        lineEnd_ = cut;
        Close(cut, false);
        s.begin = cut;
      }
    }
    if (lineEnd_ > lineBegin_) Close(text_.size(), false);
    return std::move(lines_);
  }

  // Total fit: the breaks of the whole paragraph chosen together so that its lines are
  // stretched or narrowed as evenly as can be, with few hyphens and no more than two in a
  // row (break_demerits.h). Empty when a stretch fits no line (first fit then cuts it).
  std::vector<TTypesetLine> TotalFit(const std::vector<TSegment>& segments, bool hyphenate) {
    namespace bd = break_demerits;
    const std::vector<TBreak> breaks = Breaks(segments, hyphenate);
    if (breaks.size() < 2) return {};
    // The best way to each break with 0, 1, or 2 and more hyphenated lines just before it.
    constexpr int kRuns = 3;
    constexpr double kInfinite = 1e300;
    struct TWay {
      double demerits = kInfinite;
      std::size_t from = 0;
      int fromRun = 0;
    };
    std::vector<std::array<TWay, kRuns>> best(breaks.size());
    best[0][0].demerits = 0;
    for (std::size_t j = 1; j < breaks.size(); ++j) {
      const TBreak& end = breaks[j];
      for (std::size_t i = j; i-- > 0;) {
        const TBreak& start = breaks[i];
        const float available = frame_.right - kInkAllowance - (i == 0 ? frame_.firstLeft : frame_.left);
        const float natural = end.endWidth - start.nextWidth + (end.hyphen ? HyphenWidth(end.end) : 0);
        const int spaces = end.endSpaces - start.nextSpaces;
        const float shrink = end.forced ? 0 : static_cast<float>(spaces) * space_ * kShrinkShare;
        if (natural - shrink > available + 0.01f) {
          if (i + 1 == j) return {};
          break;
        }
        double badness = 0;
        if (!end.forced) {
          const float slack = available - natural;
          badness = spaces == 0 ? (slack > 1 ? bd::kMostBadness : 0)
                                : bd::Badness(slack / (static_cast<float>(spaces) * space_ *
                                                       (slack >= 0 ? kStretchShare : kShrinkShare)));
        }
        const double line = bd::OfLine(badness) + end.penalty;
        for (int run = 0; run < kRuns; ++run) {
          if (best[i][run].demerits >= kInfinite) continue;
          // The last full line of a paragraph hyphenated: the word ends alone on the last line.
          const double demerits = best[i][run].demerits + line + (end.hyphen ? bd::OfHyphen(run) : 0) +
                                  (end.forced && run > 0 ? bd::kFinalHyphen : 0);
          TWay& way = best[j][end.hyphen ? std::min(run + 1, kRuns - 1) : 0];
          if (demerits < way.demerits) way = {demerits, i, run};
        }
        if (start.forced) break;  // no line runs across a forced break
      }
    }
    const auto& last = best.back();
    int run = static_cast<int>(std::ranges::min_element(last, {}, &TWay::demerits) - last.begin());
    if (last[static_cast<std::size_t>(run)].demerits >= kInfinite) return {};
    std::vector<std::size_t> path;
    for (std::size_t j = breaks.size() - 1; j > 0;) {
      path.push_back(j);
      const TWay& way = best[j][static_cast<std::size_t>(run)];
      j = way.from;
      run = way.fromRun;
    }
    Restart(segments);
    for (auto j = path.rbegin(); j != path.rend(); ++j) {
      lineEnd_ = breaks[*j].end;
      lineHyphen_ = breaks[*j].hyphen;
      Close(breaks[*j].next, !breaks[*j].forced);
    }
    return std::move(lines_);
  }

private:
  // A place a line may end: the line's text ends at `end` (a hyphen added when `hyphen`),
  // the next starts at `next`; the widths and spaces of the text before each, from the
  // paragraph's start.
  struct TBreak {
    int end = 0, next = 0;
    bool hyphen = false, forced = false;
    float endWidth = 0, nextWidth = 0;
    int endSpaces = 0, nextSpaces = 0;
    double penalty = 0;  // demerits for breaking here, beyond any hyphen's
  };

  std::vector<TBreak> Breaks(const std::vector<TSegment>& segments, bool hyphenate) const {
    std::vector<TBreak> breaks;
    const int begin = segments.empty() ? 0 : segments.front().begin;
    breaks.push_back({begin, begin});
    float width = 0;
    int spaces = 0;
    for (std::size_t i = 0; i < segments.size(); ++i) {
      const TSegment& s = segments[i];
      if (s.end - s.begin > kLongestFitting) return {};
      const bool afterSoftHyphen = i > 0 && segments[i - 1].softHyphen;
      if (hyphenate && !s.softHyphen && !afterSoftHyphen)
        for (const int split : HyphenPoints(s)) {
          const float before = width + Measure(s.begin, split);
          const int spacesBefore = spaces + SpacesIn(s.begin, split);
          breaks.push_back({split, split, true, false, before, before, spacesBefore, spacesBefore});
        }
      const float content = width + s.width;
      const int contentSpaces = spaces + SpacesIn(s.begin, s.end);
      width = content + s.spaceWidth;
      spaces = contentSpaces + SpacesIn(s.end, s.spaceEnd);
      const bool forced = s.mandatory || i + 1 == segments.size();
      const bool inWord = !forced && !s.softHyphen && s.spaceEnd == s.end;
      breaks.push_back({s.end, s.spaceEnd, s.softHyphen, forced, content, width, contentSpaces, spaces,
                        inWord ? break_demerits::kInWord : 0});
    }
    return breaks;
  }

  int SpacesIn(int begin, int end) const {
    return static_cast<int>(std::count(text_.begin() + begin, text_.begin() + end, QChar(kSpace)));
  }

  // Whether every line but the last is justified with its spaces widened no more than they may.
  bool Even(const std::vector<TTypesetLine>& lines) const {
    return std::all_of(lines.begin(), lines.end() - 1, [&](const TTypesetLine& line) {
      return line.justified && line.runs.front().wordSpacing <= space_ * kStretchShare;
    });
  }

  // Whether the paragraph is one line that fits its first line's measure.
  bool FitsOneLine(const std::vector<TSegment>& segments) const {
    float width = 0;
    for (std::size_t i = 0; i < segments.size(); ++i) {
      if (segments[i].mandatory && i + 1 < segments.size()) return false;
      width += segments[i].width + (i + 1 < segments.size() ? segments[i].spaceWidth : 0);
      if (width > Available()) return false;
    }
    return true;
  }

  void Restart(const std::vector<TSegment>& segments) {
    lines_.clear();
    lineBegin_ = lineEnd_ = segments.empty() ? 0 : segments.front().begin;
    lineWidth_ = pending_ = 0;
    lineHyphen_ = false;
  }

  std::vector<TSegment> Segments() const {
    std::vector<TSegment> segments;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Line, text_);
    int begin = 0;
    for (int at = finder.toNextBoundary(); at != -1; at = finder.toNextBoundary()) {
      if (at <= begin) continue;
      const auto reasons = finder.boundaryReasons();
      int end = at;
      while (end > begin && IsSpace(text_[end - 1])) --end;
      if (at < text_.size()) {
        if (NeverStartsLine(text_[at])) continue;
        // A one-letter word goes to the next line with the word after it.
        if (rules_.singleLetterWordsStay && end < at) {
          int wordStart = end;
          while (wordStart > begin && !IsSpace(text_[wordStart - 1])) --wordStart;
          if (IsSingleLetterWord(text_, wordStart, end)) continue;
        }
      }
      TSegment segment{.begin = begin, .end = end, .spaceEnd = at};
      segment.softHyphen = end == at && text_[end - 1] == kSoftHyphen;
      segment.mandatory = (reasons & QTextBoundaryFinder::MandatoryBreak) && at < text_.size();
      if (segment.mandatory) {
        // The line break itself is not drawn.
        while (segment.end > begin && text_[segment.end - 1].category() == QChar::Separator_Line)
          --segment.end;
        while (segment.end > begin && (text_[segment.end - 1] == u'\n' || text_[segment.end - 1] == u'\r'))
          --segment.end;
      }
      // An address or a path is cut into pieces, each a segment ending where it may break.
      if (segment.end - begin <= kLongestFitting)
        for (const int cut : AddressCuts(begin, segment.end)) {
          segments.push_back({.begin = begin, .end = cut, .spaceEnd = cut, .width = Measure(begin, cut)});
          begin = cut;
        }
      segment.begin = begin;
      segment.width = segment.end - begin > kLongestFitting ? std::numeric_limits<float>::max()
                                                            : Measure(begin, segment.end);
      segment.spaceWidth = Measure(segment.end, at);
      segments.push_back(segment);
      begin = at;
    }
    return segments;
  }

  float Available() const {
    return frame_.right - kInkAllowance - (lines_.empty() ? frame_.firstLeft : frame_.left);
  }

  // The width of text_[begin, end) as drawn: word by word (the words' widths are
  // remembered, and with kerning off they add up), soft hyphens unseen.
  float Measure(int begin, int end) const {
    float width = 0;
    for (int at = begin; at < end;) {
      const TFace face = faces_[static_cast<std::size_t>(at)];
      if (text_[at] == kSpace) {
        width += set_.SpaceWidth(face);
        ++at;
        continue;
      }
      if (const QImage* picture = PictureAt(at)) {
        width += static_cast<float>(picture->width());
        ++at;
        continue;
      }
      int wordEnd = at;
      while (wordEnd < end && text_[wordEnd] != kSpace && faces_[static_cast<std::size_t>(wordEnd)] == face &&
             !PictureAt(wordEnd))
        ++wordEnd;
      const QStringView word = QStringView(text_).mid(at, wordEnd - at);
      width += word.contains(kSoftHyphen) ? set_.Width(face, word.toString().remove(kSoftHyphen))
                                          : set_.Width(face, word);
      at = wordEnd;
    }
    return width;
  }

  const QImage* PictureAt(int at) const {
    if (text_[at] != kPicture) return nullptr;
    const auto found = pictures_.find(at);
    return found == pictures_.end() ? nullptr : found->second.get();
  }

  float HyphenWidth(int at) const {
    return set_.Width(faces_[static_cast<std::size_t>(std::max(0, at - 1))], QStringLiteral("-"));
  }

  // Where the segment's last word may be hyphenated, as positions in the text.
  std::vector<int> HyphenPoints(const TSegment& s) const {
    // A one-letter word may have joined the word with a space between.
    int wordBegin = s.begin, wordEnd = s.end;
    for (int at = s.begin; at < s.end; ++at)
      if (IsSpace(text_[at])) wordBegin = at + 1;
    while (wordBegin < wordEnd && !text_[wordBegin].isLetter()) ++wordBegin;
    while (wordEnd > wordBegin && !text_[wordEnd - 1].isLetter()) --wordEnd;
    if (wordEnd - wordBegin < 4 || wordEnd - wordBegin > kLongestHyphenated) return {};
    if (!MayHyphenate(Token(wordBegin))) return {};
    const QString word = text_.mid(wordBegin, wordEnd - wordBegin);
    if (!std::ranges::all_of(word, [](QChar c) { return c.isLetter() || c.isMark(); })) return {};
    // Code is never hyphenated: a reader would take the hyphen for part of it.
    if (std::any_of(faces_.begin() + wordBegin, faces_.begin() + wordEnd,
                    [](TFace f) { return f == TFace::Mono; }))
      return {};
    std::vector<int> points = rules_.hyphenator->Points(word);
    for (int& point : points) point += wordBegin;
    return points;
  }

  // All that stands between the spaces around `at`.
  QStringView Token(int at) const {
    int begin = at, end = at;
    while (begin > 0 && !IsSpace(text_[begin - 1])) --begin;
    while (end < text_.size() && !IsSpace(text_[end])) ++end;
    return QStringView(text_).mid(begin, end - begin);
  }

  // Where an address or a path in text_[begin, end) may break besides, with nothing added.
  std::vector<int> AddressCuts(int begin, int end) const {
    std::vector<int> cuts;
    for (int at = begin; at < end;) {
      while (at < end && IsSpace(text_[at])) ++at;
      if (at >= end) break;
      const QStringView token = Token(at);
      const int tokenBegin = static_cast<int>(token.data() - text_.constData());
      for (const int cut : AddressBreaks(token))
        if (tokenBegin + cut > at && tokenBegin + cut < end) cuts.push_back(tokenBegin + cut);
      at = tokenBegin + static_cast<int>(token.size());
    }
    return cuts;
  }

  // The last hyphenation point of the segment's word at which the part before it, with
  // its hyphen, fits on the line; -1 when none does.
  int HyphenSplit(const TSegment& s) const {
    const std::vector<int> points = HyphenPoints(s);
    for (auto at = points.rbegin(); at != points.rend(); ++at)
      if (lineWidth_ + pending_ + Measure(s.begin, *at) + HyphenWidth(*at) <= Available()) return *at;
    return -1;
  }

  // Where to cut a segment too wide for a line of its own: after the most whole characters
  // that fit, one at least.
  int EmergencyCut(const TSegment& s) {
    graphemes_.setPosition(s.begin);
    int fits = graphemes_.toNextBoundary();
    for (int next = fits; next != -1 && next <= s.end; next = graphemes_.toNextBoundary()) {
      if (Measure(s.begin, next) > Available()) break;
      fits = next;
    }
    return std::min(fits, s.end);
  }

  // Ends the line at lineEnd_ (the next starts at `next`).
  void Close(int next, bool stretch) {
    CheckCancelled();  // a paragraph can be a whole book long
    const float left = lines_.empty() ? frame_.firstLeft : frame_.left;
    TTypesetLine line;
    line.hyphen = lineHyphen_;
    std::map<TFace, int> share;
    float x = 0;
    int spaces = 0;
    std::vector<std::pair<std::size_t, int>> pictures;  // their runs, and where they are in the text
    for (int run = lineBegin_; run < lineEnd_;) {
      const TFace face = faces_[static_cast<std::size_t>(run)];
      if (const QImage* picture = PictureAt(run)) {
        pictures.emplace_back(line.runs.size(), run);
        line.runs.push_back({std::string(), x, static_cast<float>(picture->width()), face, 0});
        x += line.runs.back().width;
        ++run;
        continue;
      }
      const std::uint8_t mark = paragraph_.MarkAt(run);
      int runEnd = run;
      while (runEnd < lineEnd_ && faces_[static_cast<std::size_t>(runEnd)] == face &&
             paragraph_.MarkAt(runEnd) == mark && !PictureAt(runEnd))
        ++runEnd;
      QString part = text_.mid(run, runEnd - run);
      part.remove(kSoftHyphen);
      if (runEnd == lineEnd_ && lineHyphen_) part += u'-';
      const float width = Measure(run, runEnd) +
                          (runEnd == lineEnd_ && lineHyphen_ ? set_.Width(face, QStringLiteral("-")) : 0);
      spaces += static_cast<int>(part.count(kSpace));
      if (face != TFace::Superscript) share[face] += static_cast<int>(part.size());
      line.runs.push_back({part.toStdString(), x, width, face, 0, mark});
      x += width;
      run = runEnd;
    }
    // A glyph whose ink reaches past its advance (an italic f) ends the line that much earlier.
    line.overhang =
        line.runs.empty() || line.runs.back().text.empty()
            ? 0
            : set_.Overhang(line.runs.back().face, QString::fromStdString(line.runs.back().text).back());
    // Likewise a first glyph whose ink reaches left of its pen starts the line that much later.
    const float underhang =
        line.runs.empty() || line.runs.front().text.empty()
            ? 0
            : set_.Underhang(line.runs.front().face, QString::fromStdString(line.runs.front().text).front());
    Align(line, left + underhang, x + line.overhang, spaces, stretch);
    Finish(line, share);
    // A picture stands on the baseline, lowered as far as it must to stay within the line.
    for (const auto& [index, at] : pictures) {
      const std::shared_ptr<const QImage>& picture = pictures_.at(at);
      const int top = std::max(0, line.ascent - picture->height());
      line.pictures.push_back({picture, QRect(static_cast<int>(std::lround(line.runs[index].x)), top,
                                              picture->width(), picture->height())});
    }
    lines_.push_back(std::move(line));
    lineBegin_ = lineEnd_ = next;
    while (lineBegin_ < text_.size() && IsSpace(text_[lineBegin_])) lineBegin_ = ++lineEnd_;
    lineWidth_ = pending_ = 0;
    lineHyphen_ = false;
  }

  void Align(TTypesetLine& line, float left, float natural, int spaces, bool stretch) const {
    const float slack = frame_.right - kInkAllowance - left - natural;
    float shift = 0, extra = 0;
    if (rightToLeft_) {
      shift = slack;
    } else if (rules_.align == TAlign::Justify && stretch && spaces > 0 &&
               slack >= -kMostShrink - static_cast<float>(spaces) * space_ * kShrinkShare &&
               slack <= static_cast<float>(spaces) * space_ * kMostStretch) {
      // Spaces narrow a little for a line that fits that way, and for its glyphs' overhangs;
      // a line that would gape (a long unbreakable word follows) stays ragged.
      extra = slack / static_cast<float>(spaces);
      line.justified = true;
    } else if (rules_.align == TAlign::Centre) {
      shift = slack / 2;
    } else if (rules_.align == TAlign::Right) {
      shift = slack;
    }
    float x = left + shift;
    const auto place = [&](TTypesetRun& run) {
      const int count = static_cast<int>(std::ranges::count(run.text, ' '));
      run.wordSpacing = extra;
      run.width += extra * static_cast<float>(count);
      run.x = x;
      x += run.width;
    };
    // A right-to-left line's runs stand from the right.
    if (rightToLeft_)
      std::for_each(line.runs.rbegin(), line.runs.rend(), place);
    else
      std::ranges::for_each(line.runs, place);
  }

  // The line's face, and its cell: tall enough for each face in it but the superscript,
  // which rides at the top.
  void Finish(TTypesetLine& line, const std::map<TFace, int>& share) const {
    line.face = share.empty()
                    ? TFace::Regular
                    : std::ranges::max_element(share, {}, [](const auto& e) { return e.second; })->first;
    int ascent = set_.Ascent(line.face), descent = set_.Height(line.face) - ascent;
    for (const auto& [face, count] : share) {
      ascent = std::max(ascent, set_.Ascent(face));
      descent = std::max(descent, set_.Height(face) - set_.Ascent(face));
    }
    line.ascent = ascent;
    line.height = ascent + descent;
  }

  const QString& text_;
  const std::vector<TFace>& faces_;
  const TStyledText& paragraph_;
  const std::map<int, std::shared_ptr<const QImage>>& pictures_;
  const TLineFrame frame_;
  const TBreakRules rules_;
  TFaceSet& set_;
  const bool rightToLeft_;
  const float space_ = std::max(1.0f, set_.SpaceWidth(TFace::Regular));
  QTextBoundaryFinder graphemes_{QTextBoundaryFinder::Grapheme, text_};
  std::vector<TTypesetLine> lines_;
  int lineBegin_ = 0, lineEnd_ = 0;
  float lineWidth_ = 0, pending_ = 0;
  bool lineHyphen_ = false;
};

}  // namespace

void TStyledText::Append(const QString& more, TFace face, std::uint8_t mark) {
  // Unmarked text keeps no marks at all.
  if (mark != kNoMark || !marks.empty()) {
    marks.resize(faces.size(), kNoMark);
    marks.insert(marks.end(), static_cast<std::size_t>(more.size()), mark);
  }
  text += more;
  faces.insert(faces.end(), static_cast<std::size_t>(more.size()), face);
}

TStyledText TStyledText::Mid(int from, int count) const {
  TStyledText part;
  part.text = text.mid(from, count);
  const auto begin = static_cast<std::size_t>(from), end = begin + static_cast<std::size_t>(part.text.size());
  part.faces.assign(faces.begin() + static_cast<std::ptrdiff_t>(begin),
                    faces.begin() + static_cast<std::ptrdiff_t>(end));
  if (!marks.empty())
    part.marks.assign(marks.begin() + static_cast<std::ptrdiff_t>(begin),
                      marks.begin() + static_cast<std::ptrdiff_t>(end));
  for (auto at = pictures.lower_bound(from); at != pictures.end() && at->first < from + count; ++at)
    part.pictures.emplace(at->first - from, at->second);
  return part;
}

void TStyledText::AppendPicture(std::shared_ptr<const QImage> picture, TFace face) {
  pictures.emplace(static_cast<int>(text.size()), std::move(picture));
  Append(QString(QChar(kPicture)), face);
}

std::vector<TTypesetLine> BreakLines(const TStyledText& paragraph, const TLineFrame& frame,
                                     const TBreakRules& rules, TFaceSet& faces) {
  return TBreaker(paragraph, frame, rules, faces).Run();
}
