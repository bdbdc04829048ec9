// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Loading a book: its bytes, its folder and its name.
#include <cstddef>
#include <string>
#include <string_view>

#include "app/books/text_capacity.h"
#include "platform/exceptions.h"

// Every CR LF, lone CR and lone LF becomes one CR LF; LF CR is two breaks.
std::string NormaliseLineBreaks(std::string_view text);

// The folder part of a path followed by "/": "/books/dune.txt" gives "/books/". The root's
// separator stays in the folder part, so a file in "/" gives "//", which still names the
// root; a bare name gives "/".
std::string TargetFolderOf(std::string_view path);

// A folder as target folder text: followed by "/" unless it ends with one already.
std::string FolderPrefix(std::string_view folder);

// The file-name part of a path: everything after its last "/", extension included.
std::string_view FileNamePart(std::string_view path);

// A book's text as read from its file.
struct TTextFile {
  std::string text;               // as the text box takes it
  std::size_t bytesAfterNul = 0;  // left out after a NUL byte
  bool fromUtf16 = false;         // decoded from UTF-16 to UTF-8
};

// A file holding NUL bytes near its start, and so no text.
class ENotText : public Exception {
public:
  explicit ENotText(std::string_view path);
};

// A file's text as the text box takes it: read whole, a UTF-16 file (byte-order mark
// FF FE or FE FF) decoded to UTF-8, a UTF-8 byte-order mark dropped, cut at the first NUL
// byte, line breaks normalised.
// EFOpenError "Cannot open file %s" when it cannot be read; ENotText when a NUL comes in
// its first 8 KiB and it is not UTF-16; ETextTooLarge when
// it holds more than `capacity` bytes before its first NUL; ENotRegularFile for a FIFO,
// device or socket.
TTextFile ReadBookText(const std::string& path, std::size_t capacity = kMaxTextBytes);
// The same for bytes already read (`fileSize` of them in all when a NUL cut the reading
// short); `name` names them in errors.
TTextFile BookTextOf(std::string bytes, std::string_view name, std::size_t fileSize = 0);
// Standard input read whole, within `capacity` as ReadBookText counts it.
std::string ReadStandardInput(std::size_t capacity = kMaxTextBytes);

// UTF-16 bytes after their byte-order mark as UTF-8; unpaired surrogates become U+FFFD.
std::string Utf16ToUtf8(std::string_view bytes);
