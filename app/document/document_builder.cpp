// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/document/document_builder.h"

#include <algorithm>
#include <utility>

#include "platform/utf8.h"

namespace document {

namespace {

// HTML's white space, plus the other control characters, which a page cannot show.
bool IsCollapsible(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte <= 0x20 || byte == 0x7F;
}

// The runs end with something other than a line break: a space may follow.
bool EndsWithContent(const TRuns& runs) {
  return !runs.empty() && (!runs.back().picture.empty() || runs.back().text.back() != '\n');
}

// Drops the line breaks and spaces a block ends with, and the line breaks it starts with.
void Trim(TRuns& runs) {
  while (!runs.empty() && runs.back().picture.empty()) {
    std::string& text = runs.back().text;
    while (!text.empty() && (text.back() == '\n' || text.back() == ' ')) text.pop_back();
    if (!text.empty()) break;
    runs.pop_back();
  }
  while (!runs.empty() && runs.front().picture.empty()) {
    std::string& text = runs.front().text;
    text.erase(0, text.find_first_not_of('\n'));
    if (!text.empty()) break;
    runs.erase(runs.begin());
  }
}

// The text's characters as code points, 0 for a byte that starts none.
template <typename Visit>
void ForEachChar(std::string_view text, Visit visit) {
  while (!text.empty()) {
    const std::size_t length = std::max<std::size_t>(Utf8CharLength(text), 1);
    char32_t c = 0;
    if (length == 1) {
      c = static_cast<unsigned char>(text[0]);
    } else {
      c = static_cast<unsigned char>(text[0]) & (0xFF >> (length + 1));
      for (std::size_t i = 1; i < length; ++i) c = (c << 6) | (static_cast<unsigned char>(text[i]) & 0x3F);
    }
    visit(c);
    text.remove_prefix(length);
  }
}

TBlock BlockOf(TBlockKind kind) {
  TBlock block;
  block.kind = kind;
  return block;
}

}  // namespace

bool IsSceneBreakText(std::string_view text) {
  if (text.size() > 64) return false;
  int marks = 0;
  bool fleuron = false, other = false;
  ForEachChar(text, [&](char32_t c) {
    if (c == ' ' || c == 0xA0) return;
    if (c == 0x2042 || c == 0x2766 || c == 0x2767) {  // ⁂ ❦ ❧
      fleuron = true;
    } else if (c == '*' || c == '#' || c == '~' || c == '-' || c == '=' || c == '_' || c == 0xB7 ||
               c == 0x2022 || c == 0x2013 || c == 0x2014 || c == 0x2015) {
      ++marks;
    } else {
      other = true;
    }
  });
  return !other && (fleuron || marks >= 3);
}

std::string PlainText(const TRuns& runs) {
  std::string text;
  for (const TRun& run : runs) text += run.text;
  return text;
}

void TDocumentBuilder::NextBlock(TBlockKind kind, int level, std::string marker) {
  next_.kind = kind;
  next_.level = level;
  next_.marker = std::move(marker);
}

void TDocumentBuilder::Push(TBlock block) {
  bytes_ += sizeof(TBlock) + block.source.size() + block.marker.size() + block.alt.size();
  blocks_.push_back(std::move(block));
  pendingSpace_ = false;
  if (blocks_.back().kind == TBlockKind::ChapterStart) {
    bodySinceChapter_ = false;
    chapterSeen_ = true;
  } else if (blocks_.back().kind != TBlockKind::Heading) {
    bodySinceChapter_ = true;
  }
}

TRuns* TDocumentBuilder::Target() {
  if (table_) {
    if (tableCaption_) return &blocks_.back().runs;
    auto& rows = blocks_.back().rows;
    return rows.empty() || rows.back().empty() ? nullptr : &rows.back().back().runs;
  }
  return open_ ? &blocks_.back().runs : nullptr;
}

TRuns& TDocumentBuilder::Open() {
  if (TRuns* target = Target()) return *target;
  if (table_) {  // text with no cell begun: a cell of its own
    if (blocks_.back().rows.empty()) BeginRow();
    BeginCell(false);
    return *Target();
  }
  TBlock block = BlockOf(next_.kind);
  block.level = next_.level;
  block.marker = std::exchange(next_.marker, {});
  block.style = next_.style;
  Push(std::move(block));
  open_ = true;
  pictures_.clear();
  return blocks_.back().runs;
}

void TDocumentBuilder::AppendSpace(TRuns& runs, std::string& chunk) {
  // A space between runs stays with the run before it, so that none starts with one; but
  // not with a note reference, set small and raised.
  if (!pendingSpace_ || !EndsWithContent(runs)) return;
  if (runs.back().style & kNoteReference) {
    chunk += ' ';
  } else {
    Append(runs, " ", runs.back().style);
  }
}

void TDocumentBuilder::Append(TRuns& runs, std::string_view text, std::uint16_t style) {
  if (text.empty()) return;
  if (runs.empty() || runs.back().style != style || !runs.back().picture.empty()) {
    runs.push_back({std::string(), style, {}});
    bytes_ += sizeof(TRun);
  }
  runs.back().text += text;
  bytes_ += text.size();
  textBytes_ += text.size();
}

void TDocumentBuilder::Text(std::string_view utf8, std::uint16_t style) {
  // The HTML parser passes on bytes it could not decode; a page must not get them.
  const std::string repaired = IsValidUtf8(utf8) ? std::string() : ValidUtf8(utf8);
  TRuns* target = Target();
  std::string chunk;
  for (const char c : repaired.empty() ? utf8 : std::string_view(repaired)) {
    if (IsCollapsible(c)) {
      pendingSpace_ = pendingSpace_ || !chunk.empty() || (target && EndsWithContent(*target));
      continue;
    }
    if (!target) target = &Open();
    if (pendingSpace_ && !chunk.empty()) {
      chunk += ' ';
    } else if (chunk.empty()) {
      AppendSpace(*target, chunk);
    }
    pendingSpace_ = false;
    chunk += c;
  }
  if (target) Append(*target, chunk, style);
}

void TDocumentBuilder::PreText(std::string_view utf8, std::uint16_t style) {
  const std::string repaired = IsValidUtf8(utf8) ? std::string() : ValidUtf8(utf8);
  std::string chunk;
  for (const char c : repaired.empty() ? utf8 : std::string_view(repaired)) {
    if (c == '\n' || c == '\t') {
      chunk += c;
    } else if (c != '\r') {
      chunk += IsCollapsible(c) ? ' ' : c;
    }
  }
  if (chunk.empty()) return;
  TRuns& target = Open();
  std::string space;
  AppendSpace(target, space);
  Append(target, space + chunk, style);
  pendingSpace_ = false;
}

void TDocumentBuilder::Space() {
  const TRuns* target = Target();
  pendingSpace_ = target && EndsWithContent(*target);
}

void TDocumentBuilder::LineBreak() {
  TRuns* target = Target();
  if (target && EndsWithContent(*target)) Append(*target, "\n", target->back().style);
  pendingSpace_ = false;
}

void TDocumentBuilder::EndBlock() {
  if (table_) return Space();
  pendingSpace_ = false;
  if (!open_) return;
  open_ = false;
  TBlock& block = blocks_.back();
  Trim(block.runs);
  if (block.runs.empty() && block.kind != TBlockKind::Image) {
    blocks_.pop_back();
    return;
  }
  if (!pictures_.empty() && block.kind != TBlockKind::Image &&
      std::ranges::all_of(block.runs, [](const TRun& run) {
        return !run.picture.empty() || run.text.find_first_not_of(" \n") == std::string::npos;
      }))
    return PicturesAlone();
  if (block.kind == TBlockKind::Paragraph && IsSceneBreakText(PlainText(block.runs))) {
    block.kind = TBlockKind::Break;
    block.runs.clear();
  }
  if (block.kind == TBlockKind::Heading && blocks_.size() > 1) {
    TBlock& before = blocks_[blocks_.size() - 2];
    if (before.kind == TBlockKind::ChapterStart && before.runs.empty()) {
      before.runs = block.runs;
      bytes_ += PlainText(block.runs).size() + block.runs.size() * sizeof(TRun);
    }
  }
}

void TDocumentBuilder::Chapter() {
  EndTable();
  EndBlock();
  if (!blocks_.empty() && blocks_.back().kind == TBlockKind::ChapterStart && blocks_.back().runs.empty())
    return;
  Push(BlockOf(TBlockKind::ChapterStart));
}

void TDocumentBuilder::HeadingChapter() {
  EndBlock();
  if (!table_ && (bodySinceChapter_ || !chapterSeen_)) Chapter();
}

void TDocumentBuilder::MakeHeading(int level) {
  EndBlock();
  if (blocks_.empty()) return;
  TBlock heading = std::move(blocks_.back());
  blocks_.pop_back();
  heading.kind = TBlockKind::Heading;
  heading.level = level;
  const bool opensChapter = !blocks_.empty() && blocks_.back().kind == TBlockKind::ChapterStart;
  if (!opensChapter && heading.style.pageBreakBefore && !table_) Chapter();
  if (!blocks_.empty() && blocks_.back().kind == TBlockKind::ChapterStart && blocks_.back().runs.empty()) {
    blocks_.back().runs = heading.runs;
    bytes_ += PlainText(heading.runs).size() + heading.runs.size() * sizeof(TRun);
  }
  bytes_ -= sizeof(TBlock) + heading.source.size() + heading.marker.size() + heading.alt.size();
  Push(std::move(heading));
}

void TDocumentBuilder::Break() {
  EndBlock();
  if (!table_) Push(BlockOf(TBlockKind::Break));
}

void TDocumentBuilder::Image(std::string source, std::string_view alt, std::uint16_t style,
                             std::string_view title, bool logo) {
  if (table_) return Text(alt, style);
  const std::size_t start = alt.find_first_not_of(" \t\r\n");
  alt = start == std::string_view::npos ? std::string_view()
                                        : alt.substr(start, alt.find_last_not_of(" \t\r\n") + 1 - start);
  if (source.empty()) {  // a picture outside the book: only its placeholder line shows
    EndBlock();
    TBlock image = BlockOf(TBlockKind::Image);
    image.alt = alt;
    return Push(std::move(image));
  }
  TRuns& runs = Open();
  std::string space;
  AppendSpace(runs, space);
  Append(runs, space, style);
  pendingSpace_ = false;
  bytes_ += sizeof(TRun) + alt.size() + source.size() + title.size();
  runs.push_back({std::string(alt), style, std::move(source)});
  pictures_.emplace_back(title, logo);
}

void TDocumentBuilder::PicturesAlone() {
  TBlock block = std::move(blocks_.back());
  blocks_.pop_back();
  // A list item's marker waits for the item's text.
  if (!block.marker.empty()) next_.marker = std::move(block.marker);
  const bool logos = std::ranges::all_of(pictures_, [](const auto& picture) { return picture.second; });
  std::size_t index = 0;
  for (TRun& run : block.runs) {
    if (run.picture.empty() || logos) continue;
    std::string& title = pictures_[std::min(index++, pictures_.size() - 1)].first;
    TBlock image = BlockOf(TBlockKind::Image);
    image.source = std::move(run.picture);
    image.alt = std::move(run.text);
    if (!title.empty()) image.runs.push_back({std::move(title), kRegular, {}});
    image.style = block.style;
    Push(std::move(image));
  }
  pictures_.clear();
}

bool TDocumentBuilder::Caption() {
  if (table_ || open_ || blocks_.empty() || blocks_.back().kind != TBlockKind::Image) return false;
  blocks_.back().runs.clear();
  open_ = true;
  pictures_.clear();
  return true;
}

void TDocumentBuilder::CodeLine() {
  if (open_ || table_ || blocks_.empty()) return;
  blocks_.back().kind = TBlockKind::Preformatted;
  if (blocks_.size() < 2 || blocks_[blocks_.size() - 2].kind != TBlockKind::Preformatted) return;
  TBlock line = std::move(blocks_.back());
  blocks_.pop_back();
  TRuns& code = blocks_.back().runs;
  Append(code, "\n", code.back().style);
  for (const TRun& run : line.runs) Append(code, run.text, run.style);
}

void TDocumentBuilder::BeginTable() {
  EndBlock();
  if (table_) return;
  Push(BlockOf(TBlockKind::Table));
  table_ = true;
}

void TDocumentBuilder::BeginRow() {
  if (!table_) return;
  tableCaption_ = false;
  blocks_.back().rows.emplace_back();
  bytes_ += sizeof(std::vector<TTableCell>);
  pendingSpace_ = false;
}

void TDocumentBuilder::BeginCell(bool header) {
  if (!table_) return;
  auto& rows = blocks_.back().rows;
  if (rows.empty()) BeginRow();
  tableCaption_ = false;
  rows.back().push_back({{}, header});
  bytes_ += sizeof(TTableCell);
  pendingSpace_ = false;
}

void TDocumentBuilder::TableCaption() {
  if (!table_) return;
  tableCaption_ = true;
  pendingSpace_ = false;
}

void TDocumentBuilder::EndTable() {
  if (!table_) return;
  table_ = false;
  tableCaption_ = false;
  pendingSpace_ = false;
  TBlock& table = blocks_.back();
  Trim(table.runs);
  bool text = false;
  for (auto& row : table.rows) {
    for (TTableCell& cell : row) {
      Trim(cell.runs);
      text = text || !cell.runs.empty();
    }
  }
  std::erase_if(table.rows, [](const auto& row) { return row.empty(); });
  if (text) return;
  // A caption with no table under it is a paragraph; nothing at all, nothing.
  if (table.runs.empty()) return blocks_.pop_back();
  table.kind = TBlockKind::Paragraph;
  table.rows.clear();
}

std::vector<TBlock> TDocumentBuilder::Finish() {
  EndTable();
  EndBlock();
  while (!blocks_.empty() && blocks_.back().kind == TBlockKind::ChapterStart) blocks_.pop_back();
  return std::move(blocks_);
}

}  // namespace document
