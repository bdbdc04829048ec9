// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/text/text_file.h"

#include <algorithm>
#include <cerrno>

#include "app/books/book_file.h"
#include "platform/cancellation.h"
#include "platform/exceptions.h"
#include "platform/utf8.h"

namespace {

void ThrowTooLarge() { throw ETextTooLarge(); }

// How far into a file a NUL byte marks it as no text at all.
constexpr std::size_t kBinaryProbe = 8 * 1024;

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

bool IsUtf16(std::string_view bytes) {
  return bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF");
}

// Appends text to a text with its line breaks normalised, a piece at a time: a CR that
// ends a piece waits for the next one, which may begin with its LF.
class TLineBreakWriter {
public:
  explicit TLineBreakWriter(std::string& out) : out_(out) {}

  void Append(std::string_view text) {
    if (text.empty()) return;
    if (pendingCr_) {
      out_ += "\r\n";
      if (text.front() == '\n') text.remove_prefix(1);
    }
    pendingCr_ = text.ends_with('\r');
    if (pendingCr_) text.remove_suffix(1);
    // From break to break, each stretch between them copied whole: a book's lines are tens
    // of characters long, and a character at a time was most of the cost of reading a long one.
    const auto nextOf = [&](char c, std::size_t from) { return std::min(text.find(c, from), text.size()); };
    std::size_t cr = nextOf('\r', 0), lf = nextOf('\n', 0);
    for (std::size_t i = 0; i < text.size();) {
      const std::size_t at = std::min(cr, lf);
      out_.append(text, i, at - i);
      if (at == text.size()) break;
      out_ += "\r\n";
      i = at + (at == cr && lf == cr + 1 ? 2 : 1);
      if (cr < i) cr = nextOf('\r', i);
      if (lf < i) lf = nextOf('\n', i);
    }
  }
  void Finish() {
    if (pendingCr_) out_ += "\r\n";
    pendingCr_ = false;
  }

private:
  std::string& out_;
  bool pendingCr_ = false;
};

// Hands `head` (read already) and then the rest of the file a chunk at a time to `take`
// while it returns true, counting every byte read; past `capacity` of them it stops, or
// throws ETextTooLarge unless `mayStop` says that only what follows a NUL went unread.
template <typename Take, typename MayStop>
std::size_t ReadChunks(TBookFile& file, std::size_t capacity, std::string_view head, Take take,
                       MayStop mayStop) {
  std::size_t read = 0;
  bool taking = true;
  const auto handle = [&](std::string_view chunk) {
    read += chunk.size();
    if (taking) taking = take(chunk);
    if (read <= capacity) return true;
    if (!mayStop()) ThrowTooLarge();
    return false;
  };
  if (!handle(head)) return read;
  char chunk[1 << 16];
  for (std::size_t count; (count = file.ReadSome(chunk, sizeof chunk)) > 0;)
    if (!handle(std::string_view(chunk, count))) break;
  return read;
}

// The file's bytes after `head`, at most `capacity` of them in all (the memo limit counts
// the bytes as read) unless a NUL comes first.
std::string ReadBytes(TBookFile& file, std::size_t capacity, std::string_view head = {}) {
  std::string bytes;
  // Room for the size the file states, so that a long book is not copied as it grows; a
  // file that lies about its size still reads whole, only slower.
  bytes.reserve(std::min(file.StatedSize(), capacity) + 1);
  std::size_t nul = std::string::npos;  // the first NUL read so far
  ReadChunks(
      file, capacity, head,
      [&](std::string_view read) {
        if (nul == std::string::npos && read.find('\0') != std::string_view::npos)
          nul = bytes.size() + read.find('\0');
        bytes += read;
        return true;
      },
      [&] { return nul != std::string::npos && nul <= capacity; });
  return bytes;
}

// A text file that is not UTF-16, read after its first bytes `head` and normalised as it
// comes: the file's bytes are never held beside its text, which a text of line breaks
// alone doubles.
TTextFile StreamBookText(TBookFile& file, std::string_view head, std::size_t capacity) {
  const std::size_t mark = head.starts_with(kUtf8ByteOrderMark) ? kUtf8ByteOrderMark.size() : 0;
  TTextFile text;
  // Room for the most the text can grow to, every byte a lone line break: memory that is
  // never written takes none, and a text that outgrew its room would be copied whole.
  text.text.reserve(2 * std::min(file.StatedSize(), capacity) + 2);
  TLineBreakWriter writer(text.text);
  std::size_t taken = 0;                // bytes before the first NUL, the mark included
  std::size_t nul = std::string::npos;  // where the first NUL is
  const std::size_t read = ReadChunks(
      file, capacity, head,
      [&](std::string_view chunk) {
        const std::size_t skipped = taken < mark ? mark - taken : 0;
        const std::size_t at = chunk.find('\0');
        writer.Append(chunk.substr(skipped, at == std::string_view::npos ? at : at - skipped));
        if (at != std::string_view::npos) nul = taken + at;
        taken += at == std::string_view::npos ? chunk.size() : at;
        return at == std::string_view::npos;
      },
      [&] { return nul != std::string::npos && nul <= capacity; });
  writer.Finish();
  text.bytesAfterNul = std::max(file.StatedSize(), read) - taken;
  return text;
}

}  // namespace

std::string Utf16ToUtf8(std::string_view bytes) {
  const bool bigEndian = bytes.starts_with("\xFE\xFF");
  const auto unit = [&](std::size_t i) -> char32_t {
    const auto first = static_cast<unsigned char>(bytes[i]),
               second = static_cast<unsigned char>(bytes[i + 1]);
    return bigEndian ? (first << 8 | second) : (second << 8 | first);
  };
  std::string out;
  out.reserve(bytes.size());
  for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) {
    char32_t c = unit(i);
    if (c >= 0xD800 && c <= 0xDBFF && i + 3 < bytes.size() && unit(i + 2) >= 0xDC00 &&
        unit(i + 2) <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (unit(i + 2) - 0xDC00);
      i += 2;
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      c = 0xFFFD;  // a lone surrogate
    }
    AppendUtf8(out, c);
  }
  if (bytes.size() % 2 != 0) AppendUtf8(out, 0xFFFD);  // a cut-off last unit
  return out;
}

std::string NormaliseLineBreaks(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 16);
  TLineBreakWriter writer(out);
  writer.Append(text);
  writer.Finish();
  return out;
}

std::string TargetFolderOf(std::string_view path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string_view::npos) return "/";
  // The last separator goes, unless it is the root's or doubles the one before it.
  const bool keep = slash == 0 || path[slash - 1] == '/';
  return std::string(path.substr(0, keep ? slash + 1 : slash)) + "/";
}

std::string FolderPrefix(std::string_view folder) {
  return std::string(folder) + (folder.ends_with('/') ? "" : "/");
}

std::string_view FileNamePart(std::string_view path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

ENotText::ENotText(std::string_view path)
    : Exception(FormatMessage("%s is not a text file: it holds NUL bytes", {path})) {}

TTextFile ReadBookText(const std::string& path, std::size_t capacity) {
  TBookFile file(path);
  const std::string head = file.Read(kBinaryProbe);
  if (IsUtf16(head)) return BookTextOf(ReadBytes(file, capacity, head), path, file.StatedSize());
  if (!head.starts_with(kUtf8ByteOrderMark) && head.find('\0') != std::string::npos) throw ENotText(path);
  return StreamBookText(file, head, capacity);
}

std::string ReadStandardInput(std::size_t capacity) {
  TBookFile input = TBookFile::StandardInput();
  return ReadBytes(input, capacity);
}

TTextFile BookTextOf(std::string bytes, std::string_view name, std::size_t fileSize) {
  fileSize = std::max(fileSize, bytes.size());
  TTextFile file;
  if (IsUtf16(bytes)) {
    bytes = Utf16ToUtf8(bytes);
    fileSize = bytes.size();
    file.fromUtf16 = true;
  } else if (bytes.starts_with(kUtf8ByteOrderMark)) {
    // The mark says how the text is written; it is no part of the text.
    bytes.erase(0, kUtf8ByteOrderMark.size());
    fileSize -= kUtf8ByteOrderMark.size();
  } else if (bytes.find('\0') < kBinaryProbe) {
    throw ENotText(name);
  }
  const std::size_t nul = std::min(bytes.find('\0'), bytes.size());
  file.bytesAfterNul = fileSize - nul;
  bytes.resize(nul);
  file.text = NormaliseLineBreaks(bytes);
  return file;
}
