// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/books/document_markup.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <optional>
#include <utility>

#include "app/books/book_href.h"
#include "app/books/style_mapping.h"
#include "app/books/text_capacity.h"
#include "app/books/text_case.h"
#include "app/books/xml_document.h"

namespace books {

using document::TBlockKind;

namespace {

// The most of a note reference's or a note title's text that is kept: a label is short.
constexpr std::size_t kMaxLabelBytes = 256;
// What a note's id and label cost beside their text, in the maps that keep them.
constexpr std::size_t kLabelCost = 64;

// The element's types as EPUB 3 gives them: epub:type, namespaced in XHTML, a plain
// attribute of that name in tag soup.
bool HasType(const xmlNode* element, std::initializer_list<std::string_view> types) {
  if (!element->properties) return false;
  for (const std::string& list : {Attribute(element, "type"), Attribute(element, "epub:type")}) {
    for (const std::string_view type : types)
      if (HasToken(list, type)) return true;
  }
  return false;
}

bool HasRole(const xmlNode* element, std::initializer_list<std::string_view> roles) {
  if (!element->properties) return false;
  const std::string list = Attribute(element, "role");
  return std::any_of(roles.begin(), roles.end(), [&](std::string_view role) { return HasToken(list, role); });
}

bool HasClass(const xmlNode* element, std::initializer_list<std::string_view> classes) {
  if (!element->properties) return false;
  const std::string list = Attribute(element, "class");
  return std::any_of(classes.begin(), classes.end(),
                     [&](std::string_view name) { return HasToken(list, name); });
}

std::string_view Fragment(std::string_view href) {
  const std::size_t hash = href.find('#');
  return hash == std::string_view::npos ? std::string_view() : href.substr(hash + 1);
}

// A note's label as a reference shows it: "[12]", " (a) " give "12", "a".
std::string Label(std::string_view text) {
  constexpr std::string_view kTrimmed = " \t\r\n[](){}";
  const std::size_t start = text.find_first_not_of(kTrimmed);
  if (start == std::string_view::npos) return {};
  return std::string(text.substr(start, text.find_last_not_of(kTrimmed) - start + 1));
}

std::string Roman(long number, bool upper) {
  static constexpr std::pair<int, const char*> kDigits[] = {
      {1000, "m"}, {900, "cm"}, {500, "d"}, {400, "cd"}, {100, "c"}, {90, "xc"}, {50, "l"},
      {40, "xl"},  {10, "x"},   {9, "ix"},  {5, "v"},    {4, "iv"},  {1, "i"}};
  std::string text;
  for (const auto& [value, digits] : kDigits) {
    for (; number >= value; number -= value) text += digits;
  }
  if (upper) std::transform(text.begin(), text.end(), text.begin(), [](char c) { return c - 'a' + 'A'; });
  return text;
}

// An ordered list's marker: "3.", "c.", "C.", "iii.", "III.".
std::string Numbered(long number, char numbering) {
  std::string text;
  if ((numbering == 'a' || numbering == 'A') && number > 0) {
    for (long n = number; n > 0; n = (n - 1) / 26)
      text.insert(text.begin(), static_cast<char>(numbering + (n - 1) % 26));
  } else if ((numbering == 'i' || numbering == 'I') && number > 0 && number < 4000) {
    text = Roman(number, numbering == 'I');
  } else {
    text = std::to_string(number);
  }
  return text + ".";
}

// A whole number attribute (start, value) as a list's count; `otherwise` when it is none.
long NumberAttribute(const xmlNode* element, std::string_view name, long otherwise) {
  const std::string text = Attribute(element, name);
  long number = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  // Far past any list, and clear of overflow as items count on.
  constexpr long kLimit = 1'000'000'000;
  return error == std::errc() && end == text.data() + text.size() && number > -kLimit && number < kLimit
             ? number
             : otherwise;
}

// A link to a note: marked as one, or a superscript link within the book.
bool IsHtmlNoteReference(const xmlNode* link) {
  if (HasType(link, {"noteref"}) || HasRole(link, {"doc-noteref"}) ||
      HasClass(link, {"footnote-ref", "footnote-reference", "noteref", "footnote"})) {
    return true;
  }
  const xmlNode* child = link->children;
  while (child && child->type != XML_ELEMENT_NODE) child = child->next;
  return (IsElement(link->parent, "sup") || IsElement(child, "sup")) &&
         !Fragment(Attribute(link, "href")).empty();
}

// A list item's marker as an FB2 writer puts it before the item's text: a bullet and a
// space, or a short number and a dot followed by a no-break space (unlike a sentence that
// starts with a number). The marker, and how long it is with its space; none when absent.
struct TListMarker {
  std::string_view marker;
  std::size_t length;
};
std::optional<TListMarker> ListMarker(std::string_view text) {
  constexpr std::string_view kBullet = "\u2022", kNoBreakSpace = "\u00A0";
  if (text.starts_with(kBullet)) {
    const std::string_view after = text.substr(kBullet.size());
    if (after.starts_with(' ')) return TListMarker{kBullet, kBullet.size() + 1};
    if (after.starts_with(kNoBreakSpace)) return TListMarker{kBullet, kBullet.size() + kNoBreakSpace.size()};
    return std::nullopt;
  }
  const std::size_t dot = text.find('.');
  if (dot == 0 || dot > 4 || !text.substr(dot + 1).starts_with(kNoBreakSpace)) return std::nullopt;
  const std::string_view number = text.substr(0, dot);
  if (!std::all_of(number.begin(), number.end(),
                   [](char c) { return std::isalnum(static_cast<unsigned char>(c)); }))
    return std::nullopt;
  return TListMarker{text.substr(0, dot + 1), dot + 1 + kNoBreakSpace.size()};
}

bool EndsWithPictureExtension(std::string_view name) {
  std::string lower(
      name.substr(name.find_last_of('.') == std::string_view::npos ? name.size() : name.find_last_of('.')));
  std::ranges::transform(lower, lower.begin(), [](unsigned char c) { return std::tolower(c); });
  for (const std::string_view extension :
       {".png", ".jpg", ".jpeg", ".gif", ".svg", ".webp", ".bmp", ".tif", ".tiff"})
    if (lower == extension) return true;
  return false;
}

// Generators that have no description fill a picture's alt text with its file: such text says
// nothing to a reader.
bool NamesAFile(std::string_view alt, std::string_view source) {
  if (alt.find_first_of("/\\") != std::string_view::npos || EndsWithPictureExtension(alt)) return true;
  const std::string_view name = source.substr(source.find_last_of("/#") + 1);
  return !alt.empty() && (alt == name || alt == name.substr(0, name.find_last_of('.')));
}

// A link to a picture shows it larger; any other link around a picture alone is a logo's.
bool LeadsToAPicture(const xmlNode* link) {
  const std::string href = Attribute(link, "href");
  return EndsWithPictureExtension(std::string_view(href).substr(0, href.find_first_of("?#")));
}

bool IsNoteContainer(const xmlNode* element) {
  return HasType(element, {"footnotes", "endnotes", "rearnotes"}) ||
         HasRole(element, {"doc-endnotes", "doc-footnotes"}) || HasClass(element, {"footnotes"});
}

}  // namespace

TDocumentMarkup::TDocumentMarkup(document::TDocumentBuilder& builder, TMarkupLanguage language,
                                 std::size_t capacity, bool notes)
    : builder_(builder), language_(language), capacity_(capacity), notesPart_(notes) {}

void CheckDocumentCapacity(std::size_t textBytes, std::size_t allBytes, std::size_t capacity) {
  // A book's text fills the capacity as its classic text does; its blocks' bookkeeping,
  // which a book of many tiny blocks multiplies, may take half as much again.
  if (textBytes > capacity || allBytes - textBytes > capacity / 2) throw ETextTooLarge();
}

void TDocumentMarkup::CheckCapacity() const {
  CheckDocumentCapacity(builder_.TextBytes(), builder_.Bytes() + bookkeeping_, capacity_);
}

void TDocumentMarkup::Enter(const xmlNode* element, TElementRole role) {
  if (role == TElementRole::Skip) {
    if (language_ == TMarkupLanguage::Fb2 && IsElement(element, "image")) Image(element);
    return;
  }
  if (role == TElementRole::Break) {
    const document::TBlock* last = builder_.LastBlock();
    if (!IsElement(element, "br")) {
      Boundary();  // an FB2 empty line: the space between paragraphs is the layout's
    } else if (notes_ > 0 || tables_ > 0) {
      builder_.Space();
    } else if (blockStyle_.keepLines && last && !last->runs.empty() &&
               last->runs.back().text.ends_with('\n')) {
      // An empty line among kept lines (a line block's) parts stanzas.
      builder_.EndBlock();
      Resume();
    } else {
      builder_.LineBreak();
    }
    return;
  }
  const std::uint16_t style = style_;
  const std::size_t blocks = builder_.Blocks().size();
  const document::TBlockStyle outside = blockStyle_;
  const std::optional<TElementRole> styledRole = StyledRole(element, role);
  if (!styledRole) {
    ++hidden_;
    frames_.push_back({TFrameKind::Hidden, style, blocks, outside, transform_});
    return;
  }
  role = *styledRole;
  const document::TBlockStyle inside = BlockStyleIn(element, role);
  const TFrameKind kind = Begin(element, role);
  frames_.push_back({kind, style, blocks, outside, transform_, builder_.Blocks().size()});
  if (styles_ && hidden_ == 0) {
    const css::TComputedStyle& styled = styles_->Styled(element);
    const css::TComputedStyle& plain = styles_->Plain(element);
    style_ = RunStyleIn(style_, {styled, plain, styles_->Styled(element->parent).fontSize,
                                 styles_->Plain(element->parent).fontSize});
    if (styled.textTransform != plain.textTransform && transform_ != styled.textTransform) {
      transform_ = styled.textTransform;
      wordStart_ = true;
    }
  }
  if (inside != blockStyle_) builder_.NextStyle(blockStyle_ = inside);
  CheckCapacity();
}

std::optional<TElementRole> TDocumentMarkup::StyledRole(const xmlNode* element, TElementRole role) const {
  if (!styles_ || hidden_ > 0) return role;
  const css::TComputedStyle& styled = styles_->Styled(element);
  const css::TComputedStyle& plain = styles_->Plain(element);
  if (LeftOut(styled, plain) ||
      IsMarginNumber(element, styled, plain, styles_->Styled(element->parent).fontSize))
    return std::nullopt;
  // A float stays where the markup puts it: a drop cap with its word.
  if (!IsOneOf(element, {"div", "span", "p"}) || styled.floating != css::EFloat::None) return role;
  const TDisplayChange change = DisplayChange(styled, plain);
  if (change == TDisplayChange::ToBlock && role == TElementRole::Inline) role = TElementRole::Block;
  if (change == TDisplayChange::ToInline && role == TElementRole::Block) return TElementRole::Inline;
  // Kept spaces in a block of its own: set as preformatted text.
  if (role == TElementRole::Block && styled.whiteSpace == css::EWhiteSpace::Pre &&
      plain.whiteSpace != css::EWhiteSpace::Pre)
    return TElementRole::Preformatted;
  return role;
}

void TDocumentMarkup::Restyle(const xmlNode* element, const TFrame& frame) {
  // The page's margins are the screen's.
  if (notes_ > 0 || tables_ > 0 || headings_ > 0 || stanzas_ > 0 || IsOneOf(element, {"html", "body"}))
    return;
  const std::vector<document::TBlock>& blocks = builder_.Blocks();
  std::size_t first = frame.firstBlock;
  while (first < blocks.size() && blocks[first].kind == TBlockKind::ChapterStart) ++first;
  if (first >= blocks.size()) return;
  const css::TComputedStyle& styled = styles_->Styled(element);
  const css::TComputedStyle& plain = styles_->Plain(element);
  const TStyleChange change{styled, plain, bodyFontSize_, plainBodyFontSize_};
  AddEdgeStyle(builder_.BlockAt(first), builder_.BlockAt(blocks.size() - 1), change);
  if (frame.kind != TFrameKind::Block && frame.kind != TFrameKind::Paragraph) return;
  const document::TBlock& block = blocks.back();
  if (first + 1 != blocks.size() || block.kind != TBlockKind::Paragraph ||
      CharCount(document::PlainText(block.runs)) > kMaxStyledHeadingChars)
    return;
  // Type a wrapper sets for all it holds makes the wrapper the heading, if anything.
  const TStyleChange parent{styles_->Styled(element->parent), styles_->Plain(element->parent), bodyFontSize_,
                            plainBodyFontSize_};
  if (HeadingLevel(parent)) return;
  if (const std::optional<int> level = HeadingLevel(change)) {
    // The heading's face is bold already.
    for (document::TRun& run : builder_.BlockAt(first).runs) run.style &= ~document::kBold;
    builder_.MakeHeading(*level);
  }
}

void TDocumentMarkup::Leave(const xmlNode* element, TElementRole) {
  if (frames_.empty()) return;
  const TFrame frame = frames_.back();
  frames_.pop_back();
  style_ = frame.style;
  transform_ = frame.transform;
  End(frame);
  if (styles_ && hidden_ == 0 && frame.kind != TFrameKind::Inline && frame.kind != TFrameKind::Link &&
      frame.kind != TFrameKind::Hidden)
    Restyle(element, frame);
  if (frame.blockStyle != blockStyle_) builder_.NextStyle(blockStyle_ = frame.blockStyle);
}

document::TBlockStyle TDocumentMarkup::BlockStyleIn(const xmlNode* element, TElementRole role) const {
  document::TBlockStyle style = blockStyle_;
  // A note is one paragraph in the layout's style; hidden text has none.
  if (notes_ > 0 || notesPart_ || hidden_ > 0) return style;
  if (styles_ && role != TElementRole::Inline) {
    css::TComputedStyle styled = styles_->Styled(element);
    const css::TComputedStyle& plain = styles_->Plain(element);
    // The page's margins are the screen's.
    if (IsOneOf(element, {"html", "body"})) {
      styled.marginLeft = plain.marginLeft;
      styled.marginRight = plain.marginRight;
      styled.paddingLeft = plain.paddingLeft;
    }
    AddBlockStyle(style, {styled, plain, bodyFontSize_, plainBodyFontSize_});
  }
  // Stanzas stand apart by half a line; an epigraph's margins are the width of its indent.
  constexpr float kStanzaSpace = 0.5f, kEpigraphMargin = 1.5f;
  const auto verse = [&] {
    style.keepLines = true;
    style.spaceBefore = style.spaceAfter = kStanzaSpace;
  };
  if (language_ == TMarkupLanguage::Fb2) {
    if (IsElement(element, "stanza")) {
      verse();
    } else if (IsElement(element, "epigraph")) {
      style.marginLeft += kEpigraphMargin;
      style.marginRight += kEpigraphMargin;
    } else if (IsElement(element, "text-author")) {
      style.align = document::TTextAlign::Right;
    } else if (IsElement(element, "subtitle")) {
      style.align = document::TTextAlign::Centre;
    }
  } else if (IsElement(element, "div") && HasClass(element, {"line-block"})) {
    verse();  // pandoc's line block: a line per <br />, an empty line between stanzas
  }
  return style;
}

TDocumentMarkup::TFrameKind TDocumentMarkup::Begin(const xmlNode* element, TElementRole role) {
  // Their text goes elsewhere or nowhere, whatever the elements inside.
  if (hidden_ > 0 || references_ > 0 || titles_ > 0) return TFrameKind::Inline;
  const bool fb2 = language_ == TMarkupLanguage::Fb2;
  if (IsElement(element, "a")) {
    if (notes_ > 0 && (HasRole(element, {"doc-backlink"}) || HasType(element, {"backlink", "referrer"}) ||
                       HasClass(element, {"footnote-back", "fn-backref"}) ||
                       referenceIds_.contains(std::string(Fragment(Attribute(element, "href")))))) {
      ++hidden_;
      return TFrameKind::Hidden;
    }
    if (fb2 ? Attribute(element, "type") == "note" : IsHtmlNoteReference(element)) {
      BeginReference(element);
      return TFrameKind::NoteReference;
    }
    // The mark that links to a heading ("¶").
    if (HasClass(element, {"headerlink"})) {
      ++hidden_;
      return TFrameKind::Hidden;
    }
    if (LeadsToAPicture(element)) return TFrameKind::Inline;
    ++links_;
    return TFrameKind::Link;
  }
  // A note's own label, which its marker gives; a printed book's page numbers.
  if ((notes_ > 0 && HasClass(element, {"label", "fn-bracket"})) || HasType(element, {"pagebreak"}) ||
      HasRole(element, {"doc-pagebreak"})) {
    ++hidden_;
    return TFrameKind::Hidden;
  }
  if (BeginNote(element)) return TFrameKind::Note;
  if (role != TElementRole::Inline) return BeginBlockElement(element, role);
  if (!fb2 && IsElement(element, "img")) {
    Image(element);
  } else if (fb2 ? IsElement(element, "emphasis") : IsOneOf(element, {"em", "i", "cite", "var", "dfn"})) {
    style_ |= document::kItalic;
  } else if (IsOneOf(element, {"strong", "b"})) {
    style_ |= document::kBold;
  } else if (fb2 && IsElement(element, "code")) {
    style_ |= document::kMono;
    ++code_;  // an FB2 line of code keeps its spaces
    return TFrameKind::Code;
  } else if (IsOneOf(element, {"code", "tt", "kbd", "samp"})) {
    style_ |= document::kMono;
  }
  return TFrameKind::Inline;
}

TDocumentMarkup::TFrameKind TDocumentMarkup::BeginBlockElement(const xmlNode* element, TElementRole role) {
  const bool fb2 = language_ == TMarkupLanguage::Fb2;
  if (notesPart_ && IsOneOf(element, {"title", "subtitle"})) {
    // A note's title is its label; the notes' own heading goes.
    if (notes_ == 0) {
      ++hidden_;
      return TFrameKind::Hidden;
    }
    ++titles_;
    return TFrameKind::NoteTitle;
  }
  if (notes_ > 0) {  // a note is one paragraph
    builder_.Space();
    return TFrameKind::Block;
  }
  if (IsNoteContainer(element)) {
    ++noteContainers_;
    Boundary();
    return TFrameKind::NoteContainer;
  }
  if ((role == TElementRole::Heading || role == TElementRole::ChapterHeading) && tables_ == 0) {
    if (role == TElementRole::ChapterHeading) builder_.HeadingChapter();
    builder_.EndBlock();
    const std::string_view name = LocalName(element);
    if (!fb2 && name.size() == 2) {
      heading_ = name[1] - '0';
    } else {
      heading_ = std::clamp(sections_ + (IsElement(element, "subtitle") ? 1 : 0), 1, 6);
    }
    ++headings_;
    builder_.NextBlock(TBlockKind::Heading, heading_);
    return TFrameKind::Heading;
  }
  if (role == TElementRole::Chapter) {  // an FB2 book's top-level section
    builder_.Chapter();
    ++sections_;
    return TFrameKind::Section;
  }
  if (fb2 && IsElement(element, "section")) {
    Boundary();
    ++sections_;
    return TFrameKind::Section;
  }
  if (role == TElementRole::Preformatted) {
    builder_.EndBlock();
    ++preformatted_;
    Resume();
    return TFrameKind::Preformatted;
  }
  if (role == TElementRole::Cell) {
    if (tables_ == 1) {
      builder_.BeginCell(IsElement(element, "th") || heads_ > 0);
    } else {
      builder_.Space();
    }
    return TFrameKind::Cell;
  }
  if (IsElement(element, "table")) {
    if (tables_++ == 0) {
      builder_.BeginTable();
    } else {
      builder_.Space();  // a table inside a cell is that cell's text
    }
    return TFrameKind::Table;
  }
  if (tables_ > 0) {
    if (IsElement(element, "thead")) {
      ++heads_;
      return TFrameKind::Head;
    }
    if (tables_ == 1 && IsElement(element, "tr")) {
      builder_.BeginRow();
    } else if (tables_ == 1 && IsElement(element, "caption")) {
      builder_.TableCaption();
    } else {
      Boundary();
    }
    return TFrameKind::Block;
  }
  if (!fb2 && IsOneOf(element, {"ul", "ol", "menu", "dir"}) && noteContainers_ == 0) {
    builder_.EndBlock();
    const bool ordered = IsElement(element, "ol");
    const std::string type = Attribute(element, "type");
    const char numbering =
        !ordered                                                                               ? 0
        : type.size() == 1 && std::string_view("aAiI").find(type[0]) != std::string_view::npos ? type[0]
                                                                                               : '1';
    lists_.push_back({numbering, NumberAttribute(element, "start", 1)});
    return TFrameKind::List;
  }
  if (!fb2 && IsElement(element, "li") && !lists_.empty()) {
    builder_.EndBlock();
    TList& list = lists_.back();
    list.next = NumberAttribute(element, "value", list.next);
    std::string marker = list.numbering ? Numbered(list.next, list.numbering) : "\u2022";
    ++list.next;
    ++items_;
    builder_.NextBlock(TBlockKind::ListItem, static_cast<int>(lists_.size()), std::move(marker));
    return TFrameKind::ListItem;
  }
  if (fb2 ? IsOneOf(element, {"cite", "epigraph", "poem"}) : IsElement(element, "blockquote")) {
    builder_.EndBlock();
    ++quotes_;
    Resume();
    return TFrameKind::Quote;
  }
  if (fb2 && IsElement(element, "stanza")) {
    builder_.EndBlock();
    ++stanzas_;
    return TFrameKind::Stanza;
  }
  if (!fb2 && IsElement(element, "hr")) {
    if (noteContainers_ == 0) builder_.Break();
    return TFrameKind::Inline;
  }
  if (!fb2 && IsElement(element, "figure")) {
    Boundary();
    ++figures_;
    return TFrameKind::Figure;
  }
  // A picture's caption: a figure's, or the paragraph a generator writes right after it.
  if ((figures_ > 0 && IsElement(element, "figcaption")) || HasClass(element, {"caption"})) {
    builder_.EndBlock();
    if (builder_.Caption()) return TFrameKind::Caption;
  }
  Boundary();
  return fb2 && IsElement(element, "p") ? TFrameKind::Paragraph : TFrameKind::Block;
}

void TDocumentMarkup::End(const TFrame& frame) {
  switch (frame.kind) {
    case TFrameKind::Inline:
    case TFrameKind::Cell:
      break;
    case TFrameKind::Link:
      --links_;
      break;
    case TFrameKind::Code:
      --code_;
      break;
    case TFrameKind::Block:
      Boundary();
      break;
    case TFrameKind::Paragraph:
      Boundary();
      ParagraphEnded(frame);
      break;
    case TFrameKind::Section:
      --sections_;
      Boundary();
      break;
    case TFrameKind::Heading:
      builder_.EndBlock();
      --headings_;
      Resume();
      break;
    case TFrameKind::Preformatted:
      builder_.EndBlock();
      --preformatted_;
      Resume();
      break;
    case TFrameKind::Table:
      if (--tables_ == 0) {
        builder_.EndTable();
        Resume();
      } else {
        builder_.Space();
      }
      break;
    case TFrameKind::Head:
      --heads_;
      break;
    case TFrameKind::List:
      builder_.EndBlock();
      lists_.pop_back();
      Resume();
      break;
    case TFrameKind::ListItem:
      builder_.EndBlock();
      --items_;
      Resume();
      break;
    case TFrameKind::Quote:
      builder_.EndBlock();
      --quotes_;
      Resume();
      break;
    case TFrameKind::Stanza:
      --stanzas_;
      builder_.EndBlock();
      break;
    case TFrameKind::Note:
      builder_.EndBlock();
      --notes_;
      Resume();
      break;
    case TFrameKind::NoteTitle:
      if (--titles_ == 0 && !Label(noteTitle_).empty())
        builder_.NextBlock(TBlockKind::Note, 0, Label(noteTitle_));
      noteTitle_.clear();
      break;
    case TFrameKind::NoteContainer:
      --noteContainers_;
      Boundary();
      break;
    case TFrameKind::NoteReference:
      EndReference();
      break;
    case TFrameKind::Hidden:
      --hidden_;
      break;
    case TFrameKind::Figure:
      --figures_;
      Boundary();
      break;
    case TFrameKind::Caption:
      builder_.EndBlock();
      // A generator that copies the alt text into the caption copies a file's name too.
      if (document::TBlock* image = builder_.LastBlock();
          image && !fileAlt_.empty() && document::PlainText(image->runs) == fileAlt_)
        image->runs.clear();
      break;
  }
}

void TDocumentMarkup::Text(std::string_view utf8, bool preformatted) {
  if (hidden_ > 0) return;
  if (references_ > 0 || titles_ > 0) {
    std::string& label = references_ > 0 ? reference_ : noteTitle_;
    label.append(utf8.substr(0, kMaxLabelBytes - std::min(label.size(), kMaxLabelBytes)));
    return;
  }
  std::string transformed;
  if (transform_ != css::ETextTransform::None) {
    transformed = TransformCase(utf8, transform_, wordStart_);
    utf8 = transformed;
  }
  if (preformatted || code_ > 0 || preformatted_ > 0) {
    builder_.PreText(utf8, style_);
  } else {
    builder_.Text(utf8, style_);
  }
  CheckCapacity();
}

void TDocumentMarkup::Chapter(std::string_view path) {
  // FB2 notes follow the main text in its last chapter.
  if (!notesPart_) builder_.Chapter();
  base_ = path;
  stylesPath_ = path;
  styles_ = nullptr;
}

void TDocumentMarkup::Tree(const xmlNode* root) {
  styles_ = bookStyles_ ? bookStyles_->Of(root, stylesPath_) : nullptr;
  if (!styles_) return;
  const xmlNode* body = FirstChildElement(root, "body");
  bodyFontSize_ = styles_->Styled(body ? body : root).fontSize;
  plainBodyFontSize_ = styles_->Plain(body ? body : root).fontSize;
}

void TDocumentMarkup::Heading(std::string_view text) {
  if (notesPart_) return;
  builder_.EndBlock();
  builder_.NextBlock(TBlockKind::Heading, 1);
  builder_.Text(text, document::kRegular);
  builder_.EndBlock();
  Resume();
}

bool TDocumentMarkup::BeginNote(const xmlNode* element) {
  if (notes_ > 0) return false;  // a note inside a note is part of it
  if (notesPart_) {
    if (!IsElement(element, "section") || !IsElement(element->parent, "body")) return false;
  } else if (!HasType(element, {"footnote", "endnote", "rearnote", "note"}) &&
             !HasRole(element, {"doc-footnote", "doc-endnote"}) && !HasClass(element, {"footnote"}) &&
             (labels_.empty() || !labels_.contains(Attribute(element, "id")))) {
    return false;
  }
  std::string marker;
  if (const auto label = labels_.find(Attribute(element, "id")); label != labels_.end())
    marker = label->second;
  builder_.EndBlock();
  ++notes_;
  builder_.NextBlock(TBlockKind::Note, 0, marker.empty() ? std::to_string(++unlabelledNotes_) : marker);
  return true;
}

void TDocumentMarkup::BeginReference(const xmlNode* element) {
  ++references_;
  reference_.clear();
  referenceTarget_ = Fragment(Attribute(element, "href"));
  std::string id = Attribute(element, "id");
  if (!id.empty()) {
    bookkeeping_ += id.size() + kLabelCost;
    referenceIds_.insert(std::move(id));
  }
}

void TDocumentMarkup::EndReference() {
  --references_;
  const std::string label = Label(reference_);
  reference_.clear();
  if (label.empty()) return;
  builder_.Text(label, style_ | document::kNoteReference);
  if (!referenceTarget_.empty()) {
    bookkeeping_ += referenceTarget_.size() + label.size() + kLabelCost;
    labels_[referenceTarget_] = label;
  }
  CheckCapacity();
}

void TDocumentMarkup::Image(const xmlNode* element) {
  if (hidden_ > 0 || references_ > 0) return;
  std::string source = Attribute(element, language_ == TMarkupLanguage::Fb2 ? "href" : "src");
  // A path inside the book, relative to the document that shows it; never anything outside.
  if (!base_.empty() && source.find(':') == std::string::npos)
    source = ResolveHref(base_, source).value_or("");
  std::string alt = Attribute(element, "alt");
  fileAlt_.clear();
  if (NamesAFile(alt, source)) fileAlt_ = std::exchange(alt, {});
  std::string title = Attribute(element, "title");
  if (NamesAFile(title, source)) title.clear();
  if (notes_ > 0) {
    builder_.Text(alt.empty() ? title : alt, style_);
    return CheckCapacity();
  }
  // An FB2 picture between paragraphs stands alone; in one, in its line.
  const bool alone = language_ == TMarkupLanguage::Fb2 && IsOneOf(element->parent, {"section", "body"});
  if (alone) builder_.EndBlock();
  builder_.Image(std::move(source), alt, style_, title, links_ > 0);
  if (alone) {
    builder_.EndBlock();
    Resume();
  }
  CheckCapacity();
}

void TDocumentMarkup::Boundary() {
  if (notes_ > 0) {
    builder_.Space();
  } else if (headings_ > 0 || stanzas_ > 0) {
    builder_.LineBreak();  // a heading's lines, a stanza's verses
  } else {
    builder_.EndBlock();  // within a table, a space
  }
}

void TDocumentMarkup::Resume() {
  if (notes_ > 0) return;  // the note's one block takes all
  if (headings_ > 0) {
    builder_.NextBlock(TBlockKind::Heading, heading_);
  } else if (preformatted_ > 0) {
    builder_.NextBlock(TBlockKind::Preformatted);
  } else if (items_ > 0) {
    // An item's marker waits for its first text, past the blocks inside before it.
    builder_.NextBlock(TBlockKind::ListItem, std::max<int>(1, static_cast<int>(lists_.size())),
                       builder_.NextMarker());
  } else if (quotes_ > 0) {
    builder_.NextBlock(TBlockKind::Quote, quotes_);
  } else {
    builder_.NextBlock(TBlockKind::Paragraph);
  }
}

void TDocumentMarkup::ParagraphEnded(const TFrame& frame) {
  // FB2 has no code blocks or lists: writers give a paragraph of code per line, and a
  // paragraph per item that starts with its bullet.
  document::TBlock* block = builder_.LastBlock();
  if (!block || builder_.Blocks().size() != frame.blocks + 1 || block->kind != TBlockKind::Paragraph) return;
  if (std::all_of(block->runs.begin(), block->runs.end(),
                  [](const document::TRun& run) { return run.style & document::kMono; })) {
    builder_.CodeLine();
    return;
  }
  // Each level of a nested item adds its marker: "•\u00A01.\u00A0text".
  if (!block->runs.front().picture.empty()) return;
  std::string& first = block->runs.front().text;
  std::size_t start = 0;
  int level = 0;
  std::string marker;
  while (const std::optional<TListMarker> found = ListMarker(std::string_view(first).substr(start))) {
    marker = found->marker;
    start += found->length;
    ++level;
  }
  if (level == 0 || start == first.size()) return;
  first.erase(0, start);
  block->kind = TBlockKind::ListItem;
  block->level = level;
  block->marker = std::move(marker);
}

}  // namespace books
