// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/typeset/line_breaker.h"

#include <QTextBoundaryFinder>
#include <algorithm>
#include <map>

#include "app/typeset/hyphenator.h"
#include "platform/cancellation.h"

namespace {

constexpr char16_t kSoftHyphen = u'\u00AD';
constexpr char16_t kSpace = u' ';
// Smoothing spreads a glyph's edge over the pixel beyond its advance: lines end this much
// short of the frame, so that no ink reaches past it.
constexpr float kInkAllowance = 1;
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
      u"ぁぃぅぇぉっゃゅょゎゕゖァィゥェォッャュョヮヵヶㇰㇱㇲㇳㇴㇵㇶㇷㇸㇹㇺㇻㇼㇽㇾㇿー々。、」』）〕］｝〉》，．・：；？！");
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
};

class TBreaker {
public:
  TBreaker(const TStyledText& paragraph, const TLineFrame& frame, const TBreakRules& rules, TFaceSet& faces)
      : text_(paragraph.text), faces_(paragraph.faces), frame_(frame), rules_(rules), set_(faces),
        rightToLeft_(paragraph.text.isRightToLeft()) {}

  std::vector<TTypesetLine> Run() {
    std::vector<TSegment> segments = Segments();
    lineBegin_ = segments.empty() ? 0 : segments.front().begin;
    for (std::size_t i = 0; i < segments.size(); ++i) {
      TSegment s = segments[i];
      const bool afterSoftHyphen = i > 0 && segments[i - 1].softHyphen;
      for (;;) {
        const float width = s.end - s.begin > kLongestFitting ? Available() + 1 : Measure(s.begin, s.end);
        const float hyphen = s.softHyphen ? HyphenWidth(s.end) : 0;
        if (lineWidth_ + pending_ + width + hyphen <= Available()) {
          lineWidth_ += pending_ + width;
          pending_ = Measure(s.end, s.spaceEnd);
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
          pending_ = Measure(s.end, s.spaceEnd);
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

private:
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
      TSegment segment{begin, end, at};
      segment.softHyphen = end == at && text_[end - 1] == kSoftHyphen;
      segment.mandatory = (reasons & QTextBoundaryFinder::MandatoryBreak) && at < text_.size();
      if (segment.mandatory) {
        // The line break itself is not drawn.
        while (segment.end > begin && text_[segment.end - 1].category() == QChar::Separator_Line) --segment.end;
        while (segment.end > begin && (text_[segment.end - 1] == u'\n' || text_[segment.end - 1] == u'\r'))
          --segment.end;
      }
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
      int wordEnd = at;
      while (wordEnd < end && text_[wordEnd] != kSpace && faces_[static_cast<std::size_t>(wordEnd)] == face) ++wordEnd;
      QString word = text_.mid(at, wordEnd - at);
      word.remove(kSoftHyphen);
      width += set_.Width(face, word);
      at = wordEnd;
    }
    return width;
  }

  float HyphenWidth(int at) const {
    return set_.Width(faces_[static_cast<std::size_t>(std::max(0, at - 1))], QStringLiteral("-"));
  }

  // The last hyphenation point of the segment's word at which the part before it, with
  // its hyphen, fits on the line; -1 when none does.
  int HyphenSplit(const TSegment& s) const {
    // The segment's last word: a one-letter word may have joined it with a space between.
    int wordBegin = s.begin, wordEnd = s.end;
    for (int at = s.begin; at < s.end; ++at)
      if (IsSpace(text_[at])) wordBegin = at + 1;
    while (wordBegin < wordEnd && !text_[wordBegin].isLetter()) ++wordBegin;
    while (wordEnd > wordBegin && !text_[wordEnd - 1].isLetter()) --wordEnd;
    if (wordEnd - wordBegin > kLongestHyphenated) return -1;
    const QString word = text_.mid(wordBegin, wordEnd - wordBegin);
    if (word.size() < 4 || !std::ranges::all_of(word, [](QChar c) { return c.isLetter() || c.isMark(); }))
      return -1;
    const std::vector<int> points = rules_.hyphenator->Points(word);
    for (auto point = points.rbegin(); point != points.rend(); ++point) {
      const int at = wordBegin + *point;
      if (lineWidth_ + pending_ + Measure(s.begin, at) + HyphenWidth(at) <= Available()) return at;
    }
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
    for (int run = lineBegin_; run < lineEnd_;) {
      const TFace face = faces_[static_cast<std::size_t>(run)];
      int runEnd = run;
      while (runEnd < lineEnd_ && faces_[static_cast<std::size_t>(runEnd)] == face) ++runEnd;
      QString part = text_.mid(run, runEnd - run);
      part.remove(kSoftHyphen);
      if (runEnd == lineEnd_ && lineHyphen_) part += u'-';
      const float width =
          Measure(run, runEnd) + (runEnd == lineEnd_ && lineHyphen_ ? set_.Width(face, QStringLiteral("-")) : 0);
      spaces += static_cast<int>(part.count(kSpace));
      if (face != TFace::Superscript) share[face] += static_cast<int>(part.size());
      line.runs.push_back({part.toStdString(), x, width, face, 0});
      x += width;
      run = runEnd;
    }
    // A glyph whose ink reaches past its advance (an italic f) ends the line that much earlier.
    line.overhang = line.runs.empty() || line.runs.back().text.empty()
                               ? 0
                               : set_.Overhang(line.runs.back().face, QString::fromStdString(line.runs.back().text).back());
    Align(line, left, x + line.overhang, spaces, stretch);
    Finish(line, share);
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
    } else if (rules_.align == TAlign::Justify && stretch && spaces > 0 && slack >= -line.overhang - 0.01f) {
      // A line that fits but for its last glyph's overhang narrows its spaces by a hair.
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
    line.face = share.empty() ? TFace::Regular
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
  const TLineFrame frame_;
  const TBreakRules rules_;
  TFaceSet& set_;
  const bool rightToLeft_;
  QTextBoundaryFinder graphemes_{QTextBoundaryFinder::Grapheme, text_};
  std::vector<TTypesetLine> lines_;
  int lineBegin_ = 0, lineEnd_ = 0;
  float lineWidth_ = 0, pending_ = 0;
  bool lineHyphen_ = false;
};

}  // namespace

void TStyledText::Append(const QString& more, TFace face) {
  text += more;
  faces.insert(faces.end(), static_cast<std::size_t>(more.size()), face);
}

std::vector<TTypesetLine> BreakLines(const TStyledText& paragraph, const TLineFrame& frame,
                                     const TBreakRules& rules, TFaceSet& faces) {
  return TBreaker(paragraph, frame, rules, faces).Run();
}
