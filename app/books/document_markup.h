// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A structured book from markup: HTML and FB2 elements as blocks of styled runs (headings,
// lists, quotes, code, tables, notes, breaks, pictures).
#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "app/books/book_styles.h"
#include "app/books/markup_text.h"
#include "app/document/document_builder.h"

namespace books {

enum class TMarkupLanguage { Html, Fb2 };

// ETextTooLarge when blocks of `allBytes` in all, `textBytes` of them text, pass `capacity`.
void CheckDocumentCapacity(std::size_t textBytes, std::size_t allBytes, std::size_t capacity);

class TDocumentMarkup : public TMarkupSink {
public:
  // `notes`: an FB2 notes body, whose sections are notes and whose headings go (the book
  // layout heads the notes itself). ETextTooLarge once the blocks pass `capacity` bytes.
  TDocumentMarkup(document::TDocumentBuilder& builder, TMarkupLanguage language, std::size_t capacity,
                  bool notes = false);

  void Enter(const xmlNode* element, TElementRole role) override;
  void Leave(const xmlNode* element, TElementRole role) override;
  void Text(std::string_view utf8, bool preformatted) override;
  void Chapter(std::string_view path) override;
  void Heading(std::string_view text) override;
  void Tree(const xmlNode* root) override;

  // Follows the book's stylesheets from now on, for a document at `path` in the book until
  // the next chapter's; `styles` must outlive the walk.
  void UseStyles(TBookStyles& styles, std::string_view path = {}) {
    bookStyles_ = &styles;
    stylesPath_ = path;
  }

private:
  // What an element began, for its end to undo.
  enum class TFrameKind : std::uint8_t {
    Inline,
    Link,  // a link other than a note reference: a picture alone in it may be a logo
    Block,
    Paragraph,
    Heading,
    List,
    ListItem,
    Quote,
    Stanza,
    Preformatted,
    Code,
    Table,
    Cell,
    Head,
    Note,
    NoteTitle,
    NoteContainer,
    NoteReference,
    Hidden,
    Figure,
    Caption,
    Section,
  };
  struct TFrame {
    TFrameKind kind;
    std::uint16_t style;               // the style outside the element
    std::size_t blocks;                // how many blocks there were when it began
    document::TBlockStyle blockStyle;  // the blocks' style outside the element
    css::ETextTransform transform;     // the case outside the element
    std::size_t firstBlock = 0;        // where the element's own blocks begin
  };
  struct TList {
    char numbering;  // 0 for bullets, else '1', 'a', 'A', 'i' or 'I'
    long next;
  };

  TFrameKind Begin(const xmlNode* element, TElementRole role);
  // The role the book's styles give the element, or none when they leave it out.
  std::optional<TElementRole> StyledRole(const xmlNode* element, TElementRole role) const;
  // What the book's styles say of the blocks the element made, once it has ended.
  void Restyle(const xmlNode* element, const TFrame& frame);
  // The style of the blocks inside the element: verse, an epigraph, an author's line.
  document::TBlockStyle BlockStyleIn(const xmlNode* element, TElementRole role) const;
  TFrameKind BeginBlockElement(const xmlNode* element, TElementRole role);
  void End(const TFrame& frame);
  // Begins a note at the element when it is one: marked as a note, or what a reference points to.
  bool BeginNote(const xmlNode* element);
  void BeginReference(const xmlNode* element);
  void EndReference();
  void Image(const xmlNode* element);
  void Boundary();
  void Resume();
  void ParagraphEnded(const TFrame& frame);
  void CheckCapacity() const;

  document::TDocumentBuilder& builder_;
  TMarkupLanguage language_;
  std::size_t capacity_;
  bool notesPart_;
  std::vector<TFrame> frames_;
  std::vector<TList> lists_;
  std::uint16_t style_ = document::kRegular;
  document::TBlockStyle blockStyle_;
  int heading_ = 0;  // the open heading's level
  // How many of each kind of element the walk is inside.
  int headings_ = 0, quotes_ = 0, stanzas_ = 0, preformatted_ = 0, code_ = 0, items_ = 0;
  int tables_ = 0, heads_ = 0, notes_ = 0, noteContainers_ = 0, hidden_ = 0, figures_ = 0, sections_ = 0;
  int titles_ = 0;  // within an FB2 note's title
  int links_ = 0;
  std::string base_;     // the path of the document read, for its pictures
  std::string fileAlt_;  // the last picture's alt text when it named a file (and was dropped)
  int references_ = 0;
  std::string reference_;                      // the text of the note reference being read
  std::string referenceTarget_;                // the id it points to
  std::string noteTitle_;                      // an FB2 note's title, its label
  std::map<std::string, std::string> labels_;  // a note's id: its label, as its reference gives it
  std::set<std::string> referenceIds_;         // the ids of note references: a link there leads back
  std::size_t bookkeeping_ = 0;                // the bytes the maps above take
  int unlabelledNotes_ = 0;
  TBookStyles* bookStyles_ = nullptr;
  std::string stylesPath_;             // what the document's sheets are relative to
  TDocumentStyles* styles_ = nullptr;  // the document's, when it has any: the book's styles own it
  float bodyFontSize_ = 16, plainBodyFontSize_ = 16;  // as the book's sheets and the defaults give it
  css::ETextTransform transform_ = css::ETextTransform::None;
  bool wordStart_ = true;
};

}  // namespace books
