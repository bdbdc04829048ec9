// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Builds a document's blocks from what a reader meets in order: text in a style, block
// boundaries, chapters, tables, pictures. Text opens a block of the kind last asked for, so
// that a reader only says what the next block is and where blocks end.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/document/document.h"

namespace document {

class TDocumentBuilder {
public:
  // What the next text opens when no block is open; the marker goes to the first block only.
  void NextBlock(TBlockKind kind, int level = 0, std::string marker = {});
  // How the blocks opened from now on are styled, until it is set again.
  void NextStyle(const TBlockStyle& style) { next_.style = style; }
  // The marker no block has taken yet.
  const std::string& NextMarker() const { return next_.marker; }
  // Flowing text: white space collapses to one space, none at a block's start or end.
  void Text(std::string_view utf8, std::uint16_t style);
  // Text whose spaces are kept, each line break a "\n" in the block.
  void PreText(std::string_view utf8, std::uint16_t style);
  // A word boundary: a space unless the block is still empty.
  void Space();
  // A forced line break inside the open block ("\n").
  void LineBreak();
  // Ends the open block; a block with no text is dropped.
  void EndBlock();

  // A chapter starts here, unless no block came since the last start. The first heading
  // after it gives the chapter its title.
  void Chapter();
  // A heading that starts a chapter (h1, h2) does so only when more than headings came
  // since the last start, so that a title and its subtitle stay together.
  void HeadingChapter();
  // A scene break or rule.
  void Break();
  // The block just ended becomes a heading of `level`: the chapter's title when it opens a
  // chapter, and a chapter start of its own when it opens a new page.
  void MakeHeading(int level);
  // A picture where it stands: a run of the open block (one of the kind asked for opened),
  // `alt` its text. A block that ends holding nothing but pictures becomes an Image block for
  // each, `title` its caption; nothing at all when each was a link's only content (`logo`: a
  // site's logo links). In a table, its alt text.
  void Image(std::string source, std::string_view alt, std::uint16_t style = kRegular,
             std::string_view title = {}, bool logo = false);
  // The text that follows, to the next EndBlock, is the caption of the picture just added,
  // in place of any it had. False (nothing changes) when the last block is no picture.
  bool Caption();

  // The block just ended is a line of code: it becomes preformatted, joining the
  // preformatted block right before it.
  void CodeLine();

  // A table: rows of cells, text going to the last cell until EndTable.
  void BeginTable();
  void BeginRow();
  void BeginCell(bool header);
  // The text that follows, to the table's next row or cell, is the open table's caption.
  void TableCaption();
  void EndTable();
  bool InTable() const { return table_; }

  // About how much memory the blocks take, text and bookkeeping: a bound for hostile books
  // made of many tiny blocks.
  std::size_t Bytes() const { return bytes_; }
  // The text of it alone, as a reader found it: what a book's capacity bounds.
  std::size_t TextBytes() const { return textBytes_; }
  // The blocks so far; the last may still be open.
  const std::vector<TBlock>& Blocks() const { return blocks_; }
  TBlock* LastBlock() { return blocks_.empty() ? nullptr : &blocks_.back(); }
  TBlock& BlockAt(std::size_t index) { return blocks_[index]; }

  // The blocks, the last one ended, no chapter start at the end.
  std::vector<TBlock> Finish();

private:
  // Where text goes: the open block or the table's last cell; none between blocks.
  TRuns* Target();
  // The target, a block of the kind asked for opened when there is none.
  TRuns& Open();
  void Append(TRuns& runs, std::string_view text, std::uint16_t style);
  // The space pending before new text: at the end of the runs, or at the chunk's start.
  void AppendSpace(TRuns& runs, std::string& chunk);
  void Push(TBlock block);
  // The ended block, made of pictures alone: an Image block for each, or none (logo links).
  void PicturesAlone();

  std::vector<TBlock> blocks_;
  TBlock next_;
  bool open_ = false;  // blocks_.back() takes text
  bool table_ = false;
  bool tableCaption_ = false;  // text goes to the open table's caption
  bool pendingSpace_ = false;
  bool chapterSeen_ = false;
  bool bodySinceChapter_ = false;  // a block other than a heading since the last chapter start
  std::size_t bytes_ = 0;
  std::size_t textBytes_ = 0;
  // The open block's pictures, in order: their titles, and whether they are logo links.
  std::vector<std::pair<std::string, bool>> pictures_;
};

// True when a paragraph's text is a scene break drawn in characters ("* * *", "⁂", "-----").
bool IsSceneBreakText(std::string_view text);

// All text of the runs, styles dropped.
std::string PlainText(const TRuns& runs);

}  // namespace document
